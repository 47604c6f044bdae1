#include "addon/MenuCommand.hpp"

#include "engine/host/Main.hpp"
#include "palette/DlgPresentData.hpp"

#include "DG.hpp"

namespace {

constexpr GSFlags kAllProjectEvents = 0xFFF;

// The palette that the command opened last; 0 when none, or when this shell closed it.
constinit short m_shDialogID = 0;

} // namespace

short Main::PresentData() {
    // An open palette frees itself after its close message; one the framework refused is ours to free.
    DlgPresentData* palette = new DlgPresentData();
    palette->ShowModeless();
    const short dialogId = palette->GetDialogID();
    if (dialogId == 0)
        delete palette;
    return dialogId;
}

void ClosePalette() {
    if (m_shDialogID == 0 || !DGIsDialogOpen(m_shDialogID))
        return;
    DGModelessClose(m_shDialogID);
    m_shDialogID = 0;
}

GSErrCode OnQELM_Meetstaatcmd(const API_MenuParams* menuParams) {
    if (menuParams == nullptr || menuParams->menuResID != kMenuResId)
        return NoError;
    ACAPI_ProjectOperation_CatchProjectEvent(kAllProjectEvents, NotificationHandler);
    ClosePalette();
    m_shDialogID = Main::PresentData();
    return NoError;
}

GSErrCode NotificationHandler(API_NotifyEventID notifID, Int32) {
    if (notifID == kCloseEvent)
        ClosePalette();
    return NoError;
}

bool IsEditorOpen() {
    return m_shDialogID != 0 && DGIsDialogOpen(m_shDialogID);
}

bool OkToStart() {
    return true;
}
