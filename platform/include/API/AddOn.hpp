// Add-on life records of the stand-in host: environment, menus, notifications, modeless windows,
// process window.
#pragma once

#include "API/Types.hpp"
#include "GS/UniString.hpp"

// Application identification that CheckEnvironment reads.
constexpr Int32 APIAppl_ArchiCADID = 1;
struct API_ServerApplicationInfo {
    Int32 mainVersion = 28;
    Int32 releaseVersion = 0;
};
struct API_AddOnInfo {
    GS::UniString name;
    GS::UniString description;
};
struct API_EnvirParams {
    Int32 serverInfo_applicationID = APIAppl_ArchiCADID;
    API_ServerApplicationInfo serverApplicationInfo;
    API_AddOnInfo addOnInfo;
};

using API_AddonType = Int32;
enum : API_AddonType {
    APIAddon_DontRegister = 0,
    APIAddon_Normal = 1,
    APIAddon_Preload = 2,
    APIAddon_Unknown = 3
};

using APIMenuCodeID = Int32;
enum : APIMenuCodeID { MenuCode_UserDef = 0, MenuCode_Tools = 1, MenuCode_Extras = 2 };
constexpr GSFlags MenuFlag_Default = 0;

struct API_MenuParams {
    short menuResID = 0;
    short itemIndex = 0;
};
using APIMenuCommandProc = GSErrCode(const API_MenuParams* menuParams);

// Project events; the handler is called with the event code.
using API_NotifyEventID = Int32;
enum : API_NotifyEventID {
    APINotify_New = 1,
    APINotify_NewAndReset = 2,
    APINotify_Open = 4,
    APINotify_PreSave = 8,
    APINotify_Save = 16,
    APINotify_Close = 32,
    APINotify_Quit = 64,
    APINotify_TempSave = 128,
    APINotify_ChangeProjectDB = 256,
    APINotify_ChangeWindow = 512,
    APINotify_ChangeFloor = 1024,
    APINotify_ChangeLibrary = 2048,
    APINotify_AllEvents = 4095
};
using APIProjectEventHandlerProc = GSErrCode(API_NotifyEventID notifID, Int32 param);

// Modeless palettes registered with the host.
using API_PaletteMessageID = Int32;
enum : API_PaletteMessageID {
    APIPalMsg_ClosePalette = 0,
    APIPalMsg_HidePalette_Begin = 1,
    APIPalMsg_HidePalette_End = 2,
    APIPalMsg_DisableItems_Begin = 3,
    APIPalMsg_DisableItems_End = 4,
    APIPalMsg_OpenPalette = 5,
    APIPalMsg_IsPaletteVisible = 6
};
using APIPaletteControlCallBackProc = GSErrCode(Int32 referenceID, API_PaletteMessageID messageID,
                                                Int64 param);
constexpr GSFlags API_PalEnabled_FloorPlan = 1;
constexpr GSFlags API_PalEnabled_Section = 2;
constexpr GSFlags API_PalEnabled_3D = 4;

// The add-on's token for the host's other interfaces (IFC).
using API_Token = Int64;
