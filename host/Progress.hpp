// The host program's picture of the process window on a stream (stderr): on a terminal a live bar while
// the window is open; elsewhere, so that logs stay readable, one line when it closes.
#pragma once

#include "hostplatform/Host.hpp"

#include <ostream>
#include <string>

namespace qelmhost {

class ProgressBar {
  public:
    ProgressBar(std::ostream& out, bool live) : out_(out), live_(live) {}

    // Called after each change of the process window. The progress is the number of cancel checks
    // against the maximum of the first phase: the add-on checks once per element or group.
    void Update(const hostplatform::ProcessWindowState& window);
    // "[progress] TITLE: CHECKS/MAX", followed by " cancelled" when the user cancelled.
    static std::string Line(const hostplatform::ProcessWindowState& window, bool cancelled);

    void SetCancelled(bool cancelled) { cancelled_ = cancelled; }

  private:
    void Draw(const hostplatform::ProcessWindowState& window);

    std::ostream& out_;
    bool live_;
    bool wasOpen_ = false;
    bool cancelled_ = false;
    int drawnFill_ = -1;
};

} // namespace qelmhost
