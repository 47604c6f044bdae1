// The palette's two lists: their columns, the group, article and report rows under the filter,
// expanding and collapsing, the report caption, hover texts, selecting in the model, and the row
// records.
#include "PaletteFixture.hpp"

#include <tuple>

namespace {

using Texts = std::vector<std::string>;

struct ColumnRow {
    const short* global;
    const char* caption;
    short width;
    short justification;
};

class ListsTest : public PaletteTest {
  protected:
    static void ExpectColumns(short list, const std::vector<ColumnRow>& table) {
        const hostplatform::ListState& state = List(list);
        ASSERT_EQ(state.tabs.size(), table.size());
        short begin = 0;
        for (size_t i = 0; i < table.size(); ++i) {
            const hostplatform::ListTabField& tab = state.tabs[i];
            const ColumnRow& row = table[i];
            SCOPED_TRACE(std::string("list ") + std::to_string(list) + " column " + std::to_string(i + 1));
            EXPECT_EQ(*row.global, static_cast<short>(i + 1));
            EXPECT_EQ(tab.header, row.caption);
            EXPECT_EQ(tab.begin, begin);
            EXPECT_EQ(tab.end, begin + row.width);
            EXPECT_EQ(tab.justification, row.justification);
            EXPECT_EQ(tab.truncation, 4096);
            EXPECT_EQ(tab.headerFlags, row.justification + 4096);
            EXPECT_TRUE(tab.headerEnabled);
            EXPECT_FALSE(tab.separator);
            EXPECT_TRUE(tab.enabled);
            begin = tab.end;
        }
    }

    // Clicks the first column of a row of the articles list.
    static void ClickIcon(short row) { hostplatform::ClickListRow(Id, 7, row, 10); }
};

TEST_F(ListsTest, ColumnLayoutsOfBothLists) {
    Open();
    ExpectColumns(7, {
                         {&COLUMN_ARTICLES_ICON, "", 20, 256},
                         {&COLUMN_ARTICLES_ARTICLE_NR, "Artikelnr", 65, 0},
                         {&COLUMN_ARTICLES_DESCRIPTION, "Omschrijving", 500, 0},
                         {&COLUMN_ARTICLES_UNIT, "Eenheid", 60, 0},
                         {&COLUMN_ARTICLES_NR, "n", 30, 256},
                         {&COLUMN_ARTICLES_STORY, "Verdieping", 80, 0},
                         {&COLUMN_ARTICLES_PIECES, "Stk", 40, 512},
                         {&COLUMN_ARTICLES_LENGTH, "Lengte", 70, 512},
                         {&COLUMN_ARTICLES_SURFACE, "Oppervlak", 70, 512},
                         {&COLUMN_ARTICLES_VOLUME, "Volume", 70, 512},
                         {&COLUMN_ARTICLES_WEIGHT, "Gewicht", 70, 512},
                         {&COLUMN_ARTICLES_OTHER, "Overig", 70, 512},
                         {&COLUMN_ARTICLES_QELM_TYPE, "Type", 70, 0},
                         {&COLUMN_ARTICLES_ELEMENT, "Element", 70, 0},
                         {&COLUMN_ARTICLES_INFO, "Info", 70, 0},
                         {&COLUMN_ARTICLES_THICKNESS, "Dikte (cm)", 60, 256},
                         {&COLUMN_ARTICLES_LAYER, "Layer", 130, 0},
                     });
    ExpectColumns(8, {
                         {&COLUMN_REPORT_ICON, "", 20, 256},
                         {&COLUMN_REPORT_ARTICLE_NR, "Artikelnr", 65, 0},
                         {&COLUMN_REPORT_ELEMENT, "Element", 70, 0},
                         {&COLUMN_REPORT_INFO, "Info", 70, 0},
                         {&COLUMN_REPORT_DESCRIPTION, "Omschrijving", 100, 0},
                         {&COLUMN_REPORT_ERROR, "Fout", 250, 0},
                         {&COLUMN_REPORT_STORY, "Verdieping", 80, 0},
                         {&COLUMN_REPORT_MATERIAL_ID, "Material ID", 70, 0},
                         {&COLUMN_REPORT_MATERIAL_DESCR, "Mat. omschr.", 120, 0},
                         {&COLUMN_REPORT_LAYER, "Layer", 130, 0},
                         {&COLUMN_REPORT_THICKNESS, "Dikte (cm)", 60, 256},
                         {&COLUMN_REPORT_SKIN, "Schil", 60, 0},
                         {&COLUMN_REPORT_QELM_TYPE, "Type", 70, 0},
                         {&COLUMN_REPORT_NR_COMPOSITES, "Composites", 70, 256},
                     });
    EXPECT_EQ(columnCaptions.GetSize(), 14u) << "the captions of the list set up last";
}

TEST_F(ListsTest, GroupRowsShowCodeNameUnitAndTotals) {
    const Int32 lamps = AddGroup("40.10.", "Lampen", "|st|", "st", "export");
    Article& first = AddArticle(lamps, "L-1");
    first.length = 2.5;
    first.volume = 0.0;
    Article& second = AddArticle(lamps, "L-2");
    second.length = 1.25;
    second.pieces = 2;
    const Int32 empty = AddGroup("90.", "Zonder", "", "", "");
    const Int32 exported = AddGroup("91.", "Altijd", "|export|", "", "export");
    const Int32 risers = AddGroup("50.", "Trappen", "|treden|", "treden");
    Article& stair = AddArticle(risers, "T-1");
    stair.pieces = -1;
    stair.risers = 14;
    (void)empty;
    (void)exported;
    Open();
    hostplatform::ClickItem(Id, 12);

    EXPECT_EQ(Column(7, COLUMN_ARTICLES_ARTICLE_NR), (Texts{"40.10.", "91.", "50."}))
        << "a group with neither articles nor an export flag is not shown";
    EXPECT_EQ(Cell(7, 1, COLUMN_ARTICLES_DESCRIPTION), "Lampen");
    EXPECT_EQ(Cell(7, 1, COLUMN_ARTICLES_UNIT), "|st|export|");
    EXPECT_EQ(Cell(7, 1, COLUMN_ARTICLES_NR), "2");
    EXPECT_EQ(Cell(7, 1, COLUMN_ARTICLES_PIECES), "3");
    EXPECT_EQ(Cell(7, 1, COLUMN_ARTICLES_LENGTH), "3.75");
    EXPECT_EQ(Cell(7, 1, COLUMN_ARTICLES_SURFACE), "") << "-1 leaves the cell empty";
    EXPECT_EQ(Cell(7, 1, COLUMN_ARTICLES_VOLUME), "0.000");
    EXPECT_EQ(Cell(7, 1, COLUMN_ARTICLES_ELEMENT), "");
    EXPECT_EQ(List(7).rows[0].Icon(1), 32300);
    EXPECT_EQ(List(7).rows[0].style, 0);

    // Visible without articles: code, name and unit, no icon and no count.
    EXPECT_EQ(Cell(7, 2, COLUMN_ARTICLES_UNIT), "|export|");
    EXPECT_EQ(Cell(7, 2, COLUMN_ARTICLES_NR), "");
    EXPECT_EQ(Cell(7, 2, COLUMN_ARTICLES_PIECES), "");
    EXPECT_EQ(List(7).rows[1].Icon(1), 0);

    EXPECT_EQ(Cell(7, 3, COLUMN_ARTICLES_PIECES), "14") << "risers when no pieces were counted";

    // Rows alternate white and grey.
    EXPECT_EQ(List(7).rows[0].background, (std::array<unsigned short, 3>{65535, 65535, 65535}));
    EXPECT_EQ(List(7).rows[1].background, (std::array<unsigned short, 3>{62720, 62720, 62720}));
    EXPECT_EQ(List(7).rows[2].background, (std::array<unsigned short, 3>{65535, 65535, 65535}));
    EXPECT_EQ(List(7).drawDisabled, 0);
    EXPECT_EQ(Record(7, 3).groupIndex, risers);
    EXPECT_EQ(Record(7, 3).articleIndex, -1);

    // A group without flags is styled apart.
    Articles::allArticlesGroups[lamps].flags = "";
    hostplatform::ClickItem(Id, 12);
    EXPECT_EQ(List(7).rows[0].style, 16);
}

TEST_F(ListsTest, ArticleRowsShowTheirElements) {
    const Int32 walls = AddGroup("20.13.", "Muren", "|m2|", "m2", "export");
    Article& wall = AddArticle(walls, "W-1");
    wall.typeName = "Wall";
    wall.groupLine2 = "export";
    wall.storyName = "0. Gelijkvloers";
    wall.layerName = "21 Buitenwanden";
    wall.SetThickness(0.3);
    wall.wallType = WallTypeComposite;
    wall.pieces = -1;
    wall.surface = 12.346;
    wall.weight = 0.0;
    wall.kw = 1.5;
    wall.qelmType = 2;
    Open();
    hostplatform::ClickItem(Id, 11);

    ASSERT_EQ(RowCount(7), 2);
    const std::vector<std::tuple<short, std::string>> expected = {
        {COLUMN_ARTICLES_ARTICLE_NR, "20.13."},
        {COLUMN_ARTICLES_ELEMENT, "Wall"},
        {COLUMN_ARTICLES_DESCRIPTION, "W-1"},
        {COLUMN_ARTICLES_UNIT, "|m2|export|"},
        {COLUMN_ARTICLES_STORY, "0. Gelijkvloers"},
        {COLUMN_ARTICLES_LAYER, "21 Buitenwanden"},
        {COLUMN_ARTICLES_QELM_TYPE, "Type 2"},
        {COLUMN_ARTICLES_INFO, wall.GetInfo().ToUtf8()},
        {COLUMN_ARTICLES_THICKNESS, "30"},
        {COLUMN_ARTICLES_PIECES, ""},
        {COLUMN_ARTICLES_LENGTH, ""},
        {COLUMN_ARTICLES_SURFACE, "12.35"},
        {COLUMN_ARTICLES_VOLUME, ""},
        {COLUMN_ARTICLES_WEIGHT, "0.000"},
        {COLUMN_ARTICLES_OTHER, "1.500"},
    };
    for (const auto& [column, text] : expected)
        EXPECT_EQ(Cell(7, 2, column), text) << "column " << column;
    EXPECT_EQ(List(7).rows[1].style, 32);
    EXPECT_EQ(List(7).rows[0].Icon(1), 32301);
    EXPECT_EQ(Record(7, 2).groupIndex, walls);
    EXPECT_EQ(Record(7, 2).articleIndex, 0);
}

TEST_F(ListsTest, ReportRowsShowTheReasons) {
    AddGroup("20.13.");
    Article& report = AddArticle(0, "W-9");
    report.code = "20.99.";
    report.typeName = "Wall";
    report.layerName = "21 Buitenwanden";
    report.message = "Geen classificatie toegekend";
    report.materialId = "B1";
    report.materialDescription = "Baksteen";
    report.SetThickness(0.14);
    report.skinIndex = 1;
    report.compositeCount = 3;
    report.qelmType = -1;
    Article& bare = AddArticle(0, "L-9");
    bare.compositeCount = -1;
    Open();
    hostplatform::ClickItem(Id, 12);

    ASSERT_EQ(RowCount(8), 2);
    const std::vector<std::tuple<short, std::string>> expected = {
        {COLUMN_REPORT_ARTICLE_NR, "20.99."}, {COLUMN_REPORT_ELEMENT, "Wall"},
        {COLUMN_REPORT_DESCRIPTION, "W-9"},   {COLUMN_REPORT_ERROR, "Geen classificatie toegekend"},
        {COLUMN_REPORT_MATERIAL_ID, ""},      {COLUMN_REPORT_MATERIAL_DESCR, "B1: Baksteen"},
        {COLUMN_REPORT_THICKNESS, "   14"},   {COLUMN_REPORT_SKIN, "Blad 2"},
        {COLUMN_REPORT_QELM_TYPE, "Type ??"}, {COLUMN_REPORT_NR_COMPOSITES, "3"},
    };
    for (const auto& [column, text] : expected)
        EXPECT_EQ(Cell(8, 1, column), text) << "column " << column;
    EXPECT_EQ(Cell(8, 1, COLUMN_REPORT_LAYER), "21 Buitenwanden");
    EXPECT_EQ(Cell(8, 2, COLUMN_REPORT_THICKNESS), "");
    EXPECT_EQ(Cell(8, 2, COLUMN_REPORT_SKIN), "");
    EXPECT_EQ(Cell(8, 2, COLUMN_REPORT_NR_COMPOSITES), "-1") << "the count is always written";
    EXPECT_EQ(Record(8, 2).groupIndex, 0);
    EXPECT_EQ(Record(8, 2).articleIndex, 1);
    EXPECT_EQ(List(8).rows[1].style, 32);
    EXPECT_EQ(List(8).rows[1].background, (std::array<unsigned short, 3>{62720, 62720, 62720}));
}

TEST_F(ListsTest, ReportCaptionCountsTheRows) {
    AddGroup("20.13.");
    const struct {
        int rows;
        const char* caption;
    } cases[] = {{0, "Meldingen"}, {1, "Meldingen (1)"}, {99, "Meldingen (99)"}, {100, "Meldingen (99+)"}};
    Open();
    for (const auto& c : cases) {
        Articles::allArticlesGroups[0].articleList.Clear();
        for (int i = 0; i < c.rows; ++i)
            AddArticle(0, "R");
        hostplatform::ClickItem(Id, 12);
        EXPECT_EQ(RowCount(8), c.rows);
        EXPECT_EQ(Item(3).text, c.caption);
    }
}

TEST_F(ListsTest, AFilterHidingEveryReportLineLeavesTheReportEmpty) {
    const Int32 lamps = AddGroup("40.10.", "Lampen");
    AddArticle(lamps, "L-1");
    AddArticle(0, "W-1");
    AddArticle(0, "W-2");
    Open();
    hostplatform::TypeText(Id, 5, "l-");
    hostplatform::PressKey(Id, DG_KEY_ENTER);
    EXPECT_EQ(RowCount(8), 0);
    EXPECT_EQ(Item(3).text, "Meldingen");
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (Texts{"Lampen", "L-1"}));

    hostplatform::TypeText(Id, 5, "W-2");
    hostplatform::PressKey(Id, DG_KEY_ENTER);
    EXPECT_EQ(Column(8, COLUMN_REPORT_DESCRIPTION), (Texts{"W-2"}));
    EXPECT_EQ(Record(8, 1).articleIndex, 1);
}

TEST_F(ListsTest, ExpandAndCollapseAllAndSingleGroups) {
    const Int32 lamps = AddGroup("40.10.", "Lampen");
    AddArticle(lamps, "L-1");
    AddArticle(lamps, "L-2");
    const Int32 walls = AddGroup("20.13.", "Muren");
    AddArticle(walls, "W-1");
    Open();
    hostplatform::ClickItem(Id, 12);
    ASSERT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (Texts{"Lampen", "Muren"}));

    // One group open and closed by its first column.
    ClickIcon(2);
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (Texts{"Lampen", "Muren", "W-1"}));
    EXPECT_TRUE(Articles::allArticlesGroups[walls].isExpanded);
    EXPECT_EQ(List(7).rows[1].Icon(1), 32301);
    EXPECT_EQ(List(7).rows[2].background, (std::array<unsigned short, 3>{65535, 65535, 65535}));
    ClickIcon(1);
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (Texts{"Lampen", "L-1", "L-2", "Muren", "W-1"}));
    EXPECT_EQ(Record(7, 3).articleIndex, 1);
    EXPECT_EQ(Record(7, 4).groupIndex, walls);
    ClickIcon(1);
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (Texts{"Lampen", "Muren", "W-1"}));
    EXPECT_FALSE(Articles::allArticlesGroups[lamps].isExpanded);
    EXPECT_EQ(List(7).rows[0].Icon(1), 32300);
    EXPECT_EQ(List(7).drawDisabled, 0);

    // Clicks that toggle nothing: another column, the border of the first column, an article row.
    hostplatform::ClickListRow(Id, 7, 1, 30);
    hostplatform::ClickListRow(Id, 7, 1, 20);
    ClickIcon(3);
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (Texts{"Lampen", "Muren", "W-1"}));

    // Collapse all rewrites every visible group, also one opened by hand.
    hostplatform::ClickItem(Id, 12);
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (Texts{"Lampen", "Muren"}));
    EXPECT_FALSE(Articles::allArticlesGroups[walls].isExpanded);
    hostplatform::ClickItem(Id, 11);
    EXPECT_EQ(RowCount(7), 5);
    EXPECT_TRUE(Articles::allArticlesGroups[lamps].isExpanded);
    ClickIcon(1);
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (Texts{"Lampen", "Muren", "W-1"}));

    // The clear-filter button collapses too (it is hidden unless the layout shows it).
    hostplatform::ClickItem(Id, 11);
    DGShowItem(Id, 6);
    hostplatform::TypeText(Id, 5, "W");
    hostplatform::ClickItem(Id, 6);
    EXPECT_EQ(Item(5).text, "");
    EXPECT_TRUE(Main::usFilterText.IsEmpty());
    EXPECT_EQ(RowCount(7), 2);
}

TEST_F(ListsTest, ASingleGroupExpandsToTheRowsThatPassTheFilter) {
    const Int32 lamps = AddGroup("40.10.", "Lampen");
    AddArticle(lamps, "L-1");
    AddArticle(lamps, "Kelder L-2");
    AddArticle(lamps, "L-3");
    const Int32 walls = AddGroup("20.13.", "Muren");
    AddArticle(walls, "Kelder W-1");
    Open();
    hostplatform::TypeText(Id, 5, "Kelder");
    hostplatform::ClickItem(Id, 12);
    ASSERT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (Texts{"Lampen", "Muren"}));

    ClickIcon(1);
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (Texts{"Lampen", "Kelder L-2", "Muren"}));
    EXPECT_EQ(Record(7, 2).articleIndex, 1);
}

TEST_F(ListsTest, HoverListsEveryArticleOfTheElement) {
    const API_Guid element{0x42};
    const Int32 walls = AddGroup("20.13.", "Muren");
    const Int32 finish = AddGroup("30.20.", "Pleisterwerk");
    AddArticle(walls, "W-0", API_Guid{0x41});
    Article& skin = AddArticle(walls, "W-1", element);
    skin.qelmType = 3;
    AddArticle(finish, "W-1", element);
    Article& report = AddArticle(0, "W-1", element);
    report.message = "Meerdere eenheden gevonden";
    report.qelmType = 0;
    Open();
    EXPECT_EQ(hostplatform::HoverListRow(Id, 7, 1), "") << "an empty list";

    hostplatform::ClickItem(Id, 11);
    const std::string expected = "'W-1' is geclassificeerd in:\n"
                                 "Onbekend  Meerdere eenheden gevonden ( )\n"
                                 "20.13.  Muren (Type 3 )\n"
                                 "30.20.  Pleisterwerk (Type 1 )";
    EXPECT_EQ(hostplatform::HoverListRow(Id, 7, 3), expected);
    EXPECT_EQ(hostplatform::HoverListRow(Id, 7, 5), expected);
    hostplatform::ClickItem(Id, 3);
    EXPECT_EQ(hostplatform::HoverListRow(Id, 8, 1), expected);
    hostplatform::ClickItem(Id, 2);
    EXPECT_EQ(hostplatform::HoverListRow(Id, 7, 1), "") << "a group row";
    EXPECT_EQ(hostplatform::HoverListRow(Id, 7, 99), "") << "no row";
    EXPECT_EQ(hostplatform::HoverListRow(Id, 7, 2), "'W-0' is geclassificeerd in:\n20.13.  Muren (Type 1 )");
}

TEST_F(ListsTest, DoubleClickSelectsAndZoomsToTheRowsElements) {
    const API_Guid w1 = b.AddElement(API_WallID).Id("W-1");
    const API_Guid w2 = b.AddElement(API_WallID).Id("W-2");
    const API_Guid other = b.AddElement(API_LampID).Id("L-1");
    b.Select({other});
    b.Install();
    const Int32 walls = AddGroup("20.13.", "Muren");
    AddArticle(walls, "W-1", w1);
    AddArticle(walls, "W-2", w2);
    AddArticle(walls, "W-1", w1);
    AddArticle(0, "W-2", w2);
    Open();
    hostplatform::ClickItem(Id, 11);

    const auto selected = [] {
        std::vector<API_Guid> guids;
        for (const API_Neig& neig : hostplatform::CurrentProject().selection)
            guids.push_back(neig.guid);
        return guids;
    };
    hostplatform::DoubleClickListRow(Id, 7, 1);
    EXPECT_EQ(selected(), (std::vector<API_Guid>{w1, w2}));
    EXPECT_EQ(hostplatform::LastZoom(), (std::vector<API_Guid>{w1, w2, w1}));

    hostplatform::DoubleClickListRow(Id, 7, 3);
    EXPECT_EQ(selected(), (std::vector<API_Guid>{w2}));
    EXPECT_EQ(hostplatform::LastZoom(), (std::vector<API_Guid>{w2}));

    hostplatform::ClickItem(Id, 3);
    hostplatform::DoubleClickListRow(Id, 8, 1);
    EXPECT_EQ(selected(), (std::vector<API_Guid>{w2}));

    // A group with its articles filtered away still clears the selection.
    hostplatform::ClickItem(Id, 2);
    Main::usFilterText = "niets";
    hostplatform::DoubleClickListRow(Id, 7, 1);
    EXPECT_TRUE(selected().empty());
    EXPECT_TRUE(hostplatform::LastZoom().empty());
}

TEST_F(ListsTest, ThePaletteOwnsOneRecordPerRowAndFreesThem) {
    const Int32 lamps = AddGroup("40.10.", "Lampen");
    for (int i = 0; i < 5; ++i)
        AddArticle(lamps, "L");
    AddArticle(0, "R");
    Open();
    hostplatform::ClickItem(Id, 11);
    std::set<DGUserData> records;
    for (const short list : {7, 8})
        for (const hostplatform::ListRow& row : List(list).rows)
            records.insert(row.userData);
    EXPECT_EQ(records.size(), 7u);
    EXPECT_EQ(records.count(0), 0u);

    // Rebuilding, collapsing a single group and closing each free what they remove.
    hostplatform::ClickItem(Id, 11);
    ClickIcon(1);
    ClickIcon(1);
    hostplatform::ClickItem(Id, 12);
    DGModelessClose(Id);
    ExpectNoLeaks();
}

TEST_F(ListsTest, AFullListSaysHowManyRowsAreNotShown) {
    const auto notShown = [](int rows) {
        return "Niet getoonde rijen: " + std::to_string(rows) +
               " (de lijst is vol). Gebruik het filter op element-ID om de lijst te beperken.";
    };
    const Int32 before = AddGroup("20.10.", "Voor");
    AddArticle(before, "V-1");
    AddArticle(before, "V-2");
    const Int32 big = AddGroup("40.10.", "Lampen");
    for (int i = 0; i < 32800; ++i)
        AddArticle(big, "L");
    const Int32 after = AddGroup("50.10.", "Na");
    AddArticle(after, "N-1");
    for (int i = 0; i < 32800; ++i)
        AddArticle(0, "R");
    Open();
    hostplatform::ClickItem(Id, 11);

    // Every group row stays; the group that does not fit ends with the count of its missing rows and
    // the group after it, without room, stays collapsed.
    ASSERT_EQ(RowCount(7), 32767);
    EXPECT_EQ(Cell(7, 32765, COLUMN_ARTICLES_DESCRIPTION), "L");
    EXPECT_EQ(Cell(7, 32766, COLUMN_ARTICLES_DESCRIPTION), notShown(32800 - 32761));
    EXPECT_EQ(Record(7, 32766).groupIndex, big);
    EXPECT_EQ(Record(7, 32766).articleIndex, RowRecord::kNotShownRow);
    EXPECT_EQ(Cell(7, 32767, COLUMN_ARTICLES_DESCRIPTION), "Na");
    EXPECT_EQ(List(7).rows[32766].Icon(1), 32300);
    EXPECT_FALSE(Articles::allArticlesGroups[after].isExpanded);
    EXPECT_EQ(Cell(8, 32767, COLUMN_REPORT_ERROR), notShown(32800 - 32766));
    EXPECT_EQ(hostplatform::HoverListRow(Id, 7, 32766), "");
    hostplatform::DoubleClickListRow(Id, 8, 32767);
    EXPECT_TRUE(hostplatform::LastZoom().empty()) << "the count selects no elements";

    // A group without room stays collapsed and says so.
    ClickIcon(32767);
    EXPECT_EQ(LastAlert(), notShown(1));
    EXPECT_FALSE(Articles::allArticlesGroups[after].isExpanded);
    EXPECT_EQ(RowCount(7), 32767);

    // Collapsing takes the count with the group's rows; opening the group alone cuts it the same way.
    ClickIcon(4);
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (Texts{"Voor", "V-1", "V-2", "Lampen", "Na"}));
    ClickIcon(4);
    EXPECT_EQ(Cell(7, 32766, COLUMN_ARTICLES_DESCRIPTION), notShown(32800 - 32761));
    ClickIcon(1);
    ClickIcon(32765);
    EXPECT_EQ(RowCount(7), 32766);
    EXPECT_EQ(Cell(7, 32766, COLUMN_ARTICLES_DESCRIPTION), "N-1");
    EXPECT_TRUE(hostplatform::DialogErrors().empty()) << hostplatform::DialogErrors().front();
    DGModelessClose(Id);
    ExpectNoLeaks();
}

TEST_F(ListsTest, GroupRowsBeyondTheListEndWithTheirCount) {
    for (int i = 0; i < 32768; ++i)
        AddGroup("91.", "Altijd", "|export|", "", "export");
    Open();
    hostplatform::ClickItem(Id, 12);
    ASSERT_EQ(RowCount(7), 32767);
    EXPECT_EQ(Cell(7, 32766, COLUMN_ARTICLES_DESCRIPTION), "Altijd");
    EXPECT_EQ(Cell(7, 32767, COLUMN_ARTICLES_DESCRIPTION).rfind("Niet getoonde rijen: 2 ", 0), 0u);
    EXPECT_EQ(Record(7, 32767).groupIndex, -1);
}

TEST_F(ListsTest, TooltipHelpersOfTheItems) {
    hostplatform::DialogLayout layout = [] {
        const auto resources = hostplatform::LoadResourceFile(QELM_RESOURCE_FILE);
        return resources.dialogs.front();
    }();
    for (auto& item : layout.items) {
        if (item.id == 9)
            item.anchor = "DialogHelpAnchor-Alle elementen nemen";
        if (item.id == 10)
            item.anchor = "DialogHelpAnchor-NO_TOOLTIP";
    }
    hostplatform::RegisterDialogLayout(layout);
    DlgPresentData* palette = Open();
    DGToolTipData data;
    EXPECT_EQ(palette->SetTooltip(9, reinterpret_cast<DGMessageData>(&data)), 1);
    EXPECT_EQ(data.tooltipText.ToUtf8(), "Alle elementen nemen");
    EXPECT_EQ(palette->SetTooltip(10, reinterpret_cast<DGMessageData>(&data)), 0);
    EXPECT_EQ(palette->SetTooltip(0, GS::UniString("x")), 0) << "no data to write to";
    EXPECT_EQ(palette->OnTooltip(5, reinterpret_cast<DGMessageData>(&data)), 0) << "not a list";
}

} // namespace
