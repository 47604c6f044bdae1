// UTF-16 text of the stand-in host's base library.
#pragma once

#include "GS/Types.hpp"

#include <compare>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

// The host's character codes; its default is UTF-8.
enum GSCharCode { CC_Default = 0, CC_UTF8 = 1 };

namespace GS {

using USize = UInt32;

class UniString {
  public:
    // A UTF-8 copy of the text that stays valid as long as this object lives.
    class CStr {
      public:
        explicit CStr(std::string utf8) : utf8_(std::move(utf8)) {}
        const char* Get() const { return utf8_.c_str(); }
        operator const char*() const { return utf8_.c_str(); }

      private:
        std::string utf8_;
    };

    UniString() = default;
    UniString(const char* utf8); // invalid bytes become U+FFFD; nullptr gives empty text
    UniString(const char* text, GSCharCode charCode);
    UniString(const uchar_t* zeroTerminated);
    UniString(const uchar_t* text, USize length);
    UniString(const UniString&) = default;
    UniString(UniString&&) noexcept = default;
    UniString& operator=(const UniString&) = default;
    UniString& operator=(UniString&&) noexcept = default;

    static UniString FromUtf8(std::string_view utf8);
    static UniString Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

    // Always valid UTF-8: lone surrogates, U+FFFE and U+FFFF become U+FFFD.
    CStr ToCStr() const { return CStr(ToUtf8()); }
    CStr ToCStr(GSCharCode) const { return CStr(ToUtf8()); }
    std::string ToUtf8() const;
    const uchar_t* ToUStr() const { return text_.c_str(); }

    USize GetLength() const { return static_cast<USize>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }
    void Clear() { text_.clear(); }

    uchar_t operator[](UIndex index) const;
    uchar_t& operator[](UIndex index);

    UniString& operator+=(const UniString& other);
    UniString& operator+=(const char* utf8);
    UniString& operator+=(uchar_t ch);
    UniString& Append(const UniString& other) { return *this += other; }

    UniString ToLowerCase() const;
    UniString ToUpperCase() const;
    void SetToLowerCase() { *this = ToLowerCase(); }
    void SetToUpperCase() { *this = ToUpperCase(); }

    void Trim();
    void TrimLeft();
    void TrimRight();

    // Searches return MaxUIndex when nothing is found.
    UIndex FindFirst(const UniString& what, UIndex from = 0) const;
    UIndex FindFirst(uchar_t ch, UIndex from = 0) const;
    UIndex FindLast(const UniString& what) const;
    bool Contains(const UniString& what) const { return FindFirst(what) != MaxUIndex; }
    bool Contains(uchar_t ch) const { return FindFirst(ch) != MaxUIndex; }
    bool BeginsWith(const UniString& prefix) const;
    bool EndsWith(const UniString& suffix) const;

    // Ranges are clamped to the text.
    UniString GetSubstring(UIndex from, USize length) const;
    UniString GetPrefix(USize length) const { return GetSubstring(0, length); }
    UniString GetSuffix(USize length) const;

    USize ReplaceAll(const UniString& what, const UniString& with);
    void Delete(UIndex from, USize length);
    void Delete(UIndex at) { Delete(at, 1); }
    void Insert(UIndex at, const UniString& text);

    friend bool operator==(const UniString& a, const UniString& b) { return a.text_ == b.text_; }
    friend auto operator<=>(const UniString& a, const UniString& b) { return a.text_ <=> b.text_; }
    friend bool operator==(const UniString& a, const char* utf8) { return a == UniString(utf8); }

    friend UniString operator+(UniString a, const UniString& b) { return a += b; }
    friend UniString operator+(UniString a, const char* b) { return a += b; }
    friend UniString operator+(const char* a, const UniString& b) { return UniString(a) += b; }

  private:
    std::u16string text_;
};

UniString ValueToUniString(Int32 value);
UniString ValueToUniString(Int64 value);
UniString ValueToUniString(UInt32 value);
// The shortest text that reads back to the same double, independent of the locale.
UniString ValueToUniString(double value);

} // namespace GS

namespace std {
template <> struct hash<GS::UniString> {
    size_t operator()(const GS::UniString& s) const noexcept {
        return hash<u16string_view>{}(u16string_view(s.ToUStr(), s.GetLength()));
    }
};
} // namespace std
