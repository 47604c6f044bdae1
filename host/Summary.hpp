// The project summary the host program prints when it has no commands to play.
#pragma once

#include "hostplatform/Model.hpp"

#include <ostream>

namespace qelmhost {

// Counts per element type, classification systems with their item counts, stories and layers.
void PrintSummary(const hostplatform::Project& project, std::ostream& out);

} // namespace qelmhost
