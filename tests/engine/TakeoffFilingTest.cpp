// Filing one article into its group, the report-line silencing test, the higher-level visibility of
// groups and the group flag queries, on groups built by hand.
#include "TakeoffFixture.hpp"

namespace {

class FilingTest : public TakeoffTest {
  protected:
    void SetUp() override {
        TakeoffTest::SetUp();
        AddGroup("Onbekend");
    }

    static short AddGroup(const char* code, const char* flags = "", const char* line2 = "") {
        ArticleGroup group;
        group.number = static_cast<short>(Articles::allArticlesGroups.GetSize());
        group.code = code;
        group.flags = flags;
        group.line1 = "regel een";
        group.line2 = line2;
        Articles::allArticlesGroups.Push(group);
        return group.number;
    }

    static Article Made(API_ElemTypeID type, short group, const char* unit = "m2") {
        Article article;
        article.elemType = type;
        article.groupIndex = group;
        article.unit = unit;
        article.elementID = "E";
        return article;
    }
};

TEST_F(FilingTest, DropRules) {
    const short group = AddGroup("20.13.", "|m2|");
    struct Row {
        API_ElemTypeID type;
        short groupIndex;
        const char* materialId;
        const char* code;
        const char* libPartName;
        bool filed;
    };
    const Row rows[] = {
        {API_ColumnID, -1, "", "", "", false},
        {API_ColumnID, 2, "", "", "", false},
        {API_WallID, group, "pm", "", "", false},
        {API_SlabID, group, "pm", "", "", false},
        {API_RoofID, group, "pm", "", "", false},
        {API_ShellID, 0, "pm", "", "", false},
        {API_ColumnID, group, "pm", "", "", true},
        {API_ObjectID, 0, "pm", "", "", true},
        {API_BeamID, group, "27.00.", "", "", false},
        {API_BeamID, 0, "00.00.", "", "", false},
        {API_LampID, 0, "", "00.00.", "", false},
        {API_WindowID, 0, "", "", "R ronde opening", false},
        {API_WindowID, group, "", "", "R ronde opening", true},
        {API_DoorID, 0, "", "", "Deur", true},
        {API_ObjectID, 0, "", "", "Built-in Rail", true},
    };
    for (const Row& row : rows) {
        for (ArticleGroup& g : Articles::allArticlesGroups)
            g.articleList.Clear();
        Article article = Made(row.type, row.groupIndex);
        article.materialId = row.materialId;
        article.code = row.code;
        article.libPartName = row.libPartName;
        Articles::AddToList(article);
        const GS::USize filed = Articles::allArticlesGroups[0].articleList.GetSize() +
                                Articles::allArticlesGroups[group].articleList.GetSize();
        EXPECT_EQ(filed, row.filed ? 1u : 0u)
            << "type " << row.type << " group " << row.groupIndex << " material " << row.materialId;
    }
}

TEST_F(FilingTest, ArticleTakesTheGroupsCodeAndLines) {
    const short group = AddGroup("20.13.", "|m2|", "regel twee");
    Articles::AddToList(Made(API_WallID, group));
    Article report = Made(API_WallID, 0);
    report.code = "99.99.";
    Articles::AddToList(report);

    const Article& filed = Articles::allArticlesGroups[group].articleList[0];
    EXPECT_EQ(Utf8(filed.code), "20.13.");
    EXPECT_EQ(Utf8(filed.groupLine1), "regel een");
    EXPECT_EQ(Utf8(filed.groupLine2), "regel twee");
    EXPECT_EQ(Utf8(Reports()[0].code), "99.99.");
    EXPECT_EQ(Articles::articleCount, 1);
    EXPECT_EQ(Articles::reportCount, 1);
}

TEST_F(FilingTest, FirstArticlesUnitBecomesTheGroupsUnitEvenWhenEmpty) {
    const short group = AddGroup("40.10.", "|st|", "stuks");
    Articles::allArticlesGroups[group].measurementUnit = "st";
    Articles::AddToList(Made(API_LampID, group, ""));
    Articles::AddToList(Made(API_LampID, group, ""));
    Articles::AddToList(Made(API_LampID, group, "st"));

    const ArticleGroup& g = Articles::allArticlesGroups[group];
    EXPECT_EQ(Utf8(g.measurementUnit), "");
    EXPECT_EQ(Utf8(g.line2), "");
    EXPECT_EQ(g.articleList.GetSize(), 2u);
    EXPECT_EQ(Utf8(g.articleList[0].groupLine2), "stuks");
    ASSERT_EQ(Reports().GetSize(), 1u);
    EXPECT_EQ(Utf8(Reports()[0].message), "Meerdere eenheden gevonden ( en st)");
}

TEST_F(FilingTest, FortyThousandArticlesInOneGroupAreCountedAndTotalled) {
    const short group = AddGroup("40.10.", "|st|");
    constexpr Int32 count = 40000;
    Article article = Made(API_LampID, group, "st");
    article.pieces = 1;
    article.surface = 0.5;
    article.elementID = "L-40";
    for (Int32 i = 0; i < count; ++i)
        Articles::AddToList(article);

    const ArticleGroup& g = Articles::allArticlesGroups[group];
    EXPECT_EQ(Articles::articleCount, count);
    EXPECT_EQ(g.articleList.GetSize(), static_cast<GS::USize>(count));
    EXPECT_EQ(g.ComplyToFilterCount(), count);
    EXPECT_EQ(g.GetTotalPieces(), count);
    EXPECT_DOUBLE_EQ(g.GetTotalSurface(), 0.5 * count);
    Main::usFilterText = "l-4";
    EXPECT_EQ(g.ComplyToFilterCount(), count);
    EXPECT_TRUE(g.IsVisible());
}

TEST_F(FilingTest, ReportLinesAreSilencedByTheErrorMessagePrefixes) {
    GS::Array<Article> list;
    EXPECT_FALSE(Articles::CheckForArticlesToSkip(list));
    for (const char* code : {"20.13.", "27.2", "", "127.1"}) {
        Article article;
        article.code = code;
        list.Push(article);
    }
    EXPECT_FALSE(Articles::CheckForArticlesToSkip(list));
    for (const char* code : {"27.1", "27.31.", "38.3x."}) {
        GS::Array<Article> withPrefix = list;
        withPrefix.Push(Article());
        withPrefix.GetLast().code = code;
        EXPECT_TRUE(Articles::CheckForArticlesToSkip(withPrefix)) << code;
    }
}

TEST_F(FilingTest, VisibleGroupsMakeTheirParentsBeforeThemVisible) {
    const short top = AddGroup("20.13.");
    const short middle = AddGroup("20.13.10.");
    const short leaf = AddGroup("20.13.12.");
    const short orphanLeaf = AddGroup("30.13.12.");
    const short lateParent = AddGroup("30.13.10.");
    Articles::allArticlesGroups[leaf].articleList.Push(Made(API_LampID, leaf));
    Articles::allArticlesGroups[orphanLeaf].articleList.Push(Made(API_LampID, orphanLeaf));

    Articles::AddHigherLevelArticles();
    for (short visible : {top, middle, leaf, orphanLeaf})
        EXPECT_TRUE(Articles::allArticlesGroups[visible].isForcedVisible) << visible;
    EXPECT_FALSE(Articles::allArticlesGroups[lateParent].isForcedVisible);
    EXPECT_FALSE(Articles::allArticlesGroups[0].isForcedVisible);

    Main::usFilterText = "geen";
    Articles::AddHigherLevelArticles();
    for (const ArticleGroup& group : Articles::allArticlesGroups)
        EXPECT_FALSE(group.isForcedVisible) << Utf8(group.code);
}

TEST_F(FilingTest, ParentCodeByLevel) {
    struct Row {
        const char* child;
        const char* parent;
    };
    const Row rows[] = {
        {"20.00.", "20."},       {"20.10.", "20.00."},       {"20.13.", "20.10."},
        {"20.13.10.", "20.13."}, {"20.13.12.", "20.13.10."}, {"20.13.10.01.", "20.13.10."},
    };
    for (const Row& row : rows) {
        Articles::allArticlesGroups.SetSize(1);
        const short decoy = AddGroup(row.parent);
        const short parent = AddGroup(row.parent);
        const short child = AddGroup(row.child);
        Articles::allArticlesGroups[child].articleList.Push(Made(API_LampID, child));
        Articles::AddHigherLevelArticles();
        EXPECT_TRUE(Articles::allArticlesGroups[parent].isForcedVisible) << row.child;
        EXPECT_FALSE(Articles::allArticlesGroups[decoy].isForcedVisible) << row.child << ": not the nearest";
    }
}

TEST_F(FilingTest, CodesOfOtherLengthsHaveNoParent) {
    AddGroup("20.");
    AddGroup("20.1");
    const short odd = AddGroup("20.1.");
    Articles::allArticlesGroups[odd].articleList.Push(Made(API_LampID, odd));
    Articles::AddHigherLevelArticles();
    EXPECT_FALSE(Articles::allArticlesGroups[1].isForcedVisible);
    EXPECT_FALSE(Articles::allArticlesGroups[2].isForcedVisible);
}

TEST_F(FilingTest, GroupFlagQueriesStayInsideTheGroupsAboveZero) {
    Articles::allArticlesGroups[0].flags = "|m2|st|";
    const short surface = AddGroup("20.", "|m2|");
    const short pieces = AddGroup("30.", "|st|trede|");
    const short heavy = AddGroup("40.", "|ton|kw|dm2|dm3|kg|");
    // The slot just past the table held a group with every flag: a query reading there would answer true.
    AddGroup("50.", "|m3|m2|m|st|kg|trede|ton|kw|dm2|dm3|");
    Articles::allArticlesGroups.DeleteLast();
    const short outside = static_cast<short>(Articles::allArticlesGroups.GetSize());

    EXPECT_TRUE(Articles::HasSize(surface));
    EXPECT_TRUE(Articles::HasSurface(surface));
    EXPECT_FALSE(Articles::HasSize(pieces));
    EXPECT_TRUE(Articles::HasPieces(pieces));
    EXPECT_TRUE(Articles::HasRiser(pieces));
    EXPECT_TRUE(Articles::HasTon(heavy) && Articles::HasKw(heavy) && Articles::HasDm2(heavy) &&
                Articles::HasDm3(heavy) && Articles::HasWeight(heavy));
    EXPECT_FALSE(Articles::HasVolume(heavy) || Articles::HasLength(heavy));
    bool (*const queries[])(short) = {&Articles::HasSize,   &Articles::HasVolume, &Articles::HasSurface,
                                      &Articles::HasLength, &Articles::HasPieces, &Articles::HasWeight,
                                      &Articles::HasRiser,  &Articles::HasTon,    &Articles::HasKw,
                                      &Articles::HasDm2,    &Articles::HasDm3};
    for (short group : {short(0), outside, short(-1)}) {
        for (auto* query : queries)
            EXPECT_FALSE(query(group)) << group;
    }
}

} // namespace
