// A plug-in whose menu command throws, for the host program's test that a plug-in is unloaded through
// FreeData whatever a command throws. FreeData says so on standard output.
#include "ACAPinc.hpp"

#include <cstdio>
#include <stdexcept>

namespace {

constexpr short MenuId = 32503;

GSErrCode ThrowingCommand(const API_MenuParams*) {
    throw std::runtime_error("the menu command threw");
}

} // namespace

extern "C" {

API_AddonType CheckEnvironment(API_EnvirParams*) {
    return APIAddon_Normal;
}

GSErrCode RegisterInterface() {
    return ACAPI_MenuItem_RegisterMenu(MenuId, 0, MenuCode_UserDef, 0);
}

GSErrCode Initialize() {
    return ACAPI_MenuItem_InstallMenuHandler(MenuId, ThrowingCommand);
}

GSErrCode FreeData() {
    std::puts("FreeData");
    return NoError;
}
}
