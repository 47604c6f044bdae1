// The user's actions on the stand-in host's dialogs, as the host program and the tests play them.
#include "DialogSystem.hpp"

namespace hostplatform {

namespace {

DialogState* Open(short dialogId) {
    auto& dialogs = detail::Dialogs().dialogs;
    const auto found = dialogs.find(dialogId);
    return found == dialogs.end() || found->second.closing ? nullptr : &found->second;
}

// An item the user can reach: in an open dialog, visible and, unless only looked at, enabled.
ItemState* Reachable(short dialogId, short item, bool needEnabled = true) {
    DialogState* dialog = Open(dialogId);
    if (dialog == nullptr)
        return nullptr;
    const auto found = dialog->items.find(item);
    if (found == dialog->items.end() || !found->second.visible || (needEnabled && !found->second.enabled))
        return nullptr;
    return &found->second;
}

bool TakesFocus(const ItemState& item) {
    return item.type == DialogItemType::EditText || item.type == DialogItemType::ListBox;
}

void SelectRow(ListState& list, short row, bool extend) {
    if (!(extend && list.multiSelect))
        for (ListRow& other : list.rows)
            other.selected = false;
    list.rows[row - 1].selected = true;
}

// The list of a reachable list box with that row; nullptr otherwise.
ListState* ListWithRow(short dialogId, short item, short row) {
    ItemState* state = Reachable(dialogId, item);
    if (state == nullptr || !state->list || row < 1 || row > static_cast<Int32>(state->list->rows.size()))
        return nullptr;
    detail::Dialogs().focus = Focus{dialogId, item};
    return &*state->list;
}

short SendClick(short dialogId, short item, DGItemClickData& data) {
    data.dialogId = dialogId;
    data.item = item;
    const short result =
        detail::Deliver(dialogId, DG_MSG_CLICK, item, reinterpret_cast<DGMessageData>(&data));
    if (result != 0)
        detail::CloseDialog(dialogId, result);
    return result;
}

} // namespace

std::optional<short> ClickItem(short dialogId, short item) {
    if (item == DG_CLOSEBOX) {
        if (Open(dialogId) == nullptr)
            return std::nullopt;
    } else {
        const ItemState* state = Reachable(dialogId, item);
        if (state == nullptr)
            return std::nullopt;
        if (TakesFocus(*state))
            detail::Dialogs().focus = Focus{dialogId, item};
    }
    DGItemClickData data;
    return SendClick(dialogId, item, data);
}

std::optional<short> ClickListRow(short dialogId, short item, short row, short x, bool extend) {
    ListState* list = ListWithRow(dialogId, item, row);
    if (list == nullptr)
        return std::nullopt;
    SelectRow(*list, row, extend);
    DGItemClickData data;
    data.listRow = row;
    data.xPos = x;
    return SendClick(dialogId, item, data);
}

std::optional<short> DoubleClickListRow(short dialogId, short item, short row) {
    ListState* list = ListWithRow(dialogId, item, row);
    if (list == nullptr)
        return std::nullopt;
    SelectRow(*list, row, false);
    DGItemClickData data;
    data.dialogId = dialogId;
    data.item = item;
    data.listRow = row;
    return detail::Deliver(dialogId, DG_MSG_DOUBLECLICK, item, reinterpret_cast<DGMessageData>(&data));
}

std::optional<short> TypeText(short dialogId, short item, const std::string& text) {
    ItemState* state = Reachable(dialogId, item);
    if (state == nullptr || state->type != DialogItemType::EditText)
        return std::nullopt;
    state->text = text;
    detail::Dialogs().focus = Focus{dialogId, item};
    return detail::Deliver(dialogId, DG_MSG_CHANGE, item, 0);
}

std::optional<short> PressKey(short dialogId, short key, short modifiers) {
    const DialogState* dialog = Open(dialogId);
    if (dialog == nullptr)
        return std::nullopt;
    for (const HotKey& hotKey : dialog->hotKeys)
        if (hotKey.key == key && hotKey.modifiers == modifiers)
            return detail::Deliver(dialogId, DG_MSG_HOTKEY, 0, hotKey.id);
    return std::nullopt;
}

std::optional<short> ResizeDialog(short dialogId, short h, short v) {
    DialogState* dialog = Open(dialogId);
    if (dialog == nullptr)
        return std::nullopt;
    dialog->width = static_cast<short>(dialog->width + h);
    dialog->height = static_cast<short>(dialog->height + v);
    const auto halves =
        static_cast<UInt32>(static_cast<UInt16>(h)) | static_cast<UInt32>(static_cast<UInt16>(v)) << 16;
    return detail::Deliver(dialogId, DG_MSG_GROW, 0, static_cast<Int32>(halves));
}

std::optional<std::string> HoverListRow(short dialogId, short item, short row) {
    const ItemState* state = Reachable(dialogId, item, false);
    if (state == nullptr || !state->list || state->list->helpStyle != 1)
        return std::nullopt;
    DGToolTipData data;
    data.dialogId = dialogId;
    data.item = item;
    data.listRow = row >= 1 && row <= static_cast<Int32>(state->list->rows.size()) ? row : 0;
    if (detail::Deliver(dialogId, DG_MSG_TOOLTIP, item, reinterpret_cast<DGMessageData>(&data)) != 1)
        return std::nullopt;
    return data.tooltipText.ToUtf8();
}

void SendIdle() {
    for (const short id : OpenDialogIds()) {
        const DialogState* dialog = Open(id);
        if (dialog != nullptr && dialog->enabledMessages.count(DG_MSG_IDLE) != 0)
            detail::Deliver(id, DG_MSG_IDLE, 0, 0);
    }
}

} // namespace hostplatform
