// Add-on life of the stand-in host: resources, menus, project events, modeless windows, the token.
#include "ACAPinc.hpp"
#include "HostState.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/HostCalls.hpp"

using hostplatform::Faults;
using hostplatform::HostCalls;
using hostplatform::detail::State;

namespace {
constexpr GSResModule kOwnResModule = 1;
constexpr API_Token kHostToken = 0x51454C4D;
} // namespace

GSResModule ACAPI_GetOwnResModule() {
    const HostCalls::Call counted(__func__);
    return kOwnResModule;
}

bool ACAPI_Resource_GetLocStr(GS::UniString* str, short resID, short index, GSResModule) {
    const HostCalls::Call counted(__func__);
    if (str == nullptr || Faults::Check(__func__))
        return false;
    const auto& resources = State().resources;
    const auto found = resources.find({resID, index});
    if (found == resources.end()) {
        str->Clear();
        return false;
    }
    *str = found->second;
    return true;
}

GSErrCode ACAPI_MenuItem_RegisterMenu(short menuStrResID, short promptStrResID, APIMenuCodeID menuPosCode,
                                      GSFlags menuFlags) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    hostplatform::MenuRegistration menu;
    menu.menuStrResID = menuStrResID;
    menu.promptStrResID = promptStrResID;
    menu.menuPosCode = menuPosCode;
    menu.menuFlags = menuFlags;
    State().menus.push_back(menu);
    return NoError;
}

GSErrCode ACAPI_MenuItem_InstallMenuHandler(short menuStrResID, APIMenuCommandProc* handlerProc) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    for (hostplatform::MenuRegistration& menu : State().menus) {
        if (menu.menuStrResID == menuStrResID) {
            menu.handler = handlerProc;
            return NoError;
        }
    }
    return APIERR_BADID;
}

GSErrCode ACAPI_ProjectOperation_CatchProjectEvent(GSFlags eventTypes,
                                                   APIProjectEventHandlerProc* handlerProc) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    State().eventMask = eventTypes;
    State().eventHandler = handlerProc;
    return NoError;
}

GSErrCode ACAPI_RegisterModelessWindow(Int32 referenceID, APIPaletteControlCallBackProc* callBackProc,
                                       GSFlags controlFlags, const API_Guid&) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    State().modelessWindows[referenceID] = hostplatform::ModelessWindow{callBackProc, controlFlags};
    return NoError;
}

GSErrCode ACAPI_UnregisterModelessWindow(Int32 referenceID) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    return State().modelessWindows.erase(referenceID) > 0 ? NoError : APIERR_BADID;
}

API_Token ACAPI_GetToken() {
    const HostCalls::Call counted(__func__);
    return kHostToken;
}
