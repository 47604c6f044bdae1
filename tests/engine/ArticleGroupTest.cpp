#include "engine/ArticleGroup.hpp"
#include "engine/host/Main.hpp"

#include "../support/AddOnFixture.hpp"

#include <gtest/gtest.h>

#include <utility>

namespace {

using ArticleGroupTest = AddOnTest;

ArticleGroup GroupWithFlags(const char* flags) {
    ArticleGroup group;
    group.flags = flags;
    return group;
}

Article ArticleWithId(const char* elementID, double length = -1.0) {
    Article article;
    article.elementID = elementID;
    article.length = length;
    return article;
}

TEST_F(ArticleGroupTest, FlagWordsMatchOnlyWhole) {
    struct Case {
        const char* flags;
        bool length, surface, volume, pieces, dm2;
    };
    const Case cases[] = {
        {"|m2|m3|", false, true, true, false, false},
        {"|m|st|", true, false, false, true, false},
        {"|dm2|", false, false, false, false, true},
        {"|stuks|m2x|", false, false, false, false, false},
        {"", false, false, false, false, false},
        {"m2|m|", true, false, false, false, false},
        {"|M2| m3 |st|", false, false, false, true, false},
    };
    for (const Case& c : cases) {
        const ArticleGroup group = GroupWithFlags(c.flags);
        SCOPED_TRACE(c.flags);
        EXPECT_EQ(group.HasLengthFlag(), c.length);
        EXPECT_EQ(group.HasSurfaceFlag(), c.surface);
        EXPECT_EQ(group.HasVolumeFlag(), c.volume);
        EXPECT_EQ(group.HasPieceFlag(), c.pieces);
        EXPECT_EQ(group.HasDm2Flag(), c.dm2);
    }
    const ArticleGroup marks = GroupWithFlags("|export|fh|vh|pm|sog|trede|ton|kw|kg|dm3|");
    EXPECT_TRUE(marks.HasExportFlag() && marks.Has_FH_Flag() && marks.Has_VH_Flag() &&
                marks.HasProMemoryFlag() && marks.HasSumOverTotalFlag() && marks.HasRiserFlag() &&
                marks.HasTonFlag() && marks.HasKwFlag() && marks.HasWeightFlag() && marks.HasDm3Flag());
    EXPECT_FALSE(marks.HasVolumeFlag());

    ArticleGroup changed = GroupWithFlags("|m2|");
    changed.flags = "|m|stuks|";
    EXPECT_FALSE(changed.HasSurfaceFlag()) << "the words follow every new text";
    EXPECT_TRUE(changed.HasLengthFlag());
    EXPECT_TRUE(changed.HasFlag("stuks"));
}

TEST_F(ArticleGroupTest, MeasurementUnitFollowsTheFirstRuleThatHolds) {
    const std::pair<const char*, const char*> cases[] = {
        {"|dm2|", "m2"},          {"|dm3|", "m3"}, {"|m2|st|", "st"}, {"|m3|m|", "m"}, {"|ton|kg|", "kg"},
        {"|ton|trede|", "trede"}, {"|kw|", "kw"},  {"|export|", ""},  {"", ""},
    };
    for (const auto& [flags, unit] : cases) {
        ArticleGroup group = GroupWithFlags(flags);
        group.measurementUnit = "stale";
        group.SetMeasurementUnit();
        EXPECT_EQ(group.measurementUnit.ToUtf8(), unit) << flags;
    }
}

TEST_F(ArticleGroupTest, NameMatchCountsAllArticlesButTotalsOnlyMatchingIds) {
    ArticleGroup group;
    group.name = "Gevelmetselwerk";
    group.articleList.Push(ArticleWithId("W-01", 2.0));
    group.articleList.Push(ArticleWithId("Muur-02", 3.0));
    group.articleList.Push(ArticleWithId("w-03", 4.0));

    Main::usFilterText = "gevel";
    EXPECT_TRUE(group.DescriptionCompliesToFilter());
    EXPECT_EQ(group.ComplyToFilterCount(), 3);
    EXPECT_DOUBLE_EQ(group.GetTotalLength(), -1.0) << "no element ID contains the filter";
    EXPECT_TRUE(group.IsVisible());

    Main::usFilterText = "w-0";
    EXPECT_FALSE(group.DescriptionCompliesToFilter());
    EXPECT_EQ(group.ComplyToFilterCount(), 2) << "IDs are compared in lower case";
    EXPECT_DOUBLE_EQ(group.GetTotalLength(), 6.0);

    Main::usFilterText = "zzz";
    EXPECT_EQ(group.ComplyToFilterCount(), 0);
    EXPECT_FALSE(group.CompliesToFilter());
    EXPECT_FALSE(group.HasItems());
    EXPECT_FALSE(group.IsVisible());
}

TEST_F(ArticleGroupTest, ExportGroupsShowEmptyOnlyAfterAWholeModelTakeOffWithoutFilter) {
    ArticleGroup exported = GroupWithFlags("|st|export|");
    EXPECT_TRUE(exported.IsVisible());
    EXPECT_FALSE(GroupWithFlags("|st|").IsVisible());

    Main::usFilterText = "x";
    EXPECT_FALSE(exported.IsVisible());
    Main::usFilterText = "";
    Main::bOnlySelectedElements = true;
    EXPECT_FALSE(exported.IsVisible());

    exported.isForcedVisible = true;
    EXPECT_TRUE(exported.IsVisible());
    ArticleGroup filled = GroupWithFlags("|st|");
    filled.articleList.Push(ArticleWithId("A"));
    EXPECT_TRUE(filled.IsVisible());
}

TEST_F(ArticleGroupTest, TotalsTellUnmeasuredFromZero) {
    ArticleGroup group;
    EXPECT_DOUBLE_EQ(group.GetTotalLength(), -1.0);
    EXPECT_EQ(group.GetTotalPieces(), -1);
    EXPECT_EQ(group.GetTotalRisers(), -1);

    for (double length : {2.0, -1.0, 0.0})
        group.articleList.Push(ArticleWithId("A", length));
    EXPECT_DOUBLE_EQ(group.GetTotalLength(), 2.0);
    EXPECT_DOUBLE_EQ(group.GetTotalSurface(), -1.0);
    EXPECT_EQ(group.GetTotalPieces(), -1);

    group.articleList[0].pieces = 0;
    group.articleList[1].risers = 0;
    group.articleList[2].weight = 0.0;
    EXPECT_EQ(group.GetTotalPieces(), 0);
    EXPECT_EQ(group.GetTotalRisers(), 0);
    EXPECT_DOUBLE_EQ(group.GetTotalWeight(), 0.0);

    group.articleList[0].surface = 1.5;
    group.articleList[1].volume = 2.5;
    group.articleList[2].kw = 3.5;
    EXPECT_DOUBLE_EQ(group.GetTotalSurface(), 1.5);
    EXPECT_DOUBLE_EQ(group.GetTotalVolume(), 2.5);
    EXPECT_DOUBLE_EQ(group.GetTotalKw(), 3.5);
}

TEST_F(ArticleGroupTest, SumOverTotalGroupHasOnePieceWhateverItsArticles) {
    ArticleGroup group = GroupWithFlags("|st|sog|");
    EXPECT_EQ(group.GetTotalPieces(), 1);
    Article article = ArticleWithId("A");
    article.pieces = 5;
    group.articleList.Push(article);
    Main::usFilterText = "nothing";
    EXPECT_EQ(group.GetTotalPieces(), 1);
}

TEST_F(ArticleGroupTest, LargeGroupsCountAndTotalBeyondSixteenBits) {
    constexpr Int32 count = 40000;
    ArticleGroup group;
    Article article = ArticleWithId("K-1", 0.5);
    article.pieces = 70000;
    for (Int32 i = 0; i < count; ++i)
        group.articleList.Push(article);

    EXPECT_EQ(group.ComplyToFilterCount(), count);
    Main::usFilterText = "k-1";
    EXPECT_EQ(group.ComplyToFilterCount(), count);
    EXPECT_TRUE(group.CompliesToFilter());
    EXPECT_DOUBLE_EQ(group.GetTotalLength(), count * 0.5);
    EXPECT_EQ(group.GetTotalPieces(), Int64{count} * 70000);
}

} // namespace
