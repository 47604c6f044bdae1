// The stand-in host's state beyond the project: what the host program and the tests use to set the
// scene and to read what the add-on did (alerts, progress, selection, registrations).
#pragma once

#include "hostplatform/Model.hpp"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace hostplatform {

Project& CurrentProject();
// Installs the project and injects its faults and cancel count; faults set before stay.
void SetProject(Project project);
// A fresh host: an empty project, no faults, host-call counts, alerts, registrations, resources or
// process window. The process observer and the alert printing switch stay as they are.
void ResetHost();

// Alerts shown through DGAlert, in order.
struct AlertRecord {
    Int32 type = 0;
    std::string title;
    std::string text;
    std::string text2;
    std::string button1;
    std::string button2;
    std::string button3;
};
std::vector<AlertRecord>& Alerts();
// Alerts are also printed to stderr when this is on (the host program turns it on).
void SetPrintAlerts(bool on);

// The process window, as the add-on drives it.
struct ProcessWindowState {
    bool open = false;
    std::string title;
    std::string subtitle;
    Int32 phaseMax = 0;     // maximum of the first phase call since the window opened
    Int32 lastMax = 0;      // maximum of the latest phase call
    Int32 phaseCalls = 0;   // phase calls since the window opened
    Int32 cancelChecks = 0; // cancel checks since the window opened
    bool canceled = false;  // a cancel check since the window opened answered true
    Int32 opened = 0;       // windows opened since the reset
    Int32 closed = 0;       // windows closed since the reset
};
const ProcessWindowState& ProcessWindow();
// Called after each change of the process window (the host program draws its progress bar with it).
void SetProcessObserver(std::function<void(const ProcessWindowState&)> observer);

// Selection and view.
const std::vector<API_Guid>& LastZoom();

// Registrations of the add-on.
struct MenuRegistration {
    short menuStrResID = 0;
    short promptStrResID = 0;
    APIMenuCodeID menuPosCode = MenuCode_UserDef;
    GSFlags menuFlags = MenuFlag_Default;
    APIMenuCommandProc* handler = nullptr;
};
std::vector<MenuRegistration>& Menus();
// Runs the installed handler of the menu; APIERR_BADID when there is none.
GSErrCode InvokeMenu(short menuStrResID, short itemIndex);
// Delivers a project event to the handler when its mask holds the event; NoError when none listens.
GSErrCode SendProjectEvent(API_NotifyEventID event, Int32 param = 0);
GSFlags ProjectEventMask();
struct ModelessWindow {
    APIPaletteControlCallBackProc* callBack = nullptr;
    GSFlags controlFlags = 0;
};
std::map<Int32, ModelessWindow>& ModelessWindows();

// The add-on's resources: localised strings by resource id and item index (from 1).
std::map<std::pair<short, short>, GS::UniString>& ResourceStrings();
// The environment the host reports to CheckEnvironment.
API_EnvirParams& Environment();

// Memo parts (parameter list, element ID text, segment block) and composite skin handles handed out
// and not yet disposed through ACAPI_DisposeElemMemoHdls / ACAPI_DisposeAttrDefsHdlsExt.
Int64 LiveMemoCount();

} // namespace hostplatform
