#include "addon/AddOnEntry.hpp"

#include "addon/MenuCommand.hpp"

namespace {

constexpr short kNameIndex = 1;
constexpr short kDescriptionIndex = 2;
constexpr GSFlags kMenuFlags = 2;

} // namespace

API_AddonType CheckEnvironment(API_EnvirParams* envir) {
    if (envir == nullptr || envir->serverInfo_applicationID != APIAppl_ArchiCADID)
        return APIAddon_DontRegister;
    GS::UniString name;
    GS::UniString description;
    ACAPI_Resource_GetLocStr(&name, kStringsResId, kNameIndex, ACAPI_GetOwnResModule());
    ACAPI_Resource_GetLocStr(&description, kStringsResId, kDescriptionIndex, ACAPI_GetOwnResModule());
    envir->addOnInfo.name = name;
    envir->addOnInfo.description = description;
    return APIAddon_Normal;
}

GSErrCode RegisterInterface() {
    return ACAPI_MenuItem_RegisterMenu(kMenuResId, 0, MenuCode_UserDef, kMenuFlags);
}

GSErrCode Initialize() {
    return ACAPI_MenuItem_InstallMenuHandler(kMenuResId, OnQELM_Meetstaatcmd);
}

GSErrCode FreeData() {
    ClosePalette();
    return NoError;
}
