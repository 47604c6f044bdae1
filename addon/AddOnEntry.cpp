#include "addon/AddOnEntry.hpp"

#include "addon/MenuCommand.hpp"

namespace {

constexpr short NameIndex = 1;
constexpr short DescriptionIndex = 2;
constexpr GSFlags MenuFlags = 2;

} // namespace

API_AddonType CheckEnvironment(API_EnvirParams* envir) {
    if (envir == nullptr || envir->serverInfo_applicationID != APIAppl_ArchiCADID)
        return APIAddon_DontRegister;
    GS::UniString name;
    GS::UniString description;
    ACAPI_Resource_GetLocStr(&name, QELM_STRINGS_RESID, NameIndex, ACAPI_GetOwnResModule());
    ACAPI_Resource_GetLocStr(&description, QELM_STRINGS_RESID, DescriptionIndex, ACAPI_GetOwnResModule());
    envir->addOnInfo.name = name;
    envir->addOnInfo.description = description;
    return APIAddon_Normal;
}

GSErrCode RegisterInterface() {
    return ACAPI_MenuItem_RegisterMenu(QELM_MENU_RESID, 0, MenuCode_UserDef, MenuFlags);
}

GSErrCode Initialize() {
    return ACAPI_MenuItem_InstallMenuHandler(QELM_MENU_RESID, OnQELM_Meetstaatcmd);
}

GSErrCode FreeData() {
    ClosePalette();
    return NoError;
}
