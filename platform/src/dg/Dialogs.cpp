// Dialogs of the stand-in host's dialog framework: layouts, opening and closing, message delivery.
#include "DialogSystem.hpp"
#include "io/FileLibrary.hpp"

#include <string>

namespace hostplatform {

namespace detail {

DialogSystem& Dialogs() {
    static DialogSystem system;
    return system;
}

void RecordError(const char* call, const std::string& what) {
    Dialogs().errors.push_back(std::string(call) + ": " + what);
}

DialogState* OpenDialog(short dialId, const char* call) {
    auto& dialogs = Dialogs().dialogs;
    const auto found = dialogs.find(dialId);
    if (found != dialogs.end())
        return &found->second;
    RecordError(call, "dialog " + std::to_string(dialId) + " is not open");
    return nullptr;
}

ItemState* DialogItem(short dialId, short item, const char* call) {
    DialogState* dialog = OpenDialog(dialId, call);
    if (dialog == nullptr)
        return nullptr;
    const auto found = dialog->items.find(item);
    if (found != dialog->items.end())
        return &found->second;
    RecordError(call, "dialog " + std::to_string(dialId) + " has no item " + std::to_string(item));
    return nullptr;
}

ListState* DialogList(short dialId, short item, const char* call) {
    ItemState* state = DialogItem(dialId, item, call);
    if (state == nullptr)
        return nullptr;
    if (state->list)
        return &*state->list;
    RecordError(call, "item " + std::to_string(item) + " of dialog " + std::to_string(dialId) +
                          " is not a list box");
    return nullptr;
}

ListRow* RowAt(ListState& list, short pos) {
    if (pos == -1)
        pos = static_cast<short>(list.rows.size());
    if (pos < 1 || pos > static_cast<Int32>(list.rows.size()))
        return nullptr;
    return &list.rows[pos - 1];
}

short Deliver(short dialId, short message, short item, DGMessageData data) {
    const auto& dialogs = Dialogs().dialogs;
    const auto found = dialogs.find(dialId);
    if (found == dialogs.end() || found->second.callback == nullptr)
        return 0;
    // Copies: the callback may close the dialog.
    const DGDialCallBack callback = found->second.callback;
    const DGUserData userData = found->second.userData;
    return callback(message, dialId, item, userData, data);
}

void CloseDialog(short dialId, short item) {
    DialogSystem& system = Dialogs();
    const auto found = system.dialogs.find(dialId);
    if (found == system.dialogs.end() || found->second.closing)
        return;
    found->second.closing = true;
    Deliver(dialId, DG_MSG_CLOSE, item, 0);
    system.dialogs.erase(dialId);
    if (system.focus.dialogId == dialId)
        system.focus = Focus();
    system.closedBy[dialId] = item;
}

} // namespace detail

using detail::Dialogs;

namespace {

ItemState ItemFromLayout(const DialogItemLayout& layout) {
    ItemState item;
    item.id = layout.id;
    item.type = layout.type;
    item.text = layout.text;
    item.visible = layout.visible;
    item.enabled = layout.enabled;
    item.fontFlags = layout.fontFlags;
    item.left = layout.left;
    item.top = layout.top;
    item.width = layout.width;
    item.height = layout.height;
    item.anchor = layout.anchor;
    if (layout.type == DialogItemType::ListBox) {
        item.list.emplace();
        item.list->multiSelect = layout.multiSelect;
    }
    return item;
}

short StartDialog(short resId, bool modeless, DGDialCallBack callback, DGUserData userData,
                  const char* call) {
    detail::DialogSystem& system = Dialogs();
    const auto layout = system.layouts.find(resId);
    if (layout == system.layouts.end()) {
        detail::RecordError(call, "no dialog layout " + std::to_string(resId));
        return 0;
    }
    if (system.dialogs.count(resId) != 0) {
        detail::RecordError(call, "dialog " + std::to_string(resId) + " is open already");
        return 0;
    }
    DialogState dialog;
    dialog.id = resId;
    dialog.modeless = modeless;
    dialog.title = layout->second.title;
    dialog.width = layout->second.width;
    dialog.height = layout->second.height;
    dialog.callback = callback;
    dialog.userData = userData;
    for (const DialogItemLayout& item : layout->second.items)
        dialog.items[item.id] = ItemFromLayout(item);
    system.dialogs.emplace(resId, std::move(dialog));
    detail::Deliver(resId, DG_MSG_INIT, 0, 0);
    return resId;
}

} // namespace

void RegisterDialogLayout(DialogLayout layout) {
    const short id = layout.id;
    Dialogs().layouts[id] = std::move(layout);
}

const DialogState* FindDialog(short dialogId) {
    const auto& dialogs = Dialogs().dialogs;
    const auto found = dialogs.find(dialogId);
    return found == dialogs.end() ? nullptr : &found->second;
}

std::vector<short> OpenDialogIds() {
    std::vector<short> ids;
    for (const auto& [id, dialog] : Dialogs().dialogs)
        ids.push_back(id);
    return ids;
}

const ListState* FindList(short dialogId, short item) {
    const DialogState* dialog = FindDialog(dialogId);
    if (dialog == nullptr)
        return nullptr;
    const auto found = dialog->items.find(item);
    if (found == dialog->items.end() || !found->second.list)
        return nullptr;
    return &*found->second.list;
}

Focus CurrentFocus() {
    return Dialogs().focus;
}

std::vector<std::string>& DialogErrors() {
    return Dialogs().errors;
}

void SetModalUser(std::function<void(short dialogId)> user) {
    Dialogs().modalUser = std::move(user);
}

void ResetDialogs() {
    Dialogs() = detail::DialogSystem();
    detail::ResetFileLibrary();
}

} // namespace hostplatform

using namespace hostplatform;

short DGModelessInit(GSResModule, short resId, GSResModule, DGDialCallBack callback, DGUserData userData,
                     short) {
    return StartDialog(resId, true, callback, userData, __func__);
}

short DGModalDialog(GSResModule, short resId, GSResModule, DGDialCallBack callback, DGUserData userData) {
    const short id = StartDialog(resId, false, callback, userData, __func__);
    if (id == 0)
        return 0;
    detail::DialogSystem& system = Dialogs();
    system.closedBy.erase(id);
    if (FindDialog(id) != nullptr && system.modalUser) {
        const auto user = system.modalUser;
        user(id);
    }
    detail::CloseDialog(id, 0);
    const auto closed = system.closedBy.find(id);
    return closed == system.closedBy.end() ? 0 : closed->second;
}

bool DGIsDialogOpen(short dialId) {
    return FindDialog(dialId) != nullptr;
}

void DGModelessClose(short dialId) {
    if (detail::OpenDialog(dialId, __func__) != nullptr)
        detail::CloseDialog(dialId, 0);
}

void DGSetDialogZPosition(short dialId, short position) {
    if (DialogState* dialog = detail::OpenDialog(dialId, __func__))
        dialog->zPosition = position;
}

void DGSetDialogTitle(short dialId, const GS::UniString& title) {
    if (DialogState* dialog = detail::OpenDialog(dialId, __func__))
        dialog->title = title.ToUtf8();
}

void DGEnableMessage(short dialId, short item, short message, short interval) {
    DialogState* dialog = detail::OpenDialog(dialId, __func__);
    if (dialog == nullptr)
        return;
    if (item != 0 && dialog->items.count(item) == 0) {
        detail::RecordError(__func__,
                            "dialog " + std::to_string(dialId) + " has no item " + std::to_string(item));
        return;
    }
    dialog->enabledMessages[message] = interval;
}
