// The add-on's one menu command, which opens the palette, and the project-event handler that closes it.
// The shell keeps only the dialog id of the palette it opened last, never the palette object.
#pragma once

#include "ACAPinc.hpp"

constexpr short kStringsResId = 32000;
constexpr short kMenuResId = 32503;
constexpr API_NotifyEventID kCloseEvent = APINotify_Quit; // 0x40

// The menu command: for menu 32503 it (re)registers the project-event handler, closes an open palette
// and opens a fresh one. Any other menu does nothing. Always 0.
GSErrCode OnQELM_Meetstaatcmd(const API_MenuParams* menuParams);
// Closes the palette on event 0x40; ignores every other event. Always 0.
GSErrCode NotificationHandler(API_NotifyEventID notifID, Int32 param);
// Closes the palette that the command opened last, if it is still open, and forgets its id. A palette
// the user closed by hand is left alone and its id kept.
void ClosePalette();
// True while the palette that the command opened last is open.
bool IsEditorOpen();
bool OkToStart();
