// The stand-in host's count of memory blocks, for leak checks in tests.
#pragma once

#include "GS/Types.hpp"

namespace hostplatform {

// Handles plus pointers allocated and not yet killed.
Int64 LiveHandleCount();

} // namespace hostplatform
