#include "GS/UniString.hpp"

#include "Format.hpp"

#include <unicode/uchar.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <system_error>

namespace GS {

namespace {

constexpr char32_t kReplacementChar = 0xFFFD;

std::u16string DecodeUtf8(std::string_view utf8) {
    if (utf8.empty())
        return {};
    // Every UTF-8 byte yields at most one UTF-16 unit, so one pass is enough.
    std::u16string out(utf8.size(), u'\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, utf8.data(),
                         static_cast<int32_t>(utf8.size()), kReplacementChar, nullptr, &status);
    if (U_FAILURE(status))
        return {};
    out.resize(static_cast<size_t>(length));
    return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

// Reads one code point at `i` and advances past it; broken input yields U+FFFD.
char32_t NextCodePoint(const std::u16string& text, size_t& i) {
    const char16_t unit = text[i++];
    if (IsHighSurrogate(unit) && i < text.size() && IsLowSurrogate(text[i])) {
        const char16_t low = text[i++];
        return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00);
    }
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit) || unit == 0xFFFE || unit == 0xFFFF)
        return kReplacementChar;
    return unit;
}

using CaseMapper = int32_t (*)(UChar*, int32_t, const UChar*, int32_t, const char*, UErrorCode*);

std::u16string MapCase(const std::u16string& text, CaseMapper mapper) {
    if (text.empty())
        return {};
    const auto srcLength = static_cast<int32_t>(text.size());
    // Full case mapping can grow the text (e.g. "ß" -> "SS"); retry with the reported size.
    std::u16string out(text.size() + 8, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    int32_t length =
        mapper(out.data(), static_cast<int32_t>(out.size()), text.data(), srcLength, "", &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        out.assign(static_cast<size_t>(length), u'\0');
        status = U_ZERO_ERROR;
        length = mapper(out.data(), length, text.data(), srcLength, "", &status);
    }
    if (U_FAILURE(status))
        return text;
    out.resize(static_cast<size_t>(length));
    return out;
}

bool IsWhiteSpace(char16_t unit) {
    return u_isUWhiteSpace(unit);
}

UIndex ToIndex(size_t position) {
    return position == std::u16string::npos ? MaxUIndex : static_cast<UIndex>(position);
}

} // namespace

UniString::UniString(const char* utf8) {
    if (utf8 != nullptr)
        text_ = DecodeUtf8(utf8);
}

UniString::UniString(const char* text, GSCharCode) : UniString(text) {}

UniString::UniString(const uchar_t* zeroTerminated) {
    if (zeroTerminated != nullptr)
        text_ = zeroTerminated;
}

UniString::UniString(const uchar_t* text, USize length) {
    if (text != nullptr)
        text_.assign(text, length);
}

UniString UniString::FromUtf8(std::string_view utf8) {
    UniString result;
    result.text_ = DecodeUtf8(utf8);
    return result;
}

UniString UniString::Printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string utf8 = detail::FormatWithCNumerics(format, args);
    va_end(args);
    return FromUtf8(utf8);
}

std::string UniString::ToUtf8() const {
    std::string out;
    out.reserve(text_.size());
    for (size_t i = 0; i < text_.size();)
        AppendUtf8(out, NextCodePoint(text_, i));
    return out;
}

uchar_t UniString::operator[](UIndex index) const {
    assert(index < text_.size());
    return text_[index];
}

uchar_t& UniString::operator[](UIndex index) {
    assert(index < text_.size());
    return text_[index];
}

UniString& UniString::operator+=(const UniString& other) {
    text_ += other.text_;
    return *this;
}

UniString& UniString::operator+=(const char* utf8) {
    if (utf8 != nullptr)
        text_ += DecodeUtf8(utf8);
    return *this;
}

UniString& UniString::operator+=(uchar_t ch) {
    text_ += ch;
    return *this;
}

UniString UniString::ToLowerCase() const {
    UniString result;
    result.text_ = MapCase(text_, u_strToLower);
    return result;
}

UniString UniString::ToUpperCase() const {
    UniString result;
    result.text_ = MapCase(text_, u_strToUpper);
    return result;
}

void UniString::Trim() {
    TrimRight();
    TrimLeft();
}

void UniString::TrimLeft() {
    const auto first = std::find_if_not(text_.begin(), text_.end(), IsWhiteSpace);
    text_.erase(text_.begin(), first);
}

void UniString::TrimRight() {
    const auto last = std::find_if_not(text_.rbegin(), text_.rend(), IsWhiteSpace);
    text_.erase(last.base(), text_.end());
}

UIndex UniString::FindFirst(const UniString& what, UIndex from) const {
    return ToIndex(text_.find(what.text_, from));
}

UIndex UniString::FindFirst(uchar_t ch, UIndex from) const {
    return ToIndex(text_.find(ch, from));
}

UIndex UniString::FindLast(const UniString& what) const {
    return ToIndex(text_.rfind(what.text_));
}

bool UniString::BeginsWith(const UniString& prefix) const {
    return std::u16string_view(text_).starts_with(prefix.text_);
}

bool UniString::EndsWith(const UniString& suffix) const {
    return std::u16string_view(text_).ends_with(suffix.text_);
}

UniString UniString::GetSubstring(UIndex from, USize length) const {
    UniString result;
    if (from < text_.size())
        result.text_ = text_.substr(from, length);
    return result;
}

UniString UniString::GetSuffix(USize length) const {
    const USize size = GetLength();
    return length >= size ? *this : GetSubstring(size - length, length);
}

USize UniString::ReplaceAll(const UniString& what, const UniString& with) {
    if (what.text_.empty())
        return 0;
    // Building a fresh string keeps the inserted text out of the scan.
    std::u16string out;
    USize count = 0;
    size_t start = 0;
    for (size_t hit = text_.find(what.text_); hit != std::u16string::npos;
         hit = text_.find(what.text_, start)) {
        out.append(text_, start, hit - start);
        out += with.text_;
        start = hit + what.text_.size();
        ++count;
    }
    if (count > 0) {
        out.append(text_, start, std::u16string::npos);
        text_ = std::move(out);
    }
    return count;
}

void UniString::Delete(UIndex from, USize length) {
    if (from < text_.size())
        text_.erase(from, length);
}

void UniString::Insert(UIndex at, const UniString& text) {
    assert(at <= text_.size());
    text_.insert(std::min<size_t>(at, text_.size()), text.text_);
}

namespace {

template <typename Number> UniString NumberToUniString(Number value) {
    char buffer[64];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    assert(result.ec == std::errc());
    return UniString::FromUtf8(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)));
}

} // namespace

UniString ValueToUniString(Int32 value) {
    return NumberToUniString(value);
}
UniString ValueToUniString(Int64 value) {
    return NumberToUniString(value);
}
UniString ValueToUniString(UInt32 value) {
    return NumberToUniString(value);
}

UniString ValueToUniString(double value) {
    // to_chars would print "-nan" for a negative NaN; the host has only one.
    if (std::isnan(value))
        return UniString("nan");
    return NumberToUniString(value);
}

} // namespace GS
