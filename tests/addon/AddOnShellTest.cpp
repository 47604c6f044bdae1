// The add-on's shell driven the way the host drives it: the entry functions, the menu command and the
// project-event handler, with the palette they open and close.
#include "addon/AddOnEntry.hpp"
#include "addon/MenuCommand.hpp"
#include "engine/Articles.hpp"

#include "../support/AddOnFixture.hpp"

#include "hostplatform/Faults.hpp"
#include "hostplatform/ProjectLoader.hpp"
#include "hostplatform/Resources.hpp"

#include <gtest/gtest.h>

namespace {

constexpr short Palette = 32600;

class AddOnShellTest : public AddOnTest {
  protected:
    void SetUp() override {
        AddOnTest::SetUp();
        hostplatform::InstallResources(hostplatform::LoadResourceFile(QELM_RESOURCE_FILE));
    }
    // The host unloads the add-on, which closes its palette and so frees it.
    void TearDown() override {
        EXPECT_EQ(FreeData(), NoError);
        EXPECT_TRUE(hostplatform::DialogErrors().empty()) << hostplatform::DialogErrors().front();
        AddOnTest::TearDown();
    }

    // The host's start-up of the add-on.
    static void Start() {
        API_EnvirParams envir;
        ASSERT_EQ(CheckEnvironment(&envir), APIAddon_Normal);
        ASSERT_EQ(RegisterInterface(), NoError);
        ASSERT_EQ(Initialize(), NoError);
    }
    static void ChooseCommand() { ASSERT_EQ(hostplatform::InvokeMenu(32503, 1), NoError); }
    static size_t ArticleRows() {
        const hostplatform::ListState* list = hostplatform::FindList(Palette, 7);
        return list == nullptr ? 0 : list->rows.size();
    }
};

// ---- Entry functions ----

TEST_F(AddOnShellTest, CheckEnvironmentAcceptsOnlyItsOwnHost) {
    API_EnvirParams foreign;
    foreign.serverInfo_applicationID = 2;
    foreign.addOnInfo.name = "set by the host";
    EXPECT_EQ(CheckEnvironment(&foreign), APIAddon_DontRegister);
    EXPECT_EQ(foreign.addOnInfo.name.ToUtf8(), "set by the host");
    EXPECT_EQ(foreign.addOnInfo.description.ToUtf8(), "");

    API_EnvirParams own;
    EXPECT_EQ(CheckEnvironment(&own), APIAddon_Normal);
    EXPECT_EQ(own.addOnInfo.name.ToUtf8(), "Telvorm QELM meetstaat");
    EXPECT_EQ(own.addOnInfo.description.ToUtf8(),
              "Maakt van het bouwmodel een meetstaat volgens de QELM-artikellijst.");
    EXPECT_EQ(own.serverApplicationInfo.mainVersion, 28) << "the host's part of the record is kept";

    // Strings the host cannot find do not stop the add-on from loading.
    hostplatform::ResetHost();
    API_EnvirParams bare;
    EXPECT_EQ(CheckEnvironment(&bare), APIAddon_Normal);
    EXPECT_EQ(bare.addOnInfo.name.ToUtf8(), "");
}

TEST_F(AddOnShellTest, RegistersAndInstallsTheOneMenuCommand) {
    Start();
    ASSERT_EQ(hostplatform::Menus().size(), 1u);
    const hostplatform::MenuRegistration& menu = hostplatform::Menus().front();
    EXPECT_EQ(menu.menuStrResID, 32503);
    EXPECT_EQ(menu.promptStrResID, 0);
    EXPECT_EQ(menu.menuPosCode, MenuCode_UserDef);
    EXPECT_EQ(menu.menuFlags, 2);
    EXPECT_EQ(menu.handler, &OnQELM_Meetstaatcmd);
    EXPECT_TRUE(OkToStart());
}

TEST_F(AddOnShellTest, HostErrorsOfTheRegistrationGoBackUnchanged) {
    hostplatform::Faults::FailCall("ACAPI_MenuItem_RegisterMenu", APIERR_BADID);
    EXPECT_EQ(RegisterInterface(), APIERR_BADID);
    hostplatform::Faults::Clear();
    // Without a registered menu the host refuses the handler.
    EXPECT_EQ(Initialize(), APIERR_BADID);
    hostplatform::Faults::FailCall("ACAPI_MenuItem_InstallMenuHandler", APIERR_GENERAL);
    EXPECT_EQ(RegisterInterface(), NoError);
    EXPECT_EQ(Initialize(), APIERR_GENERAL);
}

// ---- The menu command ----

TEST_F(AddOnShellTest, CommandOpensThePaletteAndListensToProjectEvents) {
    Start();
    EXPECT_FALSE(IsEditorOpen());
    EXPECT_EQ(hostplatform::ProjectEventMask(), 0u);
    ChooseCommand();
    EXPECT_TRUE(IsEditorOpen());
    EXPECT_TRUE(DGIsDialogOpen(Palette));
    EXPECT_EQ(hostplatform::ProjectEventMask(), 0xFFFu);
    EXPECT_EQ(hostplatform::ModelessWindows().count(Palette), 1u);
}

TEST_F(AddOnShellTest, CommandTwiceGivesAFreshPaletteWithEmptyLists) {
    hostplatform::SetProject(hostplatform::LoadProjectFile(QELM_SAMPLE_PROJECT));
    Start();
    ChooseCommand();
    ASSERT_TRUE(hostplatform::ClickItem(Palette, 9).has_value());
    ASSERT_GT(ArticleRows(), 0u);

    ChooseCommand();
    EXPECT_TRUE(IsEditorOpen());
    EXPECT_EQ(ArticleRows(), 0u) << "a new palette starts empty";
    EXPECT_GT(Articles::articleCount, 0) << "although the last take-off's result is still there";
}

TEST_F(AddOnShellTest, CommandAfterThePaletteWasClosedByHandOpensANewOne) {
    Start();
    ChooseCommand();
    ASSERT_EQ(hostplatform::ClickItem(Palette, DG_CLOSEBOX), DG_CLOSEBOX);
    EXPECT_FALSE(IsEditorOpen());
    // The shell finds the old palette closed and does not close it again (TearDown checks that no
    // call addressed a closed dialog).
    EXPECT_EQ(NotificationHandler(APINotify_Quit, 0), NoError);
    ChooseCommand();
    EXPECT_TRUE(IsEditorOpen());
}

TEST_F(AddOnShellTest, CommandOfAForeignMenuDoesNothing) {
    Start();
    API_MenuParams foreign;
    foreign.menuResID = 32504;
    foreign.itemIndex = 1;
    EXPECT_EQ(OnQELM_Meetstaatcmd(&foreign), NoError);
    EXPECT_FALSE(IsEditorOpen());
    EXPECT_TRUE(hostplatform::OpenDialogIds().empty());
    EXPECT_EQ(hostplatform::ProjectEventMask(), 0u);
}

TEST_F(AddOnShellTest, APaletteTheFrameworkRefusesIsNotKept) {
    hostplatform::ResetHost(); // no resources: the palette's layout is unknown
    Start();
    ChooseCommand();
    EXPECT_FALSE(IsEditorOpen());
    EXPECT_TRUE(hostplatform::OpenDialogIds().empty());
    hostplatform::DialogErrors().clear();
}

// ---- Closing ----

TEST_F(AddOnShellTest, OnlyProjectEvent0x40ClosesThePalette) {
    Start();
    ChooseCommand();
    for (API_NotifyEventID event = 1; event <= 0x800; event <<= 1) {
        if (event == APINotify_Quit)
            continue;
        EXPECT_EQ(hostplatform::SendProjectEvent(event), NoError);
        EXPECT_TRUE(IsEditorOpen()) << "event " << event;
    }
    EXPECT_EQ(hostplatform::SendProjectEvent(APINotify_Quit), NoError);
    EXPECT_FALSE(IsEditorOpen());
    EXPECT_TRUE(hostplatform::OpenDialogIds().empty());
    // Again, with no palette open: nothing happens.
    EXPECT_EQ(hostplatform::SendProjectEvent(APINotify_Quit), NoError);
    EXPECT_TRUE(hostplatform::OpenDialogIds().empty());
}

TEST_F(AddOnShellTest, FreeDataClosesAnOpenPalette) {
    Start();
    EXPECT_EQ(FreeData(), NoError) << "nothing to close";
    ChooseCommand();
    EXPECT_EQ(FreeData(), NoError);
    EXPECT_FALSE(IsEditorOpen());
    EXPECT_TRUE(hostplatform::OpenDialogIds().empty());
}

} // namespace
