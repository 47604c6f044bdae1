// 128-bit identifiers of the stand-in host's base library.
#pragma once

#include "GS/Types.hpp"
#include "GS/UniString.hpp"

#include <array>
#include <cstddef>
#include <functional>

namespace GS {

class Guid {
  public:
    static constexpr GSErrCode ErrBadFormat = -1;

    Guid() = default; // the null guid

    static Guid Generate();

    bool IsNull() const;
    void SetNull() { bytes_.fill(0); }

    // XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX, upper-case; the bytes in order.
    UniString ToUniString() const;
    // Accepts either hex case and optional surrounding braces; on error returns
    // ErrBadFormat and leaves the guid unchanged.
    GSErrCode ConvertFromString(const char* text);
    GSErrCode ConvertFromString(const UniString& text);

    const UInt8* Bytes() const { return bytes_.data(); }
    UInt8* Bytes() { return bytes_.data(); }

    friend bool operator==(const Guid& a, const Guid& b) { return a.bytes_ == b.bytes_; }
    friend bool operator<(const Guid& a, const Guid& b) { return a.bytes_ < b.bytes_; }

  private:
    std::array<UInt8, 16> bytes_{};
};

} // namespace GS

namespace std {
template <> struct hash<GS::Guid> { size_t operator()(const GS::Guid& guid) const noexcept; };
} // namespace std
