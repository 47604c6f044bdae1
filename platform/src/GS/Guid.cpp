#include "GS/Guid.hpp"

#include <algorithm>
#include <cstring>
#include <random>
#include <string_view>

namespace GS {

namespace {

constexpr size_t kTextLength = 36;

bool IsDashPosition(size_t i) {
    return i == 8 || i == 13 || i == 18 || i == 23;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Writes `out` only when the whole text is a well-formed guid.
bool Parse(std::string_view text, std::array<UInt8, 16>& out) {
    if (text.size() == kTextLength + 2 && text.front() == '{' && text.back() == '}')
        text = text.substr(1, kTextLength);
    if (text.size() != kTextLength)
        return false;

    std::array<UInt8, 16> parsed{};
    size_t byte = 0;
    for (size_t i = 0; i < kTextLength; i += 2) {
        if (IsDashPosition(i)) {
            if (text[i] != '-')
                return false;
            ++i;
        }
        const int high = HexValue(text[i]);
        const int low = HexValue(text[i + 1]);
        if (high < 0 || low < 0)
            return false;
        parsed[byte++] = static_cast<UInt8>(high << 4 | low);
    }
    out = parsed;
    return true;
}

std::mt19937_64& Generator() {
    thread_local std::mt19937_64 generator = [] {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device(), device(), device(), device(), device()};
        return std::mt19937_64(seed);
    }();
    return generator;
}

} // namespace

Guid Guid::Generate() {
    Guid guid;
    const UInt64 halves[2] = {Generator()(), Generator()()};
    std::memcpy(guid.bytes_.data(), halves, sizeof halves);
    // Mark it as a random (version 4, RFC 4122 variant) identifier, as other tools expect.
    guid.bytes_[6] = static_cast<UInt8>((guid.bytes_[6] & 0x0F) | 0x40);
    guid.bytes_[8] = static_cast<UInt8>((guid.bytes_[8] & 0x3F) | 0x80);
    return guid;
}

bool Guid::IsNull() const {
    return std::all_of(bytes_.begin(), bytes_.end(), [](UInt8 b) { return b == 0; });
}

UniString Guid::ToUniString() const {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(kTextLength);
    for (size_t i = 0; i < bytes_.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += '-';
        text += kDigits[bytes_[i] >> 4];
        text += kDigits[bytes_[i] & 0x0F];
    }
    return UniString::FromUtf8(text);
}

GSErrCode Guid::ConvertFromString(const char* text) {
    return text != nullptr && Parse(text, bytes_) ? NoError : ErrBadFormat;
}

GSErrCode Guid::ConvertFromString(const UniString& text) {
    return Parse(text.ToUtf8(), bytes_) ? NoError : ErrBadFormat;
}

} // namespace GS

size_t std::hash<GS::Guid>::operator()(const GS::Guid& guid) const noexcept {
    UInt64 halves[2];
    std::memcpy(halves, guid.Bytes(), sizeof halves);
    return std::hash<UInt64>{}(halves[0] ^ (halves[1] * 0x9E3779B97F4A7C15ULL));
}
