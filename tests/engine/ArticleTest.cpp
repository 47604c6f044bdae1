#include "engine/Article.hpp"
#include "engine/host/Main.hpp"

#include "../support/AddOnFixture.hpp"

#include "hostplatform/Faults.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <string>
#include <vector>

using hostplatform::Faults;
using hostplatform::ProjectBuilder;

namespace {

using ArticleTest = AddOnTest;

Article WithCode(const char* code) {
    Article article;
    article.code = code;
    return article;
}

TEST_F(ArticleTest, DefaultsAndCopies) {
    Article article;
    EXPECT_EQ(article.guid, APINULLGuid);
    EXPECT_EQ(article.pieces, -1);
    EXPECT_EQ(article.risers, -1);
    EXPECT_DOUBLE_EQ(article.surface, -1.0);
    EXPECT_DOUBLE_EQ(article.thickness, -1.0);
    EXPECT_EQ(article.skinIndex, -1);
    EXPECT_EQ(article.compositeCount, -1);
    EXPECT_EQ(article.groupIndex, 0);
    EXPECT_EQ(article.wallType, WallTypeNone);
    EXPECT_EQ(article.message, "Geen classificatie toegekend");
    EXPECT_TRUE(article.zoneNames.IsEmpty());

    article.zoneNames.Push("Keuken");
    article.code = "20.13.";
    Article copy = article;
    copy.zoneNames.Push("Berging");
    copy.code = "20.14.";
    EXPECT_EQ(article.zoneNames.GetSize(), 1u);
    EXPECT_EQ(article.code, "20.13.");
    article = copy;
    EXPECT_EQ(article.zoneNames.GetSize(), 2u);
}

TEST_F(ArticleTest, CodeTests) {
    const Article full = WithCode("20.13.");
    EXPECT_TRUE(full.Equals("20.13"));
    EXPECT_TRUE(full.Equals("20.13."));
    EXPECT_FALSE(full.Equals("20.1"));
    EXPECT_FALSE(full.Equals(""));
    EXPECT_FALSE(WithCode("20.13").Equals("20.13"));
    EXPECT_FALSE(WithCode("20.13").Equals("20.13."));
    EXPECT_TRUE(WithCode(".").Equals(""));

    EXPECT_TRUE(full.Starts("20."));
    EXPECT_TRUE(full.Starts(""));
    EXPECT_FALSE(full.Starts("20.13.1"));
    EXPECT_FALSE(WithCode("ab.").Starts("AB"));
    EXPECT_TRUE(full.Ends("13."));
    EXPECT_FALSE(full.Ends("20."));
}

TEST_F(ArticleTest, FilterMatchesAnyPartOfTheIdWhateverItsCase) {
    Article article;
    article.elementID = "Wand-BUITEN-01";
    Main::usFilterText = "";
    EXPECT_TRUE(article.CompliesToFilter());
    Main::usFilterText = "buiten";
    EXPECT_TRUE(article.CompliesToFilter());
    Main::usFilterText = "binnen";
    EXPECT_FALSE(article.CompliesToFilter());
    Main::usFilterText = "";
}

TEST_F(ArticleTest, DisplayTexts) {
    Article article;
    EXPECT_EQ(article.GetQELMtype(), "");
    article.qelmType = -1;
    EXPECT_EQ(article.GetQELMtype(), "Type ??");
    article.qelmType = 4;
    EXPECT_EQ(article.GetQELMtype(), "Type 4");
    article.storyIndex = -2;
    EXPECT_EQ(article.GetStory(), "-2");

    EXPECT_EQ(article.GetMaterialDescription(), "");
    article.materialDescription = "gevelsteen";
    EXPECT_EQ(article.GetMaterialDescription(), "gevelsteen");
    article.materialId = "20.13.10.";
    EXPECT_EQ(article.GetMaterialDescription(), "20.13.10.: gevelsteen");
    article.materialDescription = "";
    EXPECT_EQ(article.GetMaterialDescription(), "20.13.10.");

    const std::vector<std::pair<walltype, std::string>> wallTypes = {
        {WallTypeNone, ""},
        {WallTypeBasic, "Basic"},
        {WallTypeComposite, "Composite"},
        {WallTypeComplexProfile, "Complex profile"}};
    article.elemType = API_WallID;
    article.libPartName = "Raam";
    for (const auto& [type, text] : wallTypes) {
        article.wallType = type;
        EXPECT_EQ(article.GetWallType(), text.c_str());
        EXPECT_EQ(article.GetInfo(), text.c_str());
    }
    for (const API_ElemTypeID type : {API_WindowID, API_DoorID, API_ObjectID}) {
        article.elemType = type;
        EXPECT_EQ(article.GetInfo(), "Raam");
    }
    article.libPartName = "";
    EXPECT_EQ(article.GetInfo(), "");

    article.propertyName = "QELM Wand Afwerking";
    EXPECT_TRUE(article.propertynameMatches("qelm wandafwerking"));
    EXPECT_FALSE(article.propertynameMatches("QELM Wand"));
}

TEST_F(ArticleTest, ThicknessTexts) {
    struct Case {
        double metres;
        const char* cm;
        const char* mm;
    };
    for (const Case& c : {Case{0.3, "30", "300"}, Case{0.055, "5,5", "55"}, Case{0.0, "0", "0"},
                          Case{0.0125, "1,3", "13"}, Case{1.2345, "123,5", "1235"}}) {
        Article article;
        article.SetThickness(c.metres);
        EXPECT_DOUBLE_EQ(article.thickness, c.metres);
        EXPECT_EQ(article.thicknessCm, c.cm) << c.metres;
        EXPECT_EQ(article.thicknessMm, c.mm) << c.metres;
    }
}

// ---- Zone names ----

class ArticleZoneTest : public AddOnTest {
  protected:
    ProjectBuilder b;
    API_Guid kitchen{};
    API_Guid hall{};

    void AddZones() {
        kitchen = b.AddElement(API_ZoneID).Zone("Keuken", "0.01");
        hall = b.AddElement(API_ZoneID).Zone("Hal", "0.02");
        b.AddElement(API_ZoneID).Zone("Berging", "0.03");
    }

    static Article ZonesOf(const API_Guid& guid, API_ElemTypeID type) {
        Article article;
        article.guid = guid;
        article.elemType = type;
        article.zoneNames.Push("oud");
        article.zoneNumbers.Push("oud");
        article.GetZoneNames();
        EXPECT_EQ(article.zoneNames.GetSize(), article.zoneNumbers.GetSize());
        return article;
    }

    static std::vector<std::string> Utf8(const GS::Array<GS::UniString>& texts) {
        std::vector<std::string> result;
        for (const GS::UniString& text : texts)
            result.push_back(text.ToUtf8());
        return result;
    }
};

using TextList = std::vector<std::string>;

TEST_F(ArticleZoneTest, SlabInTwoZonesPlusItsOwnProperties) {
    AddZones();
    const API_Guid slab =
        b.AddElement(API_SlabID).CollidesWith(kitchen).CollidesWith(hall).Property("Zone naam", "Terras");
    const API_Guid mesh = b.AddElement(API_MeshID).CollidesWith(hall).Property("Zone nummer", "9.99");
    b.Install();

    const Article slabArticle = ZonesOf(slab, API_SlabID);
    EXPECT_EQ(Utf8(slabArticle.zoneNames), (TextList{"Keuken", "Hal", "Terras"}));
    EXPECT_EQ(Utf8(slabArticle.zoneNumbers), (TextList{"0.01", "0.02", ""}));

    const Article meshArticle = ZonesOf(mesh, API_MeshID);
    EXPECT_EQ(Utf8(meshArticle.zoneNames), (TextList{"Hal", ""}));
    EXPECT_EQ(Utf8(meshArticle.zoneNumbers), (TextList{"0.02", "9.99"}));
}

TEST_F(ArticleZoneTest, ZonesGetNothingAndOtherTypesOnlyTheirProperties) {
    AddZones();
    const API_Guid zone = b.AddElement(API_ZoneID)
                              .Zone("Living", "0.04")
                              .CollidesWith(kitchen)
                              .Property("Zone naam", "x")
                              .Property("Zone nummer", "y");
    const API_Guid wall = b.AddElement(API_WallID)
                              .CollidesWith(kitchen)
                              .Property("Zone naam", "Gang")
                              .Property("Zone nummer", "0.05");
    const API_Guid bareWall = b.AddElement(API_WallID).CollidesWith(kitchen).Property("Zone naam", "");
    b.Install();

    EXPECT_TRUE(ZonesOf(zone, API_ZoneID).zoneNames.IsEmpty());
    const Article wallArticle = ZonesOf(wall, API_WallID);
    EXPECT_EQ(Utf8(wallArticle.zoneNames), (TextList{"Gang"}));
    EXPECT_EQ(Utf8(wallArticle.zoneNumbers), (TextList{"0.05"}));
    EXPECT_TRUE(ZonesOf(bareWall, API_WallID).zoneNames.IsEmpty());
}

TEST_F(ArticleZoneTest, FailedHostCallsAddNothingButThePropertiesStillCount) {
    AddZones();
    const API_Guid slab =
        b.AddElement(API_SlabID).CollidesWith(kitchen).CollidesWith(hall).Property("Zone naam", "Terras");
    b.Install();

    for (const char* call : {"ACAPI_Element_GetElemList", "ACAPI_Element_GetCollisions"}) {
        Faults::Clear();
        Faults::FailCall(call);
        EXPECT_EQ(Utf8(ZonesOf(slab, API_SlabID).zoneNames), (TextList{"Terras"})) << call;
    }

    Faults::Clear();
    Faults::FailCallFor("ACAPI_Element_Get", kitchen);
    EXPECT_EQ(Utf8(ZonesOf(slab, API_SlabID).zoneNames), (TextList{"Hal", "Terras"}));

    Faults::Clear();
    Faults::FailCallFor("ACAPI_Element_Get", slab);
    EXPECT_TRUE(ZonesOf(slab, API_SlabID).zoneNames.IsEmpty());
}

} // namespace
