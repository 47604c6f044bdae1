#include "palette/TovekLibACUI.hpp"

#include "ACAPinc.hpp"

namespace TovekLib::ACUI {

namespace {
constexpr short kOpenAsPalette = 1;
} // namespace

bool Palette::Initialize(short resId, DGDialCallBack dialogCallback, Int64 callbackUserData) {
    resourceId = resId;
    callback = dialogCallback;
    userData = callbackUserData;
    return true;
}

bool Palette::ShowModeless() {
    modeless = true;
    dialogId = DGModelessInit(ACAPI_GetOwnResModule(), resourceId, ACAPI_GetOwnResModule(), callback,
                              userData, kOpenAsPalette);
    return true;
}

bool Palette::Show() {
    modeless = false;
    dialogId =
        DGModalDialog(ACAPI_GetOwnResModule(), resourceId, ACAPI_GetOwnResModule(), callback, userData);
    return true;
}

void Palette::SetTopMost() {
    DGSetDialogZPosition(dialogId, DG_TOPMOST);
}

bool Dialog::Initialize(short resId, DGDialCallBack dialogCallback, Int64 callbackUserData) {
    resourceId = resId;
    callback = dialogCallback;
    userData = callbackUserData;
    return true;
}

bool Dialog::Show() {
    DGModalDialog(ACAPI_GetOwnResModule(), resourceId, ACAPI_GetOwnResModule(), callback, userData);
    return true;
}

} // namespace TovekLib::ACUI
