// List boxes of the stand-in host: tab fields and header, rows and user data, looks, selection,
// scrolling and drawing.
#include "DialogFixture.hpp"

using namespace hostplatform;
using namespace dialogtest;

namespace {

class DialogListTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        OpenTestDialog();
    }
    // Appends rows whose first tab holds "r1", "r2" ... and whose user data is 100 + the row.
    static void AppendRows(short list, short count) {
        DGListSetTabFieldCount(TestDialog, list, 2);
        for (short i = 1; i <= count; ++i) {
            DGListInsertItem(TestDialog, list, -1);
            DGListSetTabItemText(TestDialog, list, -1, 1, GS::UniString::Printf("r%d", i));
            DGListSetItemUserData(TestDialog, list, -1, 100 + i);
        }
    }
    static std::vector<std::string> FirstTabs(short list) {
        std::vector<std::string> texts;
        for (const ListRow& row : FindList(TestDialog, list)->rows)
            texts.push_back(row.Text(1));
        return texts;
    }
};

TEST_F(DialogListTest, TabFieldsAndHeaderItemsCountFromOne) {
    DGListSetTabFieldCount(TestDialog, 7, 3);
    DGListSetTabFieldData(TestDialog, 7, 1, 0, 20, 256, 4096, false, true);
    DGListSetTabFieldData(TestDialog, 7, 3, 85, 585, 0, 4096, true, false);
    DGListSetHeaderItemFlags(TestDialog, 7, 1, 4352, true);
    DGListSetHeaderItemText(TestDialog, 7, 3, "Omschrijving");
    EXPECT_EQ(DGListGetHeaderItemCount(TestDialog, 7), 3);

    short begin = -1, end = -1, just = -1, trunc = -1;
    bool separator = false, enabled = true;
    ASSERT_TRUE(DGListGetTabFieldData(TestDialog, 7, 3, &begin, &end, &just, &trunc, &separator, &enabled));
    EXPECT_EQ(begin, 85);
    EXPECT_EQ(end, 585);
    EXPECT_EQ(just, 0);
    EXPECT_EQ(trunc, 4096);
    EXPECT_TRUE(separator);
    EXPECT_FALSE(enabled);
    EXPECT_TRUE(DGListGetTabFieldData(TestDialog, 7, 1, &begin, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(begin, 0);
    EXPECT_FALSE(DGListGetTabFieldData(TestDialog, 7, 4, &begin, &end, &just, &trunc, &separator, &enabled));
    EXPECT_FALSE(DGListGetTabFieldData(TestDialog, 7, 0, &begin, &end, &just, &trunc, &separator, &enabled));

    const ListState& list = *FindList(TestDialog, 7);
    EXPECT_EQ(list.tabs[0].headerFlags, 4352);
    EXPECT_TRUE(list.tabs[0].headerEnabled);
    EXPECT_EQ(list.tabs[2].header, "Omschrijving");

    DGListSetHeaderItemText(TestDialog, 7, 4, "x");
    DGListSetTabFieldCount(TestDialog, 2, 1);
    ASSERT_EQ(DialogErrors().size(), 2u);
    EXPECT_EQ(DialogErrors()[0], "DGListSetHeaderItemText: no tab field 4 in list 7 of dialog 32600");
    EXPECT_EQ(DialogErrors()[1], "DGListSetTabFieldCount: item 2 of dialog 32600 is not a list box");
}

TEST_F(DialogListTest, RowsAreInsertedAndDeletedByPositionAndKeepTheirUserData) {
    AppendRows(7, 3);
    EXPECT_TRUE(DGListInsertItem(TestDialog, 7, 1));
    DGListSetTabItemText(TestDialog, 7, 1, 1, "first");
    EXPECT_TRUE(DGListInsertItem(TestDialog, 7, 5)) << "count + 1 appends";
    EXPECT_FALSE(DGListInsertItem(TestDialog, 7, 0));
    EXPECT_FALSE(DGListInsertItem(TestDialog, 7, 7));
    EXPECT_EQ(FirstTabs(7), (std::vector<std::string>{"first", "r1", "r2", "r3", ""}));
    EXPECT_EQ(DGListGetItemUserData(TestDialog, 7, 3), 102);
    EXPECT_EQ(DGListGetItemUserData(TestDialog, 7, 1), 0);
    EXPECT_EQ(DGListGetItemUserData(TestDialog, 7, 6), 0) << "a missing row gives 0";
    EXPECT_EQ(DialogErrors().size(), 2u) << "the two refused inserts; missing-row getters record nothing";

    DGListDeleteItem(TestDialog, 7, -1);
    DGListDeleteItem(TestDialog, 7, 2);
    DGListDeleteItem(TestDialog, 7, 9);
    EXPECT_EQ(FirstTabs(7), (std::vector<std::string>{"first", "r2", "r3"}));
    EXPECT_EQ(DGListGetItemUserData(TestDialog, 7, -1), 103);
    DGListDeleteItem(TestDialog, 7, 0);
    EXPECT_EQ(DGListGetItemCount(TestDialog, 7), 0);
    EXPECT_EQ(DGListGetItemCount(TestDialog, 8), 0) << "lists are separate";

    DGListSetTabItemText(TestDialog, 7, 1, 1, "x");
    DGListSetItemUserData(TestDialog, 7, -1, 5);
    EXPECT_EQ(DialogErrors().size(), 4u);
    EXPECT_EQ(DialogErrors()[2], "DGListSetTabItemText: no row 1 in list 7 of dialog 32600");
}

TEST_F(DialogListTest, RowsCarryTextsIconsStylesAndColoursPerTab) {
    AppendRows(7, 2);
    DGListSetTabItemIcon(TestDialog, 7, 1, 1, DG::Icon(1, 32301));
    DGListSetTabItemText(TestDialog, 7, 1, 2, "Wanden");
    DGListSetItemStyle(TestDialog, 7, 1, 16);
    DGListSetItemBackgroundColor(TestDialog, 7, 2, 62720, 62720, 62720);
    DGListSetTabItemText(TestDialog, 7, 2, 3, "beyond");
    DGListSetHeaderItemText(TestDialog, 7, 2, "Omschrijving");

    const ListState& list = *FindList(TestDialog, 7);
    EXPECT_EQ(list.rows[0].Icon(1), 32301);
    EXPECT_EQ(list.rows[0].Icon(2), 0);
    EXPECT_EQ(list.rows[0].style, 16);
    EXPECT_FALSE(list.rows[0].background.has_value());
    EXPECT_EQ(list.rows[1].background, (std::array<unsigned short, 3>{62720, 62720, 62720}));
    EXPECT_EQ(list.rows[1].Text(3), "");
    EXPECT_EQ(DialogErrors().size(), 1u) << "tab 3 of a two-tab list";
    EXPECT_EQ(DescribeList(TestDialog, 7), "list 7 of dialog 32600: 2 rows, 2 tabs, scroll 1, help style 0\n"
                                           "  header: |  | Omschrijving\n"
                                           "  1 style 16: | <32301> r1 | Wanden\n"
                                           "  2 bg 62720,62720,62720: | r2 | \n");
    EXPECT_EQ(DescribeList(TestDialog, 5), "");
}

TEST_F(DialogListTest, ClicksSelectOneRowOrSeveralInAMultiSelectList) {
    AppendRows(7, 3);
    AppendRows(8, 3);
    EXPECT_EQ(DGListGetSelected(TestDialog, 7, 0), 0);
    ClickListRow(TestDialog, 7, 3, 5);
    ClickListRow(TestDialog, 7, 2, 5, true);
    EXPECT_EQ(FindList(TestDialog, 7)->SelectedRows(), (std::vector<short>{2})) << "single selection";
    ClickListRow(TestDialog, 8, 3, 5);
    ClickListRow(TestDialog, 8, 1, 5, true);
    EXPECT_EQ(FindList(TestDialog, 8)->SelectedRows(), (std::vector<short>{1, 3}));
    EXPECT_EQ(DGListGetSelected(TestDialog, 8, 0), 1);
    EXPECT_EQ(DGListGetSelected(TestDialog, 8, 2), 3);
    EXPECT_EQ(ClickListRow(TestDialog, 8, 4, 5), std::nullopt);

    messages.clear();
    EXPECT_EQ(DoubleClickListRow(TestDialog, 8, 2), 0);
    EXPECT_EQ(FindList(TestDialog, 8)->SelectedRows(), (std::vector<short>{2}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message, DG_MSG_DOUBLECLICK);
    EXPECT_EQ(messages[0].item, 8);
    EXPECT_EQ(messages[0].listRow, 2);
    EXPECT_EQ(CurrentFocus().item, 8);

    DGListDeleteItem(TestDialog, 8, 2);
    EXPECT_EQ(DGListGetSelected(TestDialog, 8, 0), 0) << "the selection leaves with its row";
}

TEST_F(DialogListTest, ScrollPositionStaysWithinTheRowsAndDrawingNests) {
    AppendRows(7, 10);
    DGListSetScrollPosition(TestDialog, 7, 8);
    EXPECT_EQ(DGListGetScrollPosition(TestDialog, 7), 8);
    DGListSetScrollPosition(TestDialog, 7, 40);
    EXPECT_EQ(DGListGetScrollPosition(TestDialog, 7), 10);
    for (int i = 0; i < 5; ++i)
        DGListDeleteItem(TestDialog, 7, -1);
    EXPECT_EQ(DGListGetScrollPosition(TestDialog, 7), 5);
    DGListDeleteItem(TestDialog, 7, 0);
    EXPECT_EQ(DGListGetScrollPosition(TestDialog, 7), 1);

    DGListDisableDraw(TestDialog, 7);
    DGListDisableDraw(TestDialog, 7);
    DGListEnableDraw(TestDialog, 7);
    EXPECT_EQ(FindList(TestDialog, 7)->drawDisabled, 1);
    EXPECT_NE(DescribeList(TestDialog, 7).find("drawing off"), std::string::npos);
    DGListEnableDraw(TestDialog, 7);
    DGListEnableDraw(TestDialog, 7);
    EXPECT_EQ(FindList(TestDialog, 7)->drawDisabled, 0);
    EXPECT_EQ(FindList(TestDialog, 7)->redraws, 1);
}

} // namespace
