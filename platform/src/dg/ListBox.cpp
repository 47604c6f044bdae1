// List boxes of the stand-in host's dialogs: tab fields, header, rows, selection, scrolling, drawing.
#include "DialogSystem.hpp"

#include <algorithm>
#include <string>

using namespace hostplatform;
using detail::DialogList;
using detail::RowAt;

namespace {

std::string Where(short dialId, short item) {
    return " in list " + std::to_string(item) + " of dialog " + std::to_string(dialId);
}

ListTabField* TabAt(ListState& list, short tab, short dialId, short item, const char* call) {
    if (tab >= 1 && tab <= static_cast<Int32>(list.tabs.size()))
        return &list.tabs[tab - 1];
    detail::RecordError(call, "no tab field " + std::to_string(tab) + Where(dialId, item));
    return nullptr;
}

// The row for a setter: nullptr, recorded, when missing.
ListRow* RowFor(short dialId, short item, short pos, const char* call) {
    ListState* list = DialogList(dialId, item, call);
    if (list == nullptr)
        return nullptr;
    ListRow* row = RowAt(*list, pos);
    if (row == nullptr)
        detail::RecordError(call, "no row " + std::to_string(pos) + Where(dialId, item));
    return row;
}

// The row for a tab-field setter: nullptr, recorded, when the row or the tab field is missing.
ListRow* CellFor(short dialId, short item, short pos, short tab, const char* call) {
    ListRow* row = RowFor(dialId, item, pos, call);
    if (row == nullptr || TabAt(*DialogList(dialId, item, call), tab, dialId, item, call) == nullptr)
        return nullptr;
    return row;
}

short RowCount(const ListState& list) {
    return static_cast<short>(list.rows.size());
}

void ClampScroll(ListState& list) {
    list.scrollPosition = std::clamp<short>(list.scrollPosition, 1, std::max<short>(1, RowCount(list)));
}

} // namespace

void DGListSetTabFieldCount(short dialId, short item, short count) {
    if (ListState* list = DialogList(dialId, item, __func__))
        list->tabs.resize(static_cast<size_t>(std::max<short>(0, count)));
}

void DGListSetTabFieldData(short dialId, short item, short tab, short begin, short end, short justification,
                           short truncation, bool separator, bool enabled) {
    ListState* list = DialogList(dialId, item, __func__);
    ListTabField* field = list == nullptr ? nullptr : TabAt(*list, tab, dialId, item, __func__);
    if (field == nullptr)
        return;
    field->begin = begin;
    field->end = end;
    field->justification = justification;
    field->truncation = truncation;
    field->separator = separator;
    field->enabled = enabled;
}

bool DGListGetTabFieldData(short dialId, short item, short tab, short* begin, short* end,
                           short* justification, short* truncation, bool* separator, bool* enabled) {
    ListState* list = DialogList(dialId, item, __func__);
    if (list == nullptr || tab < 1 || tab > static_cast<Int32>(list->tabs.size()))
        return false;
    const ListTabField& field = list->tabs[tab - 1];
    if (begin != nullptr)
        *begin = field.begin;
    if (end != nullptr)
        *end = field.end;
    if (justification != nullptr)
        *justification = field.justification;
    if (truncation != nullptr)
        *truncation = field.truncation;
    if (separator != nullptr)
        *separator = field.separator;
    if (enabled != nullptr)
        *enabled = field.enabled;
    return true;
}

void DGListSetHeaderItemText(short dialId, short item, short headerItem, const GS::UniString& text) {
    ListState* list = DialogList(dialId, item, __func__);
    if (ListTabField* field = list == nullptr ? nullptr : TabAt(*list, headerItem, dialId, item, __func__))
        field->header = text.ToUtf8();
}

void DGListSetHeaderItemFlags(short dialId, short item, short headerItem, short flags, bool enabled) {
    ListState* list = DialogList(dialId, item, __func__);
    if (ListTabField* field = list == nullptr ? nullptr : TabAt(*list, headerItem, dialId, item, __func__)) {
        field->headerFlags = flags;
        field->headerEnabled = enabled;
    }
}

short DGListGetHeaderItemCount(short dialId, short item) {
    const ListState* list = DialogList(dialId, item, __func__);
    return list == nullptr ? 0 : static_cast<short>(list->tabs.size());
}

void DGListSetHelpStyle(short dialId, short item, short helpStyle) {
    if (ListState* list = DialogList(dialId, item, __func__))
        list->helpStyle = helpStyle;
}

bool DGListInsertItem(short dialId, short item, short pos) {
    ListState* list = DialogList(dialId, item, __func__);
    if (list == nullptr)
        return false;
    if (pos == -1)
        pos = static_cast<short>(RowCount(*list) + 1);
    if (pos < 1 || pos > RowCount(*list) + 1 || RowCount(*list) == 32767) {
        detail::RecordError(__func__, "cannot insert at row " + std::to_string(pos) + Where(dialId, item));
        return false;
    }
    list->rows.insert(list->rows.begin() + (pos - 1), ListRow());
    return true;
}

void DGListDeleteItem(short dialId, short item, short pos) {
    ListState* list = DialogList(dialId, item, __func__);
    if (list == nullptr)
        return;
    if (pos == 0) {
        list->rows.clear();
    } else if (const ListRow* row = RowAt(*list, pos)) {
        list->rows.erase(list->rows.begin() + (row - list->rows.data()));
    }
    ClampScroll(*list);
}

short DGListGetItemCount(short dialId, short item) {
    const ListState* list = DialogList(dialId, item, __func__);
    return list == nullptr ? 0 : RowCount(*list);
}

void DGListSetItemUserData(short dialId, short item, short pos, DGUserData value) {
    if (ListRow* row = RowFor(dialId, item, pos, __func__))
        row->userData = value;
}

DGUserData DGListGetItemUserData(short dialId, short item, short pos) {
    ListState* list = DialogList(dialId, item, __func__);
    const ListRow* row = list == nullptr ? nullptr : RowAt(*list, pos);
    return row == nullptr ? 0 : row->userData;
}

void DGListSetItemStyle(short dialId, short item, short pos, short style) {
    if (ListRow* row = RowFor(dialId, item, pos, __func__))
        row->style = style;
}

void DGListSetItemBackgroundColor(short dialId, short item, short pos, unsigned short red,
                                  unsigned short green, unsigned short blue) {
    if (ListRow* row = RowFor(dialId, item, pos, __func__))
        row->background = std::array<unsigned short, 3>{red, green, blue};
}

void DGListSetTabItemText(short dialId, short item, short pos, short tab, const GS::UniString& text) {
    if (ListRow* row = CellFor(dialId, item, pos, tab, __func__))
        row->texts[tab] = text.ToUtf8();
}

void DGListSetTabItemIcon(short dialId, short item, short pos, short tab, const DG::Icon& icon) {
    if (ListRow* row = CellFor(dialId, item, pos, tab, __func__))
        row->icons[tab] = icon.GetId();
}

short DGListGetSelected(short dialId, short item, short startPos) {
    const ListState* list = DialogList(dialId, item, __func__);
    if (list == nullptr)
        return 0;
    for (Int32 pos = std::max<short>(1, startPos); pos <= RowCount(*list); ++pos)
        if (list->rows[pos - 1].selected)
            return static_cast<short>(pos);
    return 0;
}

short DGListGetScrollPosition(short dialId, short item) {
    const ListState* list = DialogList(dialId, item, __func__);
    return list == nullptr ? 0 : list->scrollPosition;
}

void DGListSetScrollPosition(short dialId, short item, short pos) {
    if (ListState* list = DialogList(dialId, item, __func__)) {
        list->scrollPosition = pos;
        ClampScroll(*list);
    }
}

void DGListDisableDraw(short dialId, short item) {
    if (ListState* list = DialogList(dialId, item, __func__))
        ++list->drawDisabled;
}

void DGListEnableDraw(short dialId, short item) {
    ListState* list = DialogList(dialId, item, __func__);
    if (list == nullptr || list->drawDisabled == 0)
        return;
    if (--list->drawDisabled == 0)
        ++list->redraws;
}
