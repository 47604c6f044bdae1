// The stand-in host's state behind the public accessors of hostplatform/Host.hpp; shared by the
// add-on interface's implementation files only.
#pragma once

#include "hostplatform/Host.hpp"

#include <functional>
#include <map>
#include <vector>

namespace hostplatform::detail {

struct HostState {
    Project project;
    std::vector<AlertRecord> alerts;
    bool printAlerts = false;
    ProcessWindowState processWindow;
    std::function<void(const ProcessWindowState&)> processObserver;
    std::vector<API_Guid> lastZoom;
    std::vector<MenuRegistration> menus;
    GSFlags eventMask = 0;
    APIProjectEventHandlerProc* eventHandler = nullptr;
    std::map<Int32, ModelessWindow> modelessWindows;
    std::map<std::pair<short, short>, GS::UniString> resources;
    API_EnvirParams environment;
};

HostState& State();
void NotifyProcessObserver();

// Bookkeeping of memo parts and attribute definitions handed to the add-on.
void MemoPartHandedOut();
void MemoPartDisposed();

} // namespace hostplatform::detail
