#include "hostplatform/Host.hpp"

#include "hostplatform/Dialogs.hpp"
#include "hostplatform/Shell.hpp"

#include "HostState.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/HostCalls.hpp"

namespace hostplatform {

namespace detail {

HostState& State() {
    static HostState state;
    return state;
}

void NotifyProcessObserver() {
    const HostState& state = State();
    if (state.processObserver)
        state.processObserver(state.processWindow);
}

} // namespace detail

using detail::State;

Project& CurrentProject() {
    return State().project;
}

void SetProject(Project project) {
    // Collisions are mutual; making them so once lets each query look at one element's list only.
    project.MakeCollisionsMutual();
    for (const InjectedFault& fault : project.faults)
        Faults::Inject(fault);
    if (project.cancelAfter)
        Faults::CancelAfter(*project.cancelAfter);
    State().project = std::move(project);
}

void ResetHost() {
    detail::HostState& state = State();
    // The observer and the printing switch belong to the host program, not to one session.
    auto observer = std::move(state.processObserver);
    const bool printAlerts = state.printAlerts;
    state = detail::HostState();
    state.processObserver = std::move(observer);
    state.printAlerts = printAlerts;
    Faults::Clear();
    HostCalls::Reset();
    ResetDialogs();
    OpenedUrls().clear();
}

std::vector<AlertRecord>& Alerts() {
    return State().alerts;
}

void SetPrintAlerts(bool on) {
    State().printAlerts = on;
}

const ProcessWindowState& ProcessWindow() {
    return State().processWindow;
}

void SetProcessObserver(std::function<void(const ProcessWindowState&)> observer) {
    State().processObserver = std::move(observer);
}

const std::vector<API_Guid>& LastZoom() {
    return State().lastZoom;
}

std::vector<MenuRegistration>& Menus() {
    return State().menus;
}

GSErrCode InvokeMenu(short menuStrResID, short itemIndex) {
    for (const MenuRegistration& menu : State().menus) {
        if (menu.menuStrResID == menuStrResID && menu.handler != nullptr) {
            const API_MenuParams params{menuStrResID, itemIndex};
            return menu.handler(&params);
        }
    }
    return APIERR_BADID;
}

GSErrCode SendProjectEvent(API_NotifyEventID event, Int32 param) {
    const detail::HostState& state = State();
    if (state.eventHandler == nullptr || (state.eventMask & event) == 0)
        return NoError;
    return state.eventHandler(event, param);
}

GSFlags ProjectEventMask() {
    return State().eventMask;
}

std::map<Int32, ModelessWindow>& ModelessWindows() {
    return State().modelessWindows;
}

std::map<std::pair<short, short>, GS::UniString>& ResourceStrings() {
    return State().resources;
}

API_EnvirParams& Environment() {
    return State().environment;
}

} // namespace hostplatform
