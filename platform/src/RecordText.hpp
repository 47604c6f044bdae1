// Copies of text into the fixed-size character fields of host records.
#pragma once

#include "GS/UniString.hpp"

#include <algorithm>
#include <cstddef>
#include <string>

namespace hostplatform::detail {

// UTF-16 into a zero-terminated field of `capacity` units; longer text is cut at capacity - 1 units.
inline void CopyToUStr(const GS::UniString& text, GS::uchar_t* field, size_t capacity) {
    const size_t length = std::min<size_t>(text.GetLength(), capacity - 1);
    std::copy_n(text.ToUStr(), length, field);
    field[length] = 0;
}

// UTF-8 into a zero-terminated field of `capacity` bytes; longer text is cut before the character
// that does not fit, never inside one.
inline void CopyToCStr(const std::string& utf8, char* field, size_t capacity) {
    size_t length = std::min(utf8.size(), capacity - 1);
    if (length < utf8.size())
        while (length > 0 && (static_cast<unsigned char>(utf8[length]) & 0xC0) == 0x80)
            --length;
    std::copy_n(utf8.data(), length, field);
    field[length] = 0;
}

} // namespace hostplatform::detail
