// Basic types of the stand-in host's base library.
#pragma once

#include <cstddef>
#include <cstdint>

using Int8 = std::int8_t;
using UInt8 = std::uint8_t;
using Int16 = std::int16_t;
using UInt16 = std::uint16_t;
using Int32 = std::int32_t;
using UInt32 = std::uint32_t;
using Int64 = std::int64_t;
using UInt64 = std::uint64_t;
using GSSize = Int32;
using GSFlags = Int32;
using GSErrCode = Int32;
using GSResModule = Int32;

// A movable memory block: a pointer to the block's pointer (see GS/Memory.hpp).
using GSPtr = char*;
using GSHandle = char**;

constexpr GSErrCode NoError = 0;

namespace GS {
using uchar_t = char16_t; // one UTF-16 code unit
using Int32 = ::Int32;
using UInt32 = ::UInt32;
using UIndex = ::UInt32;
constexpr UIndex MaxUIndex = 0xFFFFFFFF;
} // namespace GS
