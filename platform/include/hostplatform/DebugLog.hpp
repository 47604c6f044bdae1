// The stand-in host's debug log (DBPrintf), as tests read it.
#pragma once

#include <string>
#include <vector>

namespace hostplatform {

// The most recent entries (at most 10,000), oldest first.
std::vector<std::string> DebugLog();
void ClearDebugLog();

} // namespace hostplatform
