// Dialogs of the stand-in host: lifecycle and message order, failures, modal runs, message data
// layouts, hot keys, items.
#include "DialogFixture.hpp"

#include <cstring>

using namespace hostplatform;
using namespace dialogtest;

namespace {

std::vector<short> MessageCodes() {
    std::vector<short> codes;
    for (const Message& m : messages)
        codes.push_back(m.message);
    return codes;
}

template <typename T> T ReadAt(DGMessageData data, size_t offset) {
    T value;
    std::memcpy(&value, reinterpret_cast<const char*>(data) + offset, sizeof value);
    return value;
}

TEST_F(DialogTest, ModelessDialogDeliversItsMessagesInOrderUntilAClickClosesIt) {
    answer = [](const Message& m, DGMessageData) -> short {
        return m.message == DG_MSG_CLICK && m.item == 1 ? 1 : 0;
    };
    ASSERT_EQ(OpenTestDialog(), TestDialog);
    EXPECT_TRUE(DGIsDialogOpen(TestDialog));
    SendIdle(); // not enabled yet
    DGEnableMessage(TestDialog, 0, DG_MSG_IDLE, 0);
    SendIdle();
    EXPECT_EQ(TypeText(TestDialog, 5, "Wand"), 0);
    EXPECT_EQ(DGGetItemText(TestDialog, 5), "Wand");
    EXPECT_EQ(ClickItem(TestDialog, 2), 0);
    EXPECT_EQ(ClickItem(TestDialog, 14), std::nullopt) << "disabled";
    EXPECT_EQ(ClickItem(TestDialog, 1), std::nullopt) << "hidden";
    DGShowItem(TestDialog, 1);
    EXPECT_EQ(ClickItem(TestDialog, 1), 1);

    EXPECT_EQ(MessageCodes(), (std::vector<short>{DG_MSG_INIT, DG_MSG_IDLE, DG_MSG_CHANGE, DG_MSG_CLICK,
                                                  DG_MSG_CLICK, DG_MSG_CLOSE}));
    for (const Message& m : messages) {
        EXPECT_EQ(m.dialId, TestDialog);
        EXPECT_EQ(m.userData, TestUserData);
    }
    EXPECT_EQ(messages[2].item, 5);
    EXPECT_EQ(messages.back().item, 1) << "the close message names the closing item";
    EXPECT_FALSE(DGIsDialogOpen(TestDialog));
    EXPECT_EQ(CurrentFocus().dialogId, 0);
    EXPECT_TRUE(DialogErrors().empty());

    DGSetItemText(TestDialog, 5, "late");
    EXPECT_EQ(DialogErrors().size(), 1u);
    EXPECT_EQ(ClickItem(TestDialog, DG_CLOSEBOX), std::nullopt);
}

TEST_F(DialogTest, CallbackCanWorkOnTheDialogWhileItClosesAndCloseItselfOnce) {
    short closes = 0;
    answer = [&closes](const Message& m, DGMessageData) -> short {
        if (m.message == DG_MSG_CLOSE) {
            ++closes;
            EXPECT_TRUE(DGListInsertItem(TestDialog, 7, -1)) << "the dialog lives during its close message";
            DGModelessClose(TestDialog); // already closing: ignored
        }
        if (m.message == DG_MSG_CLICK && m.item == 2)
            DGModelessClose(TestDialog);
        return m.message == DG_MSG_CLICK && m.item == DG_CLOSEBOX ? DG_CLOSEBOX : 0;
    };
    OpenTestDialog();
    EXPECT_EQ(ClickItem(TestDialog, DG_CLOSEBOX), DG_CLOSEBOX);
    EXPECT_FALSE(DGIsDialogOpen(TestDialog));
    EXPECT_EQ(closes, 1);

    OpenTestDialog();
    EXPECT_EQ(ClickItem(TestDialog, 2), 0);
    EXPECT_FALSE(DGIsDialogOpen(TestDialog));
    EXPECT_EQ(closes, 2);
    EXPECT_TRUE(DialogErrors().empty());
}

TEST_F(DialogTest, FailsLikeTheHostOnUnknownLayoutsDialogsAndItems) {
    EXPECT_EQ(DGModelessInit(1, 32601, 1, RecordingCallback, 0, 1), 0);
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(OpenTestDialog(), TestDialog);
    EXPECT_EQ(OpenTestDialog(), 0) << "one dialog per layout id";
    EXPECT_EQ(DGGetItemText(TestDialog, 99), "");
    EXPECT_EQ(DGRegisterHotKey(32601, 0, DG_KEY_ENTER), 0);
    DGModelessClose(TestDialog);
    DGModelessClose(TestDialog);
    ASSERT_EQ(DialogErrors().size(), 5u);
    EXPECT_EQ(DialogErrors()[0], "DGModelessInit: no dialog layout 32601");
    EXPECT_EQ(DialogErrors()[2], "DGGetItemText: dialog 32600 has no item 99");
    EXPECT_EQ(DialogErrors()[4], "DGModelessClose: dialog 32600 is not open");
    EXPECT_EQ(MessageCodes(), (std::vector<short>{DG_MSG_INIT, DG_MSG_CLOSE}));
}

TEST_F(DialogTest, ModalDialogIsRunByTheModalUserAndGivesTheClosingItem) {
    answer = [](const Message& m, DGMessageData) -> short { return m.message == DG_MSG_CLICK ? m.item : 0; };
    SetModalUser([](short dialogId) {
        EXPECT_FALSE(FindDialog(dialogId)->modeless);
        ClickItem(dialogId, 2);
    });
    EXPECT_EQ(DGModalDialog(1, TestDialog, 1, RecordingCallback, TestUserData), 2);
    EXPECT_EQ(MessageCodes(), (std::vector<short>{DG_MSG_INIT, DG_MSG_CLICK, DG_MSG_CLOSE}));

    messages.clear();
    SetModalUser(nullptr);
    EXPECT_EQ(DGModalDialog(1, TestDialog, 1, RecordingCallback, TestUserData), 0);
    EXPECT_EQ(MessageCodes(), (std::vector<short>{DG_MSG_INIT, DG_MSG_CLOSE}));
    EXPECT_FALSE(DGIsDialogOpen(TestDialog));
    EXPECT_EQ(DGModalDialog(1, 32601, 1, RecordingCallback, 0), 0);
}

TEST_F(DialogTest, MessageDataHasTheClickPositionGrowHalvesAndTooltipAtTheirBytes) {
    OpenTestDialog();
    DGListSetTabFieldCount(TestDialog, 7, 2);
    DGListInsertItem(TestDialog, 7, -1);
    DGListInsertItem(TestDialog, 7, -1);
    short rawX = 0;
    Int32 rawRow = 0;
    answer = [&](const Message& m, DGMessageData data) -> short {
        if (m.message == DG_MSG_CLICK)
            rawX = ReadAt<short>(data, 14);
        if (m.message != DG_MSG_TOOLTIP)
            return 0;
        rawRow = ReadAt<Int32>(data, 16);
        if (rawRow < 1)
            return 0;
        *reinterpret_cast<GS::UniString*>(reinterpret_cast<char*>(data) + 24) = "rij é";
        return 1;
    };
    EXPECT_EQ(ClickListRow(TestDialog, 7, 2, 137), 0);
    EXPECT_EQ(rawX, 137);
    EXPECT_EQ(messages.back().listRow, 2);

    EXPECT_EQ(HoverListRow(TestDialog, 7, 2), std::nullopt) << "help style 0 shows no tooltips";
    DGListSetHelpStyle(TestDialog, 7, 1);
    EXPECT_EQ(HoverListRow(TestDialog, 7, 2), "rij é");
    EXPECT_EQ(rawRow, 2);
    EXPECT_EQ(HoverListRow(TestDialog, 7, 3), std::nullopt);
    EXPECT_EQ(rawRow, 0) << "a row outside the list is sent as 0";

    const struct { short h, v; } grows[] = {{-5, 12}, {7, -300}, {0, 0}};
    for (const auto& grow : grows) {
        ResizeDialog(TestDialog, grow.h, grow.v);
        const DGMessageData data = messages.back().data;
        EXPECT_EQ(messages.back().message, DG_MSG_GROW);
        EXPECT_EQ(static_cast<short>(data & 0xFFFF), grow.h);
        EXPECT_EQ(static_cast<short>((data >> 16) & 0xFFFF), grow.v);
    }
    EXPECT_EQ(FindDialog(TestDialog)->width, 402);
    EXPECT_EQ(FindDialog(TestDialog)->height, 12);
}

TEST_F(DialogTest, HotKeysAreDeliveredWithTheirIds) {
    OpenTestDialog();
    const short enter = DGRegisterHotKey(TestDialog, 0, DG_KEY_ENTER);
    const short ret = DGRegisterHotKey(TestDialog, 0, DG_KEY_RETURN);
    EXPECT_NE(enter, 0);
    EXPECT_NE(ret, 0);
    EXPECT_NE(enter, ret);
    EXPECT_EQ(DGRegisterHotKey(TestDialog, 0, DG_KEY_ENTER), enter);
    messages.clear();
    EXPECT_EQ(PressKey(TestDialog, DG_KEY_RETURN), 0);
    EXPECT_EQ(PressKey(TestDialog, DG_KEY_ENTER), 0);
    EXPECT_EQ(PressKey(TestDialog, 'a'), std::nullopt);
    EXPECT_EQ(PressKey(TestDialog, DG_KEY_ENTER, 1), std::nullopt) << "other modifiers";
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, DG_MSG_HOTKEY);
    EXPECT_EQ(messages[0].data, ret);
    EXPECT_EQ(messages[1].data, enter);
}

TEST_F(DialogTest, ItemsKeepTextStateFontGeometryAndFocus) {
    OpenTestDialog();
    DGSetDialogTitle(TestDialog, "Telvorm Archicad 28");
    DGSetDialogZPosition(TestDialog, DG_TOPMOST);
    DGHideItem(TestDialog, 2);
    DGSetItemEnable(TestDialog, 14, true);
    DGDisableItem(TestDialog, 5);
    DGSetItemFont(TestDialog, 2, 16);
    DGBeginMoveGrowItems(TestDialog);
    DGMoveItem(TestDialog, 14, 10, -20);
    DGGrowItem(TestDialog, 7, 30, 40);
    DGEndMoveGrowItems(TestDialog);
    DGEndMoveGrowItems(TestDialog); // unbalanced: recorded
    DGSetFocus(TestDialog, 5);

    const DialogState& dialog = *FindDialog(TestDialog);
    EXPECT_EQ(dialog.title, "Telvorm Archicad 28");
    EXPECT_FALSE(dialog.items.at(2).visible);
    EXPECT_TRUE(dialog.items.at(14).enabled);
    EXPECT_FALSE(dialog.items.at(5).enabled);
    EXPECT_EQ(dialog.items.at(2).fontFlags, 16);
    EXPECT_EQ(dialog.items.at(14).left, 310);
    EXPECT_EQ(dialog.items.at(14).top, 240);
    EXPECT_EQ(dialog.items.at(7).width, 410);
    EXPECT_EQ(dialog.items.at(7).height, 240);
    EXPECT_EQ(dialog.moveGrowRounds, 1);
    EXPECT_EQ(DialogErrors().size(), 1u);
    EXPECT_EQ(DGGetItemAnchorString(TestDialog, 1), "DialogHelpAnchor-close");

    short focusDialog = 0;
    short focusItem = 0;
    EXPECT_TRUE(DGGetFocus(&focusDialog, &focusItem));
    EXPECT_EQ(focusDialog, TestDialog);
    EXPECT_EQ(focusItem, 5);
    EXPECT_EQ(TypeText(TestDialog, 5, "x"), std::nullopt) << "a disabled edit text takes no typing";

    const std::string text = DescribeDialog(TestDialog);
    EXPECT_NE(text.find("dialog 32600 modeless \"Telvorm Archicad 28\" size 400x300 top-most"),
              std::string::npos);
    EXPECT_NE(text.find("item 2 text \"Artikelen\" hidden font 16"), std::string::npos) << text;
    EXPECT_NE(text.find("item 5 editText \"\" disabled focus"), std::string::npos) << text;
    EXPECT_EQ(DescribeDialog(32601), "");
}

} // namespace
