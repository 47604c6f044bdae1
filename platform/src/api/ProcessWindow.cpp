// The process window of the stand-in host: counts what the add-on asks of it, for tests and for the
// host program's progress bar.
#include "ACAPinc.hpp"
#include "HostState.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/HostCalls.hpp"

using hostplatform::Faults;
using hostplatform::HostCalls;
using hostplatform::detail::NotifyProcessObserver;
using hostplatform::detail::State;

GSErrCode ACAPI_ProcessWindow_InitProcessWindow(const GS::UniString* title, Int32*) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    hostplatform::ProcessWindowState& window = State().processWindow;
    const Int32 opened = window.opened + 1;
    const Int32 closed = window.closed;
    window = hostplatform::ProcessWindowState();
    window.open = true;
    window.title = title == nullptr ? std::string() : title->ToUtf8();
    window.opened = opened;
    window.closed = closed;
    NotifyProcessObserver();
    return NoError;
}

GSErrCode ACAPI_ProcessWindow_SetNextProcessPhase(const GS::UniString* subtitle, Int32* maxval, bool*) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    hostplatform::ProcessWindowState& window = State().processWindow;
    const Int32 max = maxval == nullptr ? 0 : *maxval;
    if (++window.phaseCalls == 1)
        window.phaseMax = max;
    window.lastMax = max;
    window.subtitle = subtitle == nullptr ? std::string() : subtitle->ToUtf8();
    NotifyProcessObserver();
    return NoError;
}

bool ACAPI_ProcessWindow_IsProcessCanceled() {
    const HostCalls::Call counted(__func__);
    hostplatform::ProcessWindowState& window = State().processWindow;
    ++window.cancelChecks;
    const bool canceled = Faults::NextCancelCheck();
    window.canceled = window.canceled || canceled;
    NotifyProcessObserver();
    return canceled;
}

GSErrCode ACAPI_ProcessWindow_CloseProcessWindow() {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    hostplatform::ProcessWindowState& window = State().processWindow;
    window.open = false;
    ++window.closed;
    NotifyProcessObserver();
    return NoError;
}
