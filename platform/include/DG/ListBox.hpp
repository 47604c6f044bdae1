// List boxes of the stand-in host's dialog framework. Rows and tab fields count from 1; a row argument
// of -1 names the last row. Setters on a missing row or tab field do nothing and are recorded in
// hostplatform::DialogErrors; getters give 0 or false.
#pragma once

#include "DG/Dialog.hpp"
#include "GS.hpp"

namespace DG {

// An icon of a resource module.
class Icon {
  public:
    Icon(GSResModule resModule, short iconId) : resModule_(resModule), iconId_(iconId) {}
    GSResModule GetResModule() const { return resModule_; }
    short GetId() const { return iconId_; }

  private:
    GSResModule resModule_;
    short iconId_;
};

} // namespace DG

// ---- Tab fields and header ----
// Sets the number of tab fields (and header items); new ones start at 0-0, left, enabled.
void DGListSetTabFieldCount(short dialId, short item, short count);
void DGListSetTabFieldData(short dialId, short item, short tab, short begin, short end, short justification,
                           short truncation, bool separator, bool enabled);
// False for a missing tab field; null outputs are skipped.
bool DGListGetTabFieldData(short dialId, short item, short tab, short* begin, short* end,
                           short* justification, short* truncation, bool* separator, bool* enabled);
void DGListSetHeaderItemText(short dialId, short item, short headerItem, const GS::UniString& text);
void DGListSetHeaderItemFlags(short dialId, short item, short headerItem, short flags, bool enabled);
short DGListGetHeaderItemCount(short dialId, short item);
// Help style 1: hovering a row asks the callback for a tooltip (DG_MSG_TOOLTIP); 0: no tooltips.
void DGListSetHelpStyle(short dialId, short item, short helpStyle);

// ---- Rows ----
// Inserts an empty row before pos (-1 or the count + 1: appends); false for any other pos.
bool DGListInsertItem(short dialId, short item, short pos);
// Deletes the row at pos; 0 deletes every row; a missing row is ignored.
void DGListDeleteItem(short dialId, short item, short pos);
short DGListGetItemCount(short dialId, short item);
void DGListSetItemUserData(short dialId, short item, short pos, DGUserData value);
// 0 for a missing row.
DGUserData DGListGetItemUserData(short dialId, short item, short pos);
void DGListSetItemStyle(short dialId, short item, short pos, short style);
void DGListSetItemBackgroundColor(short dialId, short item, short pos, unsigned short red,
                                  unsigned short green, unsigned short blue);
void DGListSetTabItemText(short dialId, short item, short pos, short tab, const GS::UniString& text);
void DGListSetTabItemIcon(short dialId, short item, short pos, short tab, const DG::Icon& icon);

// ---- Selection, scrolling, drawing ----
// The first selected row at or after startPos (below 1: from row 1); 0 when none.
short DGListGetSelected(short dialId, short item, short startPos);
// The top row shown, from 1 (1 for an empty list).
short DGListGetScrollPosition(short dialId, short item);
// Clamped to the rows there are.
void DGListSetScrollPosition(short dialId, short item, short pos);
// Drawing is off from the first DisableDraw until as many EnableDraw calls; it counts a redraw then.
void DGListDisableDraw(short dialId, short item);
void DGListEnableDraw(short dialId, short item);
