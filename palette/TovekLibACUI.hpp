// Thin wrappers that bind one of the add-on's dialog layouts and a dialog callback to the host's dialog
// framework: Palette for a modeless palette (base of DlgPresentData), Dialog for a modal dialog. The
// layout and the icons always come from the add-on's own resource module. Neither class owns anything
// nor has virtual operations.
//
// Calling order: Initialize, then ShowModeless (or Show), then for a palette SetTopMost. The id that
// GetDialogID gives addresses the palette in DGIsDialogOpen and DGModelessClose.
#pragma once

#include "DG.hpp"
#include "GS.hpp"

namespace TovekLib::ACUI {

class Palette {
  public:
    // Stores the layout id, the callback and the value handed to the callback with every message; no
    // framework call. Always true.
    bool Initialize(short resId, DGDialCallBack dialogCallback, Int64 callbackUserData);
    // Opens the layout as a modeless dialog (the framework sends the init message before this returns,
    // with IsModeless already true). Always true: a dialog the framework refused shows up only as a
    // dialog id of 0.
    bool ShowModeless();
    // Runs the layout as a modal dialog; GetDialogID then gives the framework's result. Always true.
    bool Show();
    bool IsModeless() const { return modeless; }
    // Keeps the palette above the other windows.
    void SetTopMost();
    short GetModelessPageId() const { return dialogId; }
    short GetDialogID() const { return dialogId; }

  private:
    Int64 userData = 0;
    bool modeless = false;
    short resourceId = 0;
    DGDialCallBack callback = nullptr;
    short dialogId = 0;
};

class Dialog {
  public:
    // Stores the three values; no framework call. Always true.
    bool Initialize(short resId, DGDialCallBack dialogCallback, Int64 callbackUserData);
    // Runs the layout as a modal dialog and drops the framework's result. Always true.
    bool Show();

  private:
    short resourceId = 0;
    DGDialCallBack callback = nullptr;
    Int64 userData = 0;
};

} // namespace TovekLib::ACUI
