// Items of the stand-in host's dialogs: texts, visibility, state, fonts, focus, hot keys, moving and
// growing.
#include "DialogSystem.hpp"

using namespace hostplatform;
using detail::DialogItem;
using detail::OpenDialog;

void DGSetItemText(short dialId, short item, const GS::UniString& text) {
    if (ItemState* state = DialogItem(dialId, item, __func__))
        state->text = text.ToUtf8();
}

GS::UniString DGGetItemText(short dialId, short item) {
    const ItemState* state = DialogItem(dialId, item, __func__);
    return state == nullptr ? GS::UniString() : GS::UniString::FromUtf8(state->text);
}

void DGShowItem(short dialId, short item) {
    if (ItemState* state = DialogItem(dialId, item, __func__))
        state->visible = true;
}

void DGHideItem(short dialId, short item) {
    if (ItemState* state = DialogItem(dialId, item, __func__))
        state->visible = false;
}

void DGEnableItem(short dialId, short item) {
    if (ItemState* state = DialogItem(dialId, item, __func__))
        state->enabled = true;
}

void DGDisableItem(short dialId, short item) {
    if (ItemState* state = DialogItem(dialId, item, __func__))
        state->enabled = false;
}

void DGSetItemEnable(short dialId, short item, bool enable) {
    if (ItemState* state = DialogItem(dialId, item, __func__))
        state->enabled = enable;
}

void DGSetItemFont(short dialId, short item, short fontFlags) {
    if (ItemState* state = DialogItem(dialId, item, __func__))
        state->fontFlags = fontFlags;
}

void DGSetFocus(short dialId, short item) {
    if (DialogItem(dialId, item, __func__) != nullptr)
        detail::Dialogs().focus = Focus{dialId, item};
}

bool DGGetFocus(short* dialId, short* item) {
    const Focus focus = detail::Dialogs().focus;
    if (dialId != nullptr)
        *dialId = focus.dialogId;
    if (item != nullptr)
        *item = focus.item;
    return focus.dialogId != 0;
}

short DGRegisterHotKey(short dialId, short modifiers, short key) {
    DialogState* dialog = OpenDialog(dialId, __func__);
    if (dialog == nullptr)
        return 0;
    for (const HotKey& hotKey : dialog->hotKeys)
        if (hotKey.modifiers == modifiers && hotKey.key == key)
            return hotKey.id;
    const auto id = static_cast<short>(dialog->hotKeys.size() + 1);
    dialog->hotKeys.push_back(HotKey{id, modifiers, key});
    return id;
}

void DGBeginMoveGrowItems(short dialId) {
    if (DialogState* dialog = OpenDialog(dialId, __func__))
        ++dialog->moveGrowDepth;
}

void DGMoveItem(short dialId, short item, short h, short v) {
    if (ItemState* state = DialogItem(dialId, item, __func__)) {
        state->left = static_cast<short>(state->left + h);
        state->top = static_cast<short>(state->top + v);
    }
}

void DGGrowItem(short dialId, short item, short h, short v) {
    if (ItemState* state = DialogItem(dialId, item, __func__)) {
        state->width = static_cast<short>(state->width + h);
        state->height = static_cast<short>(state->height + v);
    }
}

void DGEndMoveGrowItems(short dialId) {
    DialogState* dialog = OpenDialog(dialId, __func__);
    if (dialog == nullptr)
        return;
    if (dialog->moveGrowDepth == 0) {
        detail::RecordError(__func__, "no DGBeginMoveGrowItems in dialog " + std::to_string(dialId));
        return;
    }
    if (--dialog->moveGrowDepth == 0)
        ++dialog->moveGrowRounds;
}

GS::UniString DGGetItemAnchorString(short dialId, short item) {
    const ItemState* state = DialogItem(dialId, item, __func__);
    return state == nullptr ? GS::UniString() : GS::UniString::FromUtf8(state->anchor);
}
