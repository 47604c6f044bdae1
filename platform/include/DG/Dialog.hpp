// Dialogs and their items in the stand-in host's dialog framework.
#pragma once

#include "GS.hpp"

#include <cstddef>

using DGUserData = Int64;
using DGMessageData = Int64;
// The dialog callback: (message, dialog id, item, user data, message data) -> result.
using DGDialCallBack = short (*)(short message, short dialId, short item, DGUserData userData,
                                 DGMessageData msgData);

// ---- Messages to the callback ----
constexpr short DG_MSG_IDLE = 0;        // only after DGEnableMessage (id, 0, DG_MSG_IDLE, ...)
constexpr short DG_MSG_INIT = 1;        // item 0, data 0; the dialog and its items exist already
constexpr short DG_MSG_CLOSE = 3;       // item: what closed it; the dialog still exists meanwhile
constexpr short DG_MSG_CLICK = 4;       // data: DGItemClickData*; a non-zero result closes the dialog
constexpr short DG_MSG_DOUBLECLICK = 5; // data: DGItemClickData*
constexpr short DG_MSG_CHANGE = 6;      // an edit text changed; data 0
constexpr short DG_MSG_HOTKEY = 11;     // item 0, data: the hot-key id
constexpr short DG_MSG_GROW = 12;       // data: horizontal change in bits 0-15, vertical in 16-31, signed
constexpr short DG_MSG_TOOLTIP = 21;    // data: DGToolTipData*; result 1 when the text was given

// The item number of a dialog's close box in click messages.
constexpr short DG_CLOSEBOX = -1;
// Keys for DGRegisterHotKey.
constexpr short DG_KEY_ENTER = -3;
constexpr short DG_KEY_RETURN = -4;
// Z position that keeps a dialog above the others.
constexpr short DG_TOPMOST = -32768;

// Message data of a click or double click.
struct DGItemClickData {
    short dialogId = 0;
    short item = 0;
    Int32 reserved1 = 0;
    Int32 listRow = 0; // the list row under the click, from 1; 0 for none or no list
    short reserved2 = 0;
    short xPos = 0; // horizontal position in the item (for a list: in the tab-field coordinates)
    short yPos = 0;
};
static_assert(offsetof(DGItemClickData, xPos) == 14);

// Message data of a tooltip request: the callback puts the text into tooltipText.
struct DGToolTipData {
    short dialogId = 0;
    short item = 0;
    Int32 reserved1 = 0;
    Int64 reserved2 = 0;
    Int32 listRow = 0; // the hovered list row, from 1; 0 for none
    Int32 reserved3 = 0;
    GS::UniString tooltipText;
};
static_assert(offsetof(DGToolTipData, listRow) == 16 && offsetof(DGToolTipData, tooltipText) == 24);

// ---- Dialogs ----
// The dialog id is the layout's id (a registered dialog layout, see hostplatform::RegisterDialogLayout).
// Opens a modeless dialog, sends DG_MSG_INIT and gives its id; 0 when the layout is unknown or that
// dialog is open already. openFlags is kept only.
short DGModelessInit(GSResModule dialResModule, short resId, GSResModule iconResModule,
                     DGDialCallBack callback, DGUserData userData, short openFlags);
// Runs a modal dialog: DG_MSG_INIT, then the host's user (hostplatform::SetModalUser) acts on it, then it
// closes. Gives the item that closed it: the result of the click that did, 0 when the user left it
// open and the host closed it, or when the layout is unknown.
short DGModalDialog(GSResModule dialResModule, short resId, GSResModule iconResModule,
                    DGDialCallBack callback, DGUserData userData);
bool DGIsDialogOpen(short dialId);
// Sends DG_MSG_CLOSE (item 0) and closes the dialog.
void DGModelessClose(short dialId);
void DGSetDialogZPosition(short dialId, short position);
void DGSetDialogTitle(short dialId, const GS::UniString& title);
// Sends message to the callback from now on (item 0: the dialog). For DG_MSG_IDLE, interval is the
// pause between two idle messages in ticks, 0 for whenever the host is idle; other messages are
// always sent.
void DGEnableMessage(short dialId, short item, short message, short interval);

// ---- Items ----
void DGSetItemText(short dialId, short item, const GS::UniString& text);
GS::UniString DGGetItemText(short dialId, short item);
void DGShowItem(short dialId, short item);
void DGHideItem(short dialId, short item);
void DGEnableItem(short dialId, short item);
void DGDisableItem(short dialId, short item);
void DGSetItemEnable(short dialId, short item, bool enable);
void DGSetItemFont(short dialId, short item, short fontFlags);
void DGSetFocus(short dialId, short item);
// The dialog and item holding the keyboard focus; false (and 0, 0) when no item has it.
bool DGGetFocus(short* dialId, short* item);
// Registers a hot key (modifiers 0: none) and gives its id, from 1 in each dialog; the same key again
// gives the same id; 0 for a dialog that is not open.
short DGRegisterHotKey(short dialId, short modifiers, short key);
// Moves and grows items by (h, v); the framework redraws once at the end.
void DGBeginMoveGrowItems(short dialId);
void DGMoveItem(short dialId, short item, short h, short v);
void DGGrowItem(short dialId, short item, short h, short v);
void DGEndMoveGrowItems(short dialId);
// The item's help anchor text from its layout.
GS::UniString DGGetItemAnchorString(short dialId, short item);
