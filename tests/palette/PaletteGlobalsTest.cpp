// The add-on's globals at load, the palette and dialog wrappers, and the resource file loader.
#include "PaletteFixture.hpp"

#include "hostplatform/Resources.hpp"

#include <set>
#include <string>

namespace {

// ---- Load order ----

struct TableSizes {
    GS::USize type2 = 0, type3 = 0, errors = 0, windows = 0, doors = 0, objects = 0, layers = 0;
    bool filterEmpty = false;

    static TableSizes Now() {
        return TableSizes{m_vClassificationsType2.GetSize(),   m_vClassificationsType3.GetSize(),
                          m_vErrorMessageExclusions.GetSize(), m_vWindowExclusions.GetSize(),
                          m_vDoorExclusions.GetSize(),         m_vObjectExclusions.GetSize(),
                          m_vLayerExclusions.GetSize(),        Main::usFilterText.IsEmpty()};
    }
    friend bool operator==(const TableSizes&, const TableSizes&) = default;
};

// Taken when the tests start, before any test has made a host call or built an Articles object.
TableSizes atStart;

class AtStart : public ::testing::Environment {
  public:
    void SetUp() override { atStart = TableSizes::Now(); }
};
const ::testing::Environment* const atStartEnvironment = ::testing::AddGlobalTestEnvironment(new AtStart);

TEST(PaletteGlobals, LoadingTheAddOnFillsTheRuleTablesThroughTheArticlesObject) {
    ASSERT_NE(atStartEnvironment, nullptr);
    EXPECT_GT(atStart.type2, 0u);
    EXPECT_GT(atStart.type3, 0u);
    EXPECT_GT(atStart.errors, 0u);
    EXPECT_GT(atStart.windows, 0u);
    EXPECT_GT(atStart.doors, 0u);
    EXPECT_GT(atStart.objects, 0u);
    EXPECT_GT(atStart.layers, 0u);
    EXPECT_TRUE(atStart.filterEmpty);
    // Building the object again gives the same tables: the load built them whole, not on top of
    // tables that a later initialisation emptied.
    const Articles again;
    EXPECT_EQ(TableSizes::Now(), atStart);
    EXPECT_EQ(exportType, 0);
}

// ---- Wrappers ----

constexpr short TestLayout = 32700;

struct Seen {
    std::vector<short> messages;
    bool modelessAtInit = false;
    TovekLib::ACUI::Palette* palette = nullptr;
};
Seen seen;

short RecordingCallback(short message, short, short item, DGUserData userData, DGMessageData) {
    seen.messages.push_back(message);
    if (message == DG_MSG_INIT && userData != 0)
        seen.modelessAtInit = reinterpret_cast<TovekLib::ACUI::Palette*>(userData)->IsModeless();
    return message == DG_MSG_CLICK ? item : 0;
}

class WrapperTest : public AddOnTest {
  protected:
    void SetUp() override {
        AddOnTest::SetUp();
        seen = Seen();
        hostplatform::DialogLayout layout;
        layout.id = TestLayout;
        hostplatform::DialogItemLayout button;
        button.id = 1;
        button.type = hostplatform::DialogItemType::Button;
        layout.items.push_back(button);
        hostplatform::RegisterDialogLayout(layout);
    }
};

TEST_F(WrapperTest, PaletteOpensModelessOnTop) {
    TovekLib::ACUI::Palette palette;
    EXPECT_FALSE(palette.IsModeless());
    EXPECT_EQ(palette.GetDialogID(), 0);
    EXPECT_TRUE(palette.Initialize(TestLayout, RecordingCallback, reinterpret_cast<Int64>(&palette)));
    EXPECT_TRUE(hostplatform::OpenDialogIds().empty()) << "Initialize calls no framework";

    EXPECT_TRUE(palette.ShowModeless());
    EXPECT_TRUE(seen.modelessAtInit);
    EXPECT_EQ(palette.GetDialogID(), TestLayout);
    EXPECT_EQ(palette.GetModelessPageId(), TestLayout);
    palette.SetTopMost();
    ASSERT_NE(hostplatform::FindDialog(TestLayout), nullptr);
    EXPECT_TRUE(hostplatform::FindDialog(TestLayout)->modeless);
    EXPECT_EQ(hostplatform::FindDialog(TestLayout)->zPosition, -32768);

    // A second start of an open layout is refused; only the dialog id tells.
    TovekLib::ACUI::Palette second;
    second.Initialize(TestLayout, RecordingCallback, 0);
    EXPECT_TRUE(second.ShowModeless());
    EXPECT_EQ(second.GetDialogID(), 0);
    DGModelessClose(TestLayout);
}

TEST_F(WrapperTest, ModalRunsGiveTheClosingItem) {
    hostplatform::SetModalUser([](short dialogId) { hostplatform::ClickItem(dialogId, 1); });
    TovekLib::ACUI::Palette palette;
    palette.Initialize(TestLayout, RecordingCallback, reinterpret_cast<Int64>(&palette));
    EXPECT_TRUE(palette.Show());
    EXPECT_FALSE(palette.IsModeless());
    EXPECT_FALSE(seen.modelessAtInit);
    EXPECT_EQ(palette.GetDialogID(), 1);

    seen = Seen();
    TovekLib::ACUI::Dialog dialog;
    EXPECT_TRUE(dialog.Initialize(TestLayout, RecordingCallback, 0));
    EXPECT_TRUE(dialog.Show());
    EXPECT_EQ(seen.messages, (std::vector<short>{DG_MSG_INIT, DG_MSG_CLICK, DG_MSG_CLOSE}));
    EXPECT_FALSE(DGIsDialogOpen(TestLayout));

    TovekLib::ACUI::Dialog unknown;
    unknown.Initialize(1234, RecordingCallback, 0);
    EXPECT_TRUE(unknown.Show());
}

// ---- Resource file ----

using PaletteResources = AddOnTest;

TEST_F(PaletteResources, TheShippedFileHoldsThePaletteAndItsIcons) {
    const hostplatform::AddOnResources resources = hostplatform::LoadResourceFile(QELM_RESOURCE_FILE);
    const hostplatform::DialogLayout* palette = nullptr;
    for (const auto& layout : resources.dialogs)
        if (layout.id == 32600)
            palette = &layout;
    ASSERT_NE(palette, nullptr);
    std::set<short> ids;
    for (const auto& item : palette->items)
        ids.insert(item.id);
    for (short id = 1; id <= 16; ++id)
        EXPECT_EQ(ids.count(id), 1u) << "item " << id;
    for (const auto& item : palette->items) {
        if (item.id == 5) {
            EXPECT_EQ(item.type, hostplatform::DialogItemType::EditText);
        } else if (item.id == 7 || item.id == 8) {
            EXPECT_EQ(item.type, hostplatform::DialogItemType::ListBox);
        }
    }
    EXPECT_EQ(resources.icons.count(32300), 1u);
    EXPECT_EQ(resources.icons.count(32301), 1u);
}

TEST_F(PaletteResources, StringsAreInstalledByItemFromOne) {
    hostplatform::InstallResources(hostplatform::LoadResourceText(
        R"({"strings": {"32000": ["Telvorm", "QELM meetstaat"]}, "menus": {"comment": "menu", "32503": ["Meetstaat"]}})"));
    GS::UniString text;
    EXPECT_TRUE(ACAPI_Resource_GetLocStr(&text, 32000, 2, ACAPI_GetOwnResModule()));
    EXPECT_EQ(text.ToUtf8(), "QELM meetstaat");
    EXPECT_TRUE(ACAPI_Resource_GetLocStr(&text, 32503, 1, ACAPI_GetOwnResModule()));
    EXPECT_EQ(text.ToUtf8(), "Meetstaat");
    EXPECT_FALSE(ACAPI_Resource_GetLocStr(&text, 32000, 3, ACAPI_GetOwnResModule()));
}

TEST_F(PaletteResources, BadFilesAreRefusedWithThePlace) {
    const struct {
        const char* json;
        const char* message;
    } cases[] = {
        {R"({"dialogs": {"32600": {"items": [{"id": 1, "type": "knob"}]}}})",
         "/dialogs/32600/items/0/type: unknown item type \"knob\""},
        {R"({"dialogs": {"032600": {"items": []}}})",
         "/dialogs/032600: the key \"032600\" is no resource id"},
        {R"({"icons": {"40000": "x"}})", "/icons/40000: the key \"40000\" is no resource id"},
        {R"({"dialogs": {"5": {"items": [{"id": 2, "type": "text"}, {"id": 2, "type": "text"}]}}})",
         "/dialogs/5/items/1/id: item 2 is given twice"},
        {R"({"strings": {"7": ["a"]}, "menus": {"7": ["b"]}})", "/menus/7: resource 7 is given as a string"},
        {R"({"dialogs": {"5": {"items": [{"id": 1, "type": "text", "multiSelect": true}]}}})",
         "/dialogs/5/items/0/multiSelect: only list boxes"},
        {R"({"dialog": {}})", "unknown key \"dialog\""},
        {R"({"strings": {"1": ["a", 2]}})", "/strings/1/1: expected a text"},
        {R"({"strings": )", ""},
    };
    for (const auto& c : cases) {
        try {
            hostplatform::LoadResourceText(c.json);
            ADD_FAILURE() << "accepted: " << c.json;
        } catch (const hostplatform::ResourceFileError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
                << c.json << " gave: " << error.what();
        }
    }
    EXPECT_THROW(hostplatform::LoadResourceFile("/nonexistent/qelm.json"), hostplatform::ResourceFileError);
}

} // namespace
