#include "Progress.hpp"

#include <algorithm>

namespace qelmhost {

namespace {

constexpr int kBarWidth = 30;

int Fill(const hostplatform::ProcessWindowState& window) {
    if (window.phaseMax <= 0)
        return 0;
    const Int64 done = std::min<Int64>(window.cancelChecks, window.phaseMax);
    return static_cast<int>(done * kBarWidth / window.phaseMax);
}

} // namespace

std::string ProgressBar::Line(const hostplatform::ProcessWindowState& window, bool cancelled) {
    std::string line = "[progress] " + window.title + ": " + std::to_string(window.cancelChecks) + "/" +
                       std::to_string(window.phaseMax);
    return cancelled ? line + " cancelled" : line;
}

void ProgressBar::Update(const hostplatform::ProcessWindowState& window) {
    if (window.open) {
        wasOpen_ = true;
        if (live_)
            Draw(window);
        return;
    }
    if (!wasOpen_)
        return;
    wasOpen_ = false;
    drawnFill_ = -1;
    out_ << (live_ ? "\r" : "") << Line(window, cancelled_) << std::string(live_ ? kBarWidth : 0, ' ') << "\n"
         << std::flush;
    cancelled_ = false;
}

void ProgressBar::Draw(const hostplatform::ProcessWindowState& window) {
    const int fill = Fill(window);
    if (fill == drawnFill_)
        return;
    drawnFill_ = fill;
    out_ << "\r" << window.title << " [" << std::string(fill, '#') << std::string(kBarWidth - fill, '.')
         << "] " << window.cancelChecks << "/" << window.phaseMax << std::flush;
}

} // namespace qelmhost
