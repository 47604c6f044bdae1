// Builders of walls: the path by structure kind and skeleton flag, the wall article, and the resolution
// of wall skins by layer, description and thickness.
#include "BuildersFixture.hpp"

using hostplatform::Faults;

namespace {

class WallBuildersTest : public BuildersTest {
  protected:
    // One composite skin of that material ID and description, 0.10 m thick, on the layer.
    Article LayerResolvedSkin(const char* layer, const char* materialId = "20.xx.xx.") {
        const API_AttributeIndex material =
            b.AddBuildingMaterial("Kalkzandsteen", materialId, " Kalkzandsteen ");
        const API_AttributeIndex composite = b.AddComposite("Binnenwand", {{material, 0.10, 0}});
        const API_Guid wall = b.AddElement(API_WallID).WallComposite(composite, 0.10);
        b.Install();
        Articles::GetArticlesFromWall(Read(wall), false, articles, layer);
        EXPECT_EQ(articles.GetSize(), 1u);
        return articles.IsEmpty() ? Article() : articles[0];
    }
};

TEST_F(WallBuildersTest, BasicWallIsOneArticleAtTheMeanOfItsThicknesses) {
    const short group = AddGroup("20.13.10.", "Gevelmetselwerk");
    const API_AttributeIndex brick = b.AddBuildingMaterial("Baksteen", " 20.13.10. ", " Gevelsteen ROOD ");
    const API_Guid wall = b.AddElement(API_WallID).WallBasic(brick, 0.30, 0.20);
    b.Install();

    Articles::GetArticlesFromWall(Read(wall), false, articles, " 21 Buitenwanden ");

    ASSERT_EQ(articles.GetSize(), 1u);
    const Article& article = articles[0];
    EXPECT_EQ(article.wallType, WallTypeBasic);
    EXPECT_EQ(article.skinIndex, -1);
    EXPECT_DOUBLE_EQ(article.thickness, 0.25);
    EXPECT_EQ(Utf8(article.thicknessCm), "25");
    EXPECT_EQ(Utf8(article.layerName), "21 Buitenwanden");
    EXPECT_EQ(Utf8(article.materialId), "20.13.10.");
    EXPECT_EQ(Utf8(article.materialDescription), "gevelsteen rood");
    ExpectResolved(article, {3, "20.13.10.", group, ""});
}

TEST_F(WallBuildersTest, PathFollowsStructureKindAndSkeletonFlag) {
    const API_AttributeIndex material = b.AddBuildingMaterial("Beton", "22.21.", "beton");
    const API_AttributeIndex composite = b.AddComposite("Twee", {{material, 0.1, 0}, {material, 0.2, 0}});
    const API_Guid basic = b.AddElement(API_WallID).WallBasic(material, 0.2, 0.2);
    const API_Guid layered = b.AddElement(API_WallID).WallComposite(composite, 0.3);
    auto profiled = b.AddElement(API_WallID).WallProfile(1).CompositeRow(material, 1.0, 2.0);
    profiled.record().wall.composite = composite;
    b.Install();

    struct Row {
        API_Guid wall;
        bool skeleton;
        std::vector<walltype> expected;
    };
    const Row rows[] = {
        {basic, false, {WallTypeBasic}},
        {basic, true, {WallTypeBasic}},
        {layered, false, {WallTypeComposite, WallTypeComposite}},
        {layered, true, {}},
        {profiled.guid(), false, {WallTypeComposite, WallTypeComposite}},
        {profiled.guid(), true, {WallTypeComplexProfile}},
    };
    for (const Row& row : rows) {
        GS::Array<Article> list;
        Articles::GetArticlesFromWall(Read(row.wall), row.skeleton, list, "21 Buitenwanden");
        std::vector<walltype> kinds;
        for (const Article& article : list)
            kinds.push_back(article.wallType);
        EXPECT_EQ(kinds, row.expected) << "skeleton " << row.skeleton;
    }
}

TEST_F(WallBuildersTest, CompositeSkinsAreNumberedWithTheirOwnThicknessAndMaterial) {
    const API_AttributeIndex brick = b.AddBuildingMaterial("Baksteen", "20.13.10.", "gevelsteen");
    const API_AttributeIndex wool = b.AddBuildingMaterial("Wol", "zz wol", "minerale wol");
    const API_AttributeIndex block = b.AddBuildingMaterial("Blok", "22.21.", "snelbouw");
    const API_AttributeIndex composite =
        b.AddComposite("Spouwmuur", {{brick, 0.09, 0}, {wool, 0.12, 0}, {block, 0.14, 0}});
    const API_Guid wall = b.AddElement(API_WallID).WallComposite(composite, 0.35);
    b.Install();

    Articles::GetArticlesFromWallComposites(Read(wall), articles, "21 Buitenwanden");

    ASSERT_EQ(articles.GetSize(), 3u);
    const char* ids[] = {"20.13.10.", "zz wol", "22.21."};
    const char* centimetres[] = {"9", "12", "14"};
    for (short i = 0; i < 3; ++i) {
        EXPECT_EQ(articles[i].wallType, WallTypeComposite);
        EXPECT_EQ(articles[i].skinIndex, i);
        EXPECT_EQ(Utf8(articles[i].materialId), ids[i]);
        EXPECT_EQ(Utf8(articles[i].thicknessCm), centimetres[i]);
    }
    EXPECT_EQ(articles[1].qelmType, -1);
    EXPECT_EQ(Utf8(articles[1].message), "Schil is geen type 1, 2 of 3");
}

TEST_F(WallBuildersTest, UnreadableCompositeOrSkinListAddsNothing) {
    const API_AttributeIndex material = b.AddBuildingMaterial("Beton", "22.21.", "beton");
    b.AddComposite("Eerste", {{material, 0.1, 0}});
    const API_AttributeIndex composite = b.AddComposite("Tweede", {{material, 0.1, 0}});
    const API_Guid wall = b.AddElement(API_WallID).WallComposite(composite, 0.1);
    const API_Guid missing = b.AddElement(API_WallID).WallComposite(7, 0.1);
    b.Install();

    Articles::GetArticlesFromWall(Read(missing), false, articles, "");
    Faults::FailCallForIndex("ACAPI_Attribute_Get", composite);
    Articles::GetArticlesFromWall(Read(wall), false, articles, "");
    Faults::Clear();
    Faults::FailCallForIndex("ACAPI_Attribute_GetDefExt", composite);
    Articles::GetArticlesFromWall(Read(wall), false, articles, "");
    EXPECT_TRUE(articles.IsEmpty());
}

// ---- Skins resolved by layer, description and thickness ----

TEST_F(WallBuildersTest, LayerResolvedSkinTakesTheFirstGroupWithDescriptionAndThickness) {
    AddGroup("20.21.", "Kalkzandsteen dikte 10 cm");
    AddGroup("20.31.", "Kalkzandsteen dikte 14 cm");
    AddGroup("20.32.", "Cellenbeton dikte 10 cm");
    const short wanted = AddGroup("20.33.", "  Binnenwand KALKZANDSTEEN dikte 10 cm ");
    AddGroup("20.34.", "Kalkzandsteen dikte 10 cm");

    const Article article = LayerResolvedSkin("22 WS binnenwanden");

    ExpectResolved(article, {1, "20.33.", wanted, ""});
    EXPECT_EQ(article.wallType, WallTypeComposite);
    EXPECT_EQ(article.skinIndex, 0);
}

TEST_F(WallBuildersTest, LayerResolvedSkinWithoutMatchingNameKeepsThePrefixAndSaysWhy) {
    AddGroup("20.31.", "Kalkzandsteen dikte 14 cm");
    Article article = LayerResolvedSkin("22 WS binnenwanden");
    EXPECT_EQ(Utf8(article.code), "20.3");
    EXPECT_EQ(article.groupIndex, 0);
    EXPECT_EQ(Utf8(article.message), "Geen classificatie met juiste dikte gevonden");

    articles.Clear();
    Articles::allArticlesGroups[1].name = "Cellenbeton dikte 10 cm";
    article = LayerResolvedSkin("22 WS binnenwanden");
    EXPECT_EQ(Utf8(article.code), "20.3");
    EXPECT_EQ(article.groupIndex, 0);
    EXPECT_EQ(Utf8(article.message), "Geen classificatie met beschrijving gevonden");
}

TEST_F(WallBuildersTest, LayerResolvedSkinNeedsOneOfTheFourWallLayers) {
    const std::pair<const char*, const char*> layers[] = {
        {"21 Buitenwanden", "20.2"},    {"22 WS binnenwanden", "20.3"},  {"22 C Binnenwanden", "20.4"},
        {"22 NC BINNENWANDEN", "20.5"}, {"23 Binnenwanden", "Onbekend"}, {"21  buitenwanden", "Onbekend"},
    };
    for (const auto& [layer, code] : layers) {
        articles.Clear();
        const Article article = LayerResolvedSkin(layer);
        EXPECT_EQ(article.qelmType, 1) << layer;
        EXPECT_EQ(Utf8(article.code), code) << layer;
        const char* message = std::string(code) == "Onbekend"
                                  ? "Geen laag startend met 21 of 22 gevonden"
                                  : "Geen classificatie met beschrijving gevonden";
        EXPECT_EQ(Utf8(article.message), message) << layer;
    }
}

TEST_F(WallBuildersTest, WallSkinResolutionTriesPatternTypeThreeTypeTwoInThatOrder) {
    const short type2Pattern = AddGroup("20.13.11.", "Gevelsteen 10 cm");
    const short type3 = AddGroup("22.21.", "Binnenmuren");
    const short type2Table = AddGroup("12.21.10.", "Funderingsbalk 10 cm");
    const ResolutionRow<const char*> rows[] = {
        {"20.13.xx.", 2, "20.13.11.", type2Pattern, ""},
        {"22.21.", 3, "22.21.", type3, ""},
        {"22.99.", 3, "22.99.", 0, "Classificatie niet gevonden in de QELM lijst: 22.99."},
        {"12.21.", 2, "12.21.10.", type2Table, ""},
        {"PM", -1, "pm", 0, "Schil is geen type 1, 2 of 3"},
    };
    ExpectResolutions(rows, [&](const char* materialId) {
        articles.Clear();
        return LayerResolvedSkin("21 Buitenwanden", materialId);
    });
}

TEST_F(WallBuildersTest, ClassifiedMaterialGivesItsNumberAndKeepsTheNotFoundText) {
    const short group = AddGroup("20.13.10.", "Gevelmetselwerk");
    const API_AttributeIndex known = ClassifiedMaterial("20.13.10.");
    const API_AttributeIndex unknown = ClassifiedMaterial("20.13.99.");
    const API_Guid first = b.AddElement(API_WallID).WallBasic(known, 0.1, 0.1);
    const API_Guid second = b.AddElement(API_WallID).WallBasic(unknown, 0.1, 0.1);
    b.Install();

    Articles::GetArticlesFromWall(Read(first), false, articles, "21 Buitenwanden");
    Articles::GetArticlesFromWall(Read(second), false, articles, "21 Buitenwanden");

    ASSERT_EQ(articles.GetSize(), 2u);
    EXPECT_EQ(articles[0].qelmType, 3);
    EXPECT_EQ(Utf8(articles[0].materialId), "20.13.10.");
    EXPECT_EQ(Utf8(articles[0].materialDescription), "beschrijving");
    EXPECT_EQ(articles[0].groupIndex, group);
    EXPECT_EQ(Utf8(articles[0].message), "");
    ExpectResolved(articles[1],
                   {3, "20.13.99.", 0, "Classificatie niet gevonden in de QELM lijst: 20.13.99."});
}

TEST_F(WallBuildersTest, UnreadableMaterialLeavesTheWallSkinUnresolved) {
    const API_AttributeIndex material = b.AddBuildingMaterial("Beton", "22.21.", "beton");
    const API_Guid wall = b.AddElement(API_WallID).WallBasic(material, 0.2, 0.2);
    b.Install();
    Faults::FailCallForIndex("ACAPI_Attribute_Get", material);

    Articles::GetArticlesFromWall(Read(wall), false, articles, "21 Buitenwanden");

    ASSERT_EQ(articles.GetSize(), 1u);
    EXPECT_EQ(Utf8(articles[0].materialId), "");
    EXPECT_EQ(Utf8(articles[0].code), "");
    EXPECT_EQ(articles[0].qelmType, -1);
    EXPECT_EQ(Utf8(articles[0].message), "Schil is geen type 1, 2 of 3");
}

TEST_F(WallBuildersTest, SkeletonProfileWallGivesOneArticlePerProfileSkin) {
    const API_AttributeIndex concrete = b.AddBuildingMaterial("Beton", "22.21.", "beton");
    const API_AttributeIndex wool = b.AddBuildingMaterial("Isolatie", "33.23.xx.", "isolatie");
    const API_AttributeIndex unknown = b.AddBuildingMaterial("Iets", "zz", "iets");
    const API_Guid wall = b.AddElement(API_WallID)
                              .WallProfile(1)
                              .CompositeRow(concrete, 1.0, 2.0)
                              .CompositeRow(wool, 1.0, 2.0)
                              .CompositeRow(unknown, 1.0, 2.0);
    b.Install();
    API_Element element = Read(wall);
    ASSERT_TRUE(Articles::IsSkeletonBuild(element));

    Articles::GetArticlesFromWall(element, true, articles, "21 Buitenwanden");

    ASSERT_EQ(articles.GetSize(), 3u);
    for (short i = 0; i < 3; ++i) {
        EXPECT_EQ(articles[i].skinIndex, i);
        EXPECT_EQ(articles[i].wallType, WallTypeComplexProfile);
        EXPECT_DOUBLE_EQ(articles[i].thickness, -1.0);
    }
    EXPECT_EQ(articles[0].qelmType, 3);
    EXPECT_EQ(articles[1].qelmType, 2);
    EXPECT_EQ(Utf8(articles[1].code), "33.23.xx.");
    EXPECT_EQ(Utf8(articles[1].message),
              "Type 1 en 2 wordt niet ondersteund in combinatie met complex profiles. "
              "Raadpleeg helpcenter > troubleshooting.");
    EXPECT_EQ(Utf8(articles[2].message), "Element is geen type 2 of 3");
}

} // namespace
