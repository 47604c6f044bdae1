// Builder of openings: the placement checks, where the last failing check decides the text, and the
// classification lookup of an opening that passes them.
#include "BuildersFixture.hpp"

using hostplatform::Faults;

namespace {

constexpr const char* NotThrough = "De opening is niet door de gehele vloer- of wand geplaatst.";
constexpr const char* VerticalInWall = "Een opening in een wand mag niet verticaal zijn.";
constexpr const char* HorizontalInSlab = "Een opening in een vloer mag niet horizontaal zijn.";
constexpr const char* NotInWallOrSlab = "De opening is niet in een vloer of wand geplaatst.";
constexpr const char* CustomPolygon = "Een opening mag geen custom profiel bevatten.";

using OpeningBuilderTest = BuildersTest;

TEST_F(OpeningBuilderTest, LastFailingPlacementCheckDecidesTheText) {
    const API_Guid wall = b.AddElement(API_WallID);
    const API_Guid slab = b.AddElement(API_SlabID);
    const API_Guid roof = b.AddElement(API_RoofID);
    struct Row {
        API_Guid owner;
        API_OpeningLimitType limit;
        API_OpeningDirection direction;
        API_OpeningBasePolygonType polygon;
        const char* message;
    };
    const Row rows[] = {
        {wall, APIOpeningLimit_Infinite, APIOpeningDirection_Horizontal, APIOpeningBasePolygon_Rectangular,
         ""},
        {slab, APIOpeningLimit_Infinite, APIOpeningDirection_Vertical, APIOpeningBasePolygon_Circular, ""},
        {wall, APIOpeningLimit_Finite, APIOpeningDirection_Horizontal, APIOpeningBasePolygon_Rectangular,
         NotThrough},
        {wall, APIOpeningLimit_Infinite, APIOpeningDirection_Vertical, APIOpeningBasePolygon_Rectangular,
         VerticalInWall},
        {slab, APIOpeningLimit_HalfInfinite, APIOpeningDirection_Horizontal,
         APIOpeningBasePolygon_Rectangular, HorizontalInSlab},
        {roof, APIOpeningLimit_Infinite, APIOpeningDirection_Vertical, APIOpeningBasePolygon_Rectangular,
         NotInWallOrSlab},
        {wall, APIOpeningLimit_Finite, APIOpeningDirection_Vertical, APIOpeningBasePolygon_Custom,
         CustomPolygon},
        {APINULLGuid, APIOpeningLimit_Finite, APIOpeningDirection_Vertical, APIOpeningBasePolygon_Rectangular,
         NotThrough},
    };
    for (const Row& row : rows) {
        const API_Guid opening =
            b.AddElement(API_OpeningID).Owner(row.owner).Opening(row.limit, row.direction, row.polygon);
        b.Install();
        articles.Clear();
        Articles::GetArticlesFromOpening(Read(opening), articles);
        ASSERT_EQ(articles.GetSize(), 1u);
        EXPECT_EQ(Utf8(articles[0].message), row.message);
        EXPECT_EQ(Utf8(articles[0].code), "");
        EXPECT_EQ(articles[0].qelmType, 0);
    }
}

TEST_F(OpeningBuilderTest, OnlyAnOpeningThatPassesIsLookedUp) {
    const short group = AddGroup("24.10.", "Sparingen");
    const API_Guid wall = b.AddElement(API_WallID);
    const API_Guid known = b.AddItem(qelm, APINULLGuid, "24.10.", "Sparingen");
    const API_Guid unknown = b.AddItem(qelm, APINULLGuid, "24.99.", "Onbekend");
    const auto placed = [&](const API_Guid& item, API_OpeningDirection direction) {
        return b.AddElement(API_OpeningID)
            .Owner(wall)
            .Opening(APIOpeningLimit_Infinite, direction, APIOpeningBasePolygon_Rectangular)
            .Classify(qelm, item)
            .guid();
    };
    const API_Guid good = placed(known, APIOpeningDirection_Horizontal);
    const API_Guid notFound = placed(unknown, APIOpeningDirection_Horizontal);
    const API_Guid misplaced = placed(known, APIOpeningDirection_Vertical);
    b.Install();

    for (const API_Guid& opening : {good, notFound, misplaced})
        Articles::GetArticlesFromOpening(Read(opening), articles);

    ASSERT_EQ(articles.GetSize(), 3u);
    ExpectResolved(articles[0], {5, "24.10.", group, ""});
    EXPECT_EQ(articles[1].qelmType, 5);
    EXPECT_EQ(articles[1].groupIndex, 0);
    EXPECT_EQ(Utf8(articles[1].message), "Classificatie niet gevonden in de QELM lijst: 24.99.");
    EXPECT_EQ(articles[2].qelmType, 0);
    EXPECT_EQ(Utf8(articles[2].code), "");
    EXPECT_EQ(Utf8(articles[2].message), VerticalInWall);
}

TEST_F(OpeningBuilderTest, UnreadableOpeningSkipsTheChecksButIsStillLookedUp) {
    const short group = AddGroup("24.10.", "Sparingen");
    const API_Guid item = b.AddItem(qelm, APINULLGuid, "24.10.", "Sparingen");
    const API_Guid opening =
        b.AddElement(API_OpeningID)
            .Opening(APIOpeningLimit_Finite, APIOpeningDirection_Vertical, APIOpeningBasePolygon_Custom)
            .Classify(qelm, item);
    b.Install();
    const API_Element element = Read(opening);
    Faults::FailCallFor("ACAPI_Element_Get", opening);

    Articles::GetArticlesFromOpening(element, articles);

    ASSERT_EQ(articles.GetSize(), 1u);
    EXPECT_EQ(articles[0].qelmType, 5);
    EXPECT_EQ(articles[0].groupIndex, group);
    EXPECT_EQ(Utf8(articles[0].message), "");
}

} // namespace
