// The add-on's host calls as the host program prints them with --host-calls: per process window (one
// take-off or one export) when it closes, and for the whole session at the end.
#pragma once

#include "hostplatform/Host.hpp"
#include "hostplatform/HostCalls.hpp"

#include <optional>
#include <ostream>

namespace qelmhost {

class HostCallReport {
  public:
    // Counts from here on.
    explicit HostCallReport(std::ostream& out) : out_(out) {}

    // Called after each change of the process window.
    void Update(const hostplatform::ProcessWindowState& window);
    void PrintTotal() const;

  private:
    std::ostream& out_;
    hostplatform::HostCalls::Tally session_;
    std::optional<hostplatform::HostCalls::Tally> window_;
};

} // namespace qelmhost
