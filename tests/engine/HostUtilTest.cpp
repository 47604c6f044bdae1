#include "engine/host/HostUtil.hpp"
#include "engine/host/Main.hpp"

#include "../support/AddOnFixture.hpp"

#include "hostplatform/DebugLog.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <string>

using hostplatform::Faults;
using hostplatform::ProjectBuilder;

namespace {

class HostUtilTest : public AddOnTest {
  protected:
    void SetUp() override {
        AddOnTest::SetUp();
        hostplatform::ClearDebugLog();
    }
    static std::string LastLine() {
        const std::vector<std::string> log = hostplatform::DebugLog();
        return log.empty() ? std::string() : log.back();
    }
};

TEST_F(HostUtilTest, WriteReportShowsPercentSignsOnceAndCutsLongText) {
    WriteReport("%d%% klaar", 50);
    EXPECT_EQ(LastLine(), "50% klaar\n");
    WriteReport("%s", "100% zeker %d %s");
    EXPECT_EQ(LastLine(), "100% zeker %d %s\n");

    WriteReport("%s", std::string(600, 'x').c_str());
    EXPECT_EQ(LastLine(), std::string(511, 'x') + "\n");
    EXPECT_EQ(hostplatform::DebugLog().size(), 3u);
}

TEST_F(HostUtilTest, AutotextValueLosesItsPercentSigns) {
    const GS::UniString address((std::string(40, 'a') + "é").c_str());
    ProjectBuilder b;
    b.AddAutotext("PROJECTNUMBER", "%2024-017%");
    b.AddAutotext("SHORTDATE", "1-2-2024");
    b.AddAutotext("SHORTDATE", "tweede");
    b.AddAutotext("SITEFULLADDRESS", address);
    b.Install();

    EXPECT_EQ(Get_Autotext_By_Key("PROJECTNUMBER"), "2024-017");
    // Each text right-aligned in 32 columns.
    EXPECT_NE(LastLine().find("   PROJECTNUMBER+                        2024-017+\n"), std::string::npos)
        << LastLine();
    EXPECT_EQ(Get_Autotext_By_Key("SHORTDATE"), "1-2-2024");
    EXPECT_EQ(Get_Autotext_By_Key("SITEFULLADDRESS"), address);
    EXPECT_NE(LastLine().find("+" + std::string(32, 'a') + "+\n"), std::string::npos) << LastLine();

    hostplatform::ClearDebugLog();
    EXPECT_EQ(Get_Autotext_By_Key("projectnumber"), "");
    EXPECT_EQ(Get_Autotext_By_Key(""), "");
    EXPECT_TRUE(hostplatform::DebugLog().empty());

    Faults::FailCall("ACAPI_AutoText_GetAutoTexts");
    EXPECT_EQ(Get_Autotext_By_Key("PROJECTNUMBER"), "");
}

TEST_F(HostUtilTest, SelectionKindsMapBackToElementTypes) {
    for (API_ElemTypeID type = API_WallID; type <= API_MorphID; ++type)
        EXPECT_EQ(Neig_To_ElemID(Main::Elem_To_NeigID(type)), type);
    EXPECT_EQ(Neig_To_ElemID(APINeig_None), API_ZombieElemID);
    Faults::FailCall("ACAPI_Element_NeigIDToElemType");
    EXPECT_EQ(Neig_To_ElemID(Main::Elem_To_NeigID(API_WallID)), API_ZombieElemID);
}

} // namespace
