// The "faults" section of a project file: host calls that fail, for every argument or for one element
// or one index, and the cancel check at which the process window reports a cancel.
#pragma once

#include "JsonNode.hpp"
#include "References.hpp"

namespace hostplatform::projectfile {

// Reads "faults" into the context's project. Needs the elements read before.
void ReadFaults(const Node& section, LoadContext& context);

} // namespace hostplatform::projectfile
