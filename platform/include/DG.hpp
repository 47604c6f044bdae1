// The stand-in host's dialog framework: dialogs, items, list boxes, hot keys, alerts and the file and
// folder dialogs, addressed by 16-bit dialog id and item number. It draws nothing: the state is kept
// for the host program and the tests to read (hostplatform/Dialogs.hpp), which also act as the user.
// Calls on a dialog that is not open or an item it does not have do nothing (getters give 0 or the
// empty text) and are recorded in hostplatform::DialogErrors.
#pragma once

#include "DG/Dialog.hpp"
#include "DG/FileDialog.hpp"
#include "DG/ListBox.hpp"
#include "GS.hpp"

constexpr short DG_ERROR = -3;
constexpr short DG_WARNING = -2;
constexpr short DG_INFORMATION = -1;

// Shows an alert and returns the number of the button pressed (1 for the first). The stand-in records
// the alert (see hostplatform::Alerts) and presses the first button.
short DGAlert(short alertType, const GS::UniString& title, const GS::UniString& text1,
              const GS::UniString& text2, const GS::UniString& button1,
              const GS::UniString& button2 = GS::UniString(), const GS::UniString& button3 = GS::UniString());
