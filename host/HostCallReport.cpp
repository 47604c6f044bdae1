#include "HostCallReport.hpp"

namespace qelmhost {

namespace {

// "[host calls] WHAT: TOTAL", then "  NAME: COUNT" per call name.
void Print(std::ostream& out, const std::string& what, const hostplatform::HostCalls::Tally& tally) {
    out << "[host calls] " << what << ": " << tally.Total() << "\n";
    for (const auto& [name, count] : tally.ByName())
        out << "  " << name << ": " << count << "\n";
}

} // namespace

void HostCallReport::Update(const hostplatform::ProcessWindowState& window) {
    if (window.open && !window_) {
        window_.emplace(); // inside the window's opening call, which it counts
    } else if (!window.open && window_) {
        Print(out_, window.title, *window_);
        window_.reset();
    }
}

void HostCallReport::PrintTotal() const {
    Print(out_, "total", session_);
}

} // namespace qelmhost
