// The stand-in host's base library in one include.
#pragma once

#include "GS/Array.hpp"
#include "GS/Debug.hpp"
#include "GS/Guid.hpp"
#include "GS/HashTable.hpp"
#include "GS/Memory.hpp"
#include "GS/Pair.hpp"
#include "GS/Types.hpp"
#include "GS/UniString.hpp"
