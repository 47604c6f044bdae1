// The palette window: its state after opening, the tabs, the take-off buttons, the filter keys,
// resizing, the help page and closing.
#include "PaletteFixture.hpp"

#include "hostplatform/Faults.hpp"

using hostplatform::Faults;

namespace {

constexpr const char* NothingSelected =
    "Er zijn geen elementen geselecteerd.\nMaak een selectie van een of meer elementen.";
constexpr const char* NothingFound =
    "Er zijn geen (geclassificeerde) elementen gevonden.\nZie het artikel over "
    "QELM artikelnummers aan elementen toevoegen in het TOVEK Helpcenter.";
constexpr GSErrCode NoSelection = static_cast<GSErrCode>(0x810600CE);

class WindowTest : public PaletteTest {
  protected:
    API_Guid Lamp(const char* id, const API_Guid& item) {
        return b.AddElement(API_LampID).Id(id).Classify(qelm, item);
    }
    API_Guid Lamps40() {
        const API_Guid item = b.AddItem(qelm, APINULLGuid, "40.10.", "Lampen", "st");
        Lamp("L-1", item);
        return Lamp("L-2", item);
    }
};

TEST_F(WindowTest, OpensWithItsItemsSetUp) {
    Open();
    const hostplatform::DialogState& dialog = *hostplatform::FindDialog(Id);
    EXPECT_EQ(dialog.title, "Telvorm Archicad 28 (Versie 28.3.75)");
    EXPECT_EQ(dialog.zPosition, -32768);
    ASSERT_EQ(dialog.hotKeys.size(), 2u);
    EXPECT_EQ(dialog.hotKeys[0].key, DG_KEY_ENTER);
    EXPECT_EQ(dialog.hotKeys[1].key, DG_KEY_RETURN);
    EXPECT_EQ(dialog.hotKeys[0].modifiers, 0);
    EXPECT_EQ(dialog.hotKeys[1].modifiers, 0);
    EXPECT_EQ(shKey_Enter, dialog.hotKeys[0].id);
    EXPECT_EQ(shKey_Return, dialog.hotKeys[1].id);
    EXPECT_EQ(dialog.enabledMessages.count(DG_MSG_IDLE), 1u);
    for (const short hidden : {1, 6, 8, 15, 16})
        EXPECT_FALSE(Item(hidden).visible) << "item " << hidden;
    EXPECT_TRUE(Item(7).visible);
    EXPECT_FALSE(Item(14).enabled);
    EXPECT_EQ(Item(2).fontFlags, 16);
    EXPECT_EQ(Item(3).fontFlags, 4);
    EXPECT_EQ(List(7).helpStyle, 1);
    EXPECT_EQ(List(8).helpStyle, 1);
    EXPECT_EQ(RowCount(7), 0);
    ASSERT_EQ(hostplatform::ModelessWindows().count(Id), 1u);
    EXPECT_EQ(hostplatform::ModelessWindows()[Id].controlFlags, 503);
    EXPECT_EQ(hostplatform::ModelessWindows()[Id].callBack(Id, APIPalMsg_ClosePalette, 0), NoError);
    EXPECT_TRUE(hostplatform::DialogErrors().empty()) << hostplatform::DialogErrors().front();
}

TEST_F(WindowTest, TabsSwitchTheListsAndTheGroupButtons) {
    Open();
    hostplatform::ClickItem(Id, 3);
    EXPECT_FALSE(Item(7).visible);
    EXPECT_TRUE(Item(8).visible);
    EXPECT_FALSE(Item(11).enabled);
    EXPECT_FALSE(Item(12).enabled);
    EXPECT_EQ(Item(3).fontFlags, 16);
    EXPECT_EQ(Item(2).fontFlags, 4);
    hostplatform::ClickItem(Id, 2);
    EXPECT_TRUE(Item(7).visible);
    EXPECT_FALSE(Item(8).visible);
    EXPECT_TRUE(Item(11).enabled);
    EXPECT_EQ(Item(2).fontFlags, 16);
}

TEST_F(WindowTest, IdleEnablesTheSelectionButtonByTheHostSelection) {
    const API_Guid lamp = Lamps40();
    b.Install();
    Open();
    hostplatform::SendIdle();
    EXPECT_FALSE(Item(10).enabled);
    hostplatform::ProjectBuilder selected = b;
    selected.Select({lamp});
    selected.Install();
    hostplatform::SendIdle();
    EXPECT_TRUE(Item(10).enabled);
    b.Install();
    Faults::FailCall("ACAPI_Selection_Get", NoSelection);
    hostplatform::SendIdle();
    EXPECT_FALSE(Item(10).enabled);
    Faults::Clear();
    Faults::FailCall("ACAPI_Selection_Get", APIERR_GENERAL);
    hostplatform::SendIdle();
    EXPECT_TRUE(Item(10).enabled);
}

TEST_F(WindowTest, TakeOffOfAllFillsTheListsAndEnablesTheExport) {
    Lamps40();
    b.AddElement(API_LampID).Id("Los");
    b.Install();
    Open();
    hostplatform::TypeText(Id, 5, "L-1");
    hostplatform::ClickItem(Id, 9);
    EXPECT_EQ(Item(5).text, "");
    EXPECT_TRUE(Main::usFilterText.IsEmpty());
    EXPECT_FALSE(Main::bOnlySelectedElements);
    EXPECT_TRUE(hostplatform::Alerts().empty()) << LastAlert();
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_ARTICLE_NR), (std::vector<std::string>{"40.10."}));
    EXPECT_EQ(Cell(7, 1, COLUMN_ARTICLES_NR), "2");
    EXPECT_EQ(Column(8, COLUMN_REPORT_DESCRIPTION), (std::vector<std::string>{"Los"}));
    EXPECT_EQ(Item(3).text, "Meldingen (1)");
    EXPECT_TRUE(Item(14).enabled);
}

TEST_F(WindowTest, TakeOffOfTheSelection) {
    const API_Guid second = Lamps40();
    b.Select({second});
    b.Install();
    Open();
    hostplatform::ClickItem(Id, 10);
    EXPECT_TRUE(Main::bOnlySelectedElements);
    hostplatform::ClickItem(Id, 11);
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (std::vector<std::string>{"Lampen", "L-2"}));
}

TEST_F(WindowTest, SelectionTakeOffWithNothingSelectedKeepsTheResult) {
    Lamps40();
    b.Install();
    Open();
    hostplatform::ClickItem(Id, 9);
    ASSERT_EQ(RowCount(7), 1);
    hostplatform::TypeText(Id, 5, "L-2");

    for (const GSErrCode answer : {NoError, NoSelection}) {
        if (answer != NoError)
            Faults::FailCall("ACAPI_Selection_Get", answer);
        hostplatform::Alerts().clear();
        hostplatform::ClickItem(Id, 10);
        EXPECT_EQ(LastAlert(), NothingSelected);
        EXPECT_EQ(hostplatform::Alerts().front().title, "Telvorm");
        EXPECT_EQ(hostplatform::Alerts().front().button1, "Ok");
        EXPECT_EQ(hostplatform::Alerts().front().type, -3);
        EXPECT_EQ(RowCount(7), 1);
        EXPECT_TRUE(Item(14).enabled);
        EXPECT_EQ(Item(5).text, "") << "the filter is cleared before the run";
        EXPECT_EQ(Articles::articleCount, 2);
    }
    // Any other error of the selection read goes on to a take-off of what the model gives.
    Faults::Clear();
    Faults::FailCall("ACAPI_Selection_Get", APIERR_GENERAL);
    hostplatform::Alerts().clear();
    hostplatform::ClickItem(Id, 10);
    EXPECT_EQ(LastAlert(), NothingFound);
    EXPECT_EQ(RowCount(7), 0);
    EXPECT_FALSE(Item(14).enabled);
}

TEST_F(WindowTest, AlertsAfterATakeOff) {
    // Only report lines: the counters are not both 0, so no alert.
    b.AddItem(qelm, APINULLGuid, "40.10.", "Lampen", "st");
    b.AddElement(API_LampID).Id("Los");
    b.Install();
    Open();
    hostplatform::ClickItem(Id, 9);
    EXPECT_TRUE(hostplatform::Alerts().empty()) << LastAlert();
    EXPECT_EQ(RowCount(8), 1);
    EXPECT_FALSE(Item(14).enabled) << "no group rows, nothing to export";

    // Nothing found.
    hostplatform::ProjectBuilder empty;
    empty.AddSystem("QELM");
    empty.Install();
    hostplatform::ClickItem(Id, 9);
    EXPECT_EQ(LastAlert(), NothingFound);
    EXPECT_EQ(RowCount(8), 0);
    EXPECT_EQ(Item(3).text, "Meldingen");

    // Cancelled: the lists are rebuilt empty, then the cancel alert.
    Lamps40();
    b.Install();
    Faults::CancelAfter(1);
    hostplatform::ClickItem(Id, 9);
    EXPECT_EQ(LastAlert(), "Ophalen informatie is afgebroken.");
    EXPECT_EQ(RowCount(7), 0);
    EXPECT_EQ(RowCount(8), 0);
    EXPECT_FALSE(Item(14).enabled);

    // No classification system: the reader's alert, then the nothing-found alert.
    Faults::Clear();
    hostplatform::ProjectBuilder none;
    none.AddElement(API_LampID);
    none.Install();
    hostplatform::Alerts().clear();
    hostplatform::ClickItem(Id, 9);
    ASSERT_EQ(hostplatform::Alerts().size(), 2u);
    EXPECT_EQ(LastAlert(), NothingFound);
}

TEST_F(WindowTest, EnterCollapsesWithoutAFilterAndExpandsWithOne) {
    const Int32 lamps = AddGroup("40.10.", "Lampen");
    AddArticle(lamps, "L-1");
    AddArticle(lamps, "Kelder L-2");
    const Int32 walls = AddGroup("20.13.", "Muren");
    AddArticle(walls, "W-1");
    Open();
    hostplatform::ClickItem(Id, 11);
    ASSERT_EQ(RowCount(7), 5);

    hostplatform::TypeText(Id, 5, "");
    hostplatform::PressKey(Id, DG_KEY_ENTER);
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (std::vector<std::string>{"Lampen", "Muren"}));
    EXPECT_EQ(hostplatform::CurrentFocus().item, 5);

    hostplatform::TypeText(Id, 5, "L-");
    EXPECT_EQ(Main::usFilterText.ToUtf8(), "l-") << "stored in lower case";
    EXPECT_EQ(RowCount(7), 2) << "typing does not change the lists";
    hostplatform::PressKey(Id, DG_KEY_RETURN);
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION),
              (std::vector<std::string>{"Lampen", "L-1", "Kelder L-2"}));
    EXPECT_EQ(hostplatform::CurrentFocus().item, 5);

    // With the focus elsewhere Enter does nothing.
    hostplatform::ClickListRow(Id, 7, 1, 50);
    hostplatform::TypeText(Id, 5, "");
    hostplatform::ClickListRow(Id, 7, 1, 50);
    hostplatform::PressKey(Id, DG_KEY_ENTER);
    EXPECT_EQ(RowCount(7), 3);
}

TEST_F(WindowTest, ANewPaletteShowsTheFilterInForce) {
    const Int32 lamps = AddGroup("40.10.", "Lampen");
    AddArticle(lamps, "L-1");
    AddArticle(lamps, "Kelder L-2");
    Open();
    hostplatform::TypeText(Id, 5, "Kelder");
    hostplatform::ClickItem(Id, DG_CLOSEBOX);

    Open();
    EXPECT_EQ(Item(5).text, "kelder");
    hostplatform::ClickItem(Id, 11);
    EXPECT_EQ(Column(7, COLUMN_ARTICLES_DESCRIPTION), (std::vector<std::string>{"Lampen", "Kelder L-2"}));
}

TEST_F(WindowTest, GrowingMovesAndStretchesTheItems) {
    Open();
    struct Place {
        short left, top, width, height;
    };
    std::map<short, Place> before;
    for (short item = 1; item <= 16; ++item)
        before[item] = Place{Item(item).left, Item(item).top, Item(item).width, Item(item).height};
    hostplatform::ResizeDialog(Id, 30, -20);
    const auto expect = [&](short item, short dx, short dy, short dw, short dh) {
        EXPECT_EQ(Item(item).left, before[item].left + dx) << "item " << item;
        EXPECT_EQ(Item(item).top, before[item].top + dy) << "item " << item;
        EXPECT_EQ(Item(item).width, before[item].width + dw) << "item " << item;
        EXPECT_EQ(Item(item).height, before[item].height + dh) << "item " << item;
    };
    for (const short item : {4, 5, 15, 16})
        expect(item, 30, 0, 0, 0);
    for (const short item : {7, 8})
        expect(item, 0, 0, 30, -20);
    for (const short item : {1, 13, 14})
        expect(item, 30, -20, 0, 0);
    for (const short item : {9, 10, 11, 12})
        expect(item, 0, -20, 0, 0);
    expect(2, 0, 0, 0, 0);
    EXPECT_EQ(hostplatform::FindDialog(Id)->moveGrowRounds, 1);
    EXPECT_EQ(hostplatform::FindDialog(Id)->moveGrowDepth, 0);
}

TEST_F(WindowTest, HelpOpensTheHelpPageThroughTheHost) {
    Open();
    hostplatform::ClickItem(Id, 13);
    ASSERT_EQ(hostplatform::OpenedUrls().size(), 1u);
    EXPECT_EQ(hostplatform::OpenedUrls()[0].rfind("https://", 0), 0u);
}

TEST_F(WindowTest, TheCloseBoxClosesThePaletteAndFreesItsRows) {
    const Int32 lamps = AddGroup("40.10.", "Lampen");
    AddArticle(lamps, "L-1");
    AddArticle(0, "Los");
    Open();
    hostplatform::ClickItem(Id, 11);
    ASSERT_EQ(RowCount(7), 2);
    EXPECT_FALSE(hostplatform::ClickItem(Id, 1).has_value()) << "item 1 is hidden";
    EXPECT_EQ(hostplatform::ClickItem(Id, DG_CLOSEBOX), DG_CLOSEBOX);
    EXPECT_FALSE(DGIsDialogOpen(Id));
    ExpectNoLeaks();

    // The take-off result outlives the palette; a new palette starts with empty lists.
    Open();
    EXPECT_EQ(RowCount(7), 0);
    EXPECT_EQ(Articles::allArticlesGroups.GetSize(), 2u);
}

} // namespace
