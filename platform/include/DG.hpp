// The stand-in host's dialog framework.
#pragma once

#include "GS.hpp"

constexpr short DG_ERROR = -3;
constexpr short DG_WARNING = -2;
constexpr short DG_INFORMATION = -1;

// Shows an alert and returns the number of the button pressed (1 for the first). The stand-in records
// the alert (see hostplatform::Alerts) and presses the first button.
short DGAlert(short alertType, const GS::UniString& title, const GS::UniString& text1,
              const GS::UniString& text2, const GS::UniString& button1,
              const GS::UniString& button2 = GS::UniString(), const GS::UniString& button3 = GS::UniString());
