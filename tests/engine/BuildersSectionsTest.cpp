// Builders of beams and columns: the path by the segments, the section article and its thickness match,
// and the profile skins.
#include "BuildersFixture.hpp"

#include <vector>

using hostplatform::Faults;

namespace {

using SectionsTest = BuildersTest;

constexpr const char* ProfileMessage =
    "Type 1 en 2 wordt niet ondersteund in combinatie met complex profiles. Raadpleeg helpcenter > "
    "troubleshooting.";

TEST_F(SectionsTest, BeamPathIsChosenByTheFirstBasicOrProfileSegment) {
    const API_AttributeIndex concrete = b.AddBuildingMaterial("Beton", "22.21.", "beton");
    const API_AttributeIndex steel = b.AddBuildingMaterial("Staal", "53.40.", "staal");
    const API_AttributeIndex wood = b.AddBuildingMaterial("Hout", "33.99.", "hout");
    const API_Guid profiled = b.AddElement(API_BeamID)
                                  .Segment(API_ProfileStructure, steel)
                                  .CompositeRow(steel, 1.0, 1.0)
                                  .CompositeRow(wood, 1.0, 1.0);
    const API_Guid secondBasic = b.AddElement(API_BeamID)
                                     .Segment(API_CompositeStructure, concrete)
                                     .Segment(API_BasicStructure, steel)
                                     .Segment(API_ProfileStructure, wood);
    const API_Guid onlyComposite = b.AddElement(API_BeamID).Segment(API_CompositeStructure, concrete);
    const API_Guid noSegments = b.AddElement(API_BeamID);
    b.Install();

    Articles::GetArticlesFromBeam(Read(profiled), articles);
    ASSERT_EQ(articles.GetSize(), 2u);
    EXPECT_EQ(articles[1].wallType, WallTypeComplexProfile);
    EXPECT_EQ(articles[1].skinIndex, 1);
    EXPECT_EQ(Utf8(articles[1].code), "33.99.");

    articles.Clear();
    Articles::GetArticlesFromBeam(Read(secondBasic), articles);
    ASSERT_EQ(articles.GetSize(), 1u);
    EXPECT_EQ(Utf8(articles[0].code), "53.40.");
    EXPECT_EQ(articles[0].qelmType, 3);
    EXPECT_EQ(articles[0].skinIndex, -1);
    EXPECT_EQ(articles[0].wallType, WallTypeNone);

    articles.Clear();
    Articles::GetArticlesFromBeam(Read(onlyComposite), articles);
    Articles::GetArticlesFromBeam(Read(noSegments), articles);
    Faults::FailCallFor("ACAPI_Element_GetMemo", secondBasic);
    Articles::GetArticlesFromBeam(Read(secondBasic), articles);
    EXPECT_TRUE(articles.IsEmpty());
}

TEST_F(SectionsTest, SegmentCountNeverReachesPastTheMemoBlock) {
    const API_AttributeIndex steel = b.AddBuildingMaterial("Staal", "53.40.", "staal");
    auto beam = b.AddElement(API_BeamID).Segment(API_CompositeStructure, steel);
    beam.record().beam.nSegments = 40;
    auto column = b.AddElement(API_ColumnID).Segment(API_CompositeStructure, steel);
    column.record().column.nSegments = 40;
    b.Install();

    Articles::GetArticlesFromBeam(Read(beam), articles);
    Articles::GetArticlesFromColumn(Read(column), articles);
    EXPECT_TRUE(articles.IsEmpty());
}

TEST_F(SectionsTest, BeamOfTypeTwoTakesItsWidthInCentimetresOrForARoundSectionMillimetres) {
    const short square = AddGroup("52.11.20.", "Balk 20 cm");
    const short round = AddGroup("52.11.21.", "Buis 200 mm");
    const API_AttributeIndex material = b.AddBuildingMaterial("Staal", "52.11.xx.", "staal");
    const API_Guid squareBeam =
        b.AddElement(API_BeamID).Segment(API_BasicStructure, material).Property("Breedte balk", 0.2);
    const API_Guid roundBeam =
        b.AddElement(API_BeamID).Segment(API_BasicStructure, material, true).Property("Breedte balk", 0.2);
    b.Install();

    Articles::GetArticlesFromBeam(Read(squareBeam), articles);
    Articles::GetArticlesFromBeam(Read(roundBeam), articles);

    ASSERT_EQ(articles.GetSize(), 2u);
    ExpectResolved(articles[0], {2, "52.11.20.", square, ""});
    EXPECT_DOUBLE_EQ(articles[0].thickness, 0.2);
    EXPECT_EQ(Utf8(articles[1].code), "52.11.21.");
    EXPECT_EQ(articles[1].groupIndex, round);
}

TEST_F(SectionsTest, BeamThicknessMatchIsSkippedWhenAPreconditionFails) {
    AddGroup("52.11.20.", "Balk 20 cm");
    const API_AttributeIndex material = b.AddBuildingMaterial("Staal", "52.11.xx.", "staal");
    auto profiledRecord = b.AddElement(API_BeamID)
                              .Segment(API_CompositeStructure, material)
                              .Segment(API_BasicStructure, material)
                              .Property("Breedte balk", 0.2);
    profiledRecord.record().beam.modelElemStructureType = API_ProfileStructure;
    const API_Guid unreadable =
        b.AddElement(API_BeamID).Segment(API_BasicStructure, material).Property("Breedte balk", 0.2);
    b.Install();

    Articles::GetArticlesFromBeam(Read(profiledRecord), articles);
    const API_Element element = Read(unreadable);
    Faults::FailCallFor("ACAPI_Element_Get", unreadable);
    Articles::GetArticlesFromBeam(element, articles);

    ASSERT_EQ(articles.GetSize(), 2u);
    for (const Article& article : articles) {
        EXPECT_EQ(article.qelmType, 2);
        EXPECT_EQ(Utf8(article.code), "52.11.xx.");
        EXPECT_EQ(article.groupIndex, 0);
        EXPECT_EQ(Utf8(article.message), "Geen classificatie met juiste dikte gevonden");
        EXPECT_DOUBLE_EQ(article.thickness, -1.0);
    }
}

TEST_F(SectionsTest, BeamSectionOfClassifiedTypeThreeOrUnknownMaterial) {
    const short classifiedGroup = AddGroup("99.01.", "Eigen");
    const short steelGroup = AddGroup("53.40.", "Staal");
    const API_AttributeIndex classified = ClassifiedMaterial("99.01.");
    const API_AttributeIndex steel = b.AddBuildingMaterial("Staal", "53.40.", "staal");
    const API_AttributeIndex unknown = b.AddBuildingMaterial("Iets", "pm", "iets");
    std::vector<API_Guid> beams;
    for (API_AttributeIndex material : {classified, steel, unknown})
        beams.push_back(b.AddElement(API_BeamID).Segment(API_BasicStructure, material));
    b.Install();
    for (const API_Guid& beam : beams)
        Articles::GetArticlesFromBeam(Read(beam), articles);

    ASSERT_EQ(articles.GetSize(), 3u);
    EXPECT_EQ(articles[0].qelmType, 3);
    EXPECT_EQ(articles[0].groupIndex, classifiedGroup);
    EXPECT_EQ(articles[1].qelmType, 3);
    EXPECT_EQ(articles[1].groupIndex, steelGroup);
    EXPECT_EQ(articles[2].qelmType, -1);
    EXPECT_EQ(Utf8(articles[2].code), "pm");
    EXPECT_EQ(Utf8(articles[2].message), "Balk is geen type 3");
}

TEST_F(SectionsTest, ColumnSectionTestsEvenAClassifiedCode) {
    const short concreteGroup = AddGroup("22.21.", "Beton");
    const short patternGroup = AddGroup("20.13.30.", "Kolom 30 cm");
    const short tableGroup = AddGroup("12.21.30.", "Poer 30 cm");
    const short strangeGroup = AddGroup("99.99.", "Vreemd");
    const ResolutionRow<API_AttributeIndex> rows[] = {
        {b.AddBuildingMaterial("Beton", "22.21.", "beton"), 3, "22.21.", concreteGroup, ""},
        // Type 3 by the table, but the pattern makes it type 2.
        {b.AddBuildingMaterial("Metselwerk", "20.13.xx.", "kolom"), 2, "20.13.30.", patternGroup, ""},
        {b.AddBuildingMaterial("Poer", "12.21.", "poer"), 2, "12.21.30.", tableGroup, ""},
        {ClassifiedMaterial("99.99."), -1, "99.99.", strangeGroup, "Kolom is geen type 3"},
    };
    ExpectResolutions(rows, [&](API_AttributeIndex material) {
        const API_Guid column = b.AddElement(API_ColumnID)
                                    .Segment(API_CompositeStructure, 0)
                                    .Segment(API_BasicStructure, material)
                                    .Property("Dikte kolom", 0.3);
        b.Install();
        articles.Clear();
        Articles::GetArticlesFromColumn(Read(column), articles);
        EXPECT_EQ(articles.GetSize(), 1u);
        return articles.IsEmpty() ? Article() : articles[0];
    });
}

TEST_F(SectionsTest, ColumnProfileSkinsOfTypeTwoAreReported) {
    AddGroup("22.21.", "Beton");
    const API_AttributeIndex concrete = b.AddBuildingMaterial("Beton", "22.21.", "beton");
    const API_AttributeIndex isolation = b.AddBuildingMaterial("Isolatie", "33.23.xx.", "isolatie");
    const API_Guid column = b.AddElement(API_ColumnID)
                                .Segment(API_CompositeStructure, concrete)
                                .Segment(API_ProfileStructure, concrete)
                                .CompositeRow(concrete, 1.0, 1.0)
                                .CompositeRow(isolation, 1.0, 1.0);
    const API_Guid onlyComposite = b.AddElement(API_ColumnID).Segment(API_CompositeStructure, concrete);
    b.Install();

    Articles::GetArticlesFromColumnComplexProfile(Read(onlyComposite), articles);
    EXPECT_TRUE(articles.IsEmpty());
    Articles::GetArticlesFromColumn(Read(column), articles);

    ASSERT_EQ(articles.GetSize(), 2u);
    EXPECT_EQ(articles[0].wallType, WallTypeComplexProfile);
    EXPECT_EQ(articles[0].qelmType, 3);
    EXPECT_EQ(Utf8(articles[0].message), "");
    EXPECT_EQ(articles[1].qelmType, 2);
    EXPECT_EQ(articles[1].skinIndex, 1);
    EXPECT_EQ(Utf8(articles[1].message), ProfileMessage);
}

} // namespace
