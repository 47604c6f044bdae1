// Text conversions between the host's GS::UniString (UTF-16), 8-bit strings in the host's default
// character code (UTF-8) and wide strings, and splitting a text at a separator.
#pragma once

#include "GS.hpp"

#include <string>
#include <vector>

class TypeConv {
  public:
    static std::string String2Ansi(const GS::UniString& text);
    static GS::UniString Ansi2String(const std::string& text);
    // Each non-zero wide character becomes one UTF-16 unit (its low 16 bits).
    static GS::UniString Wstring2UniString(const std::wstring& text);
    // Each UTF-16 unit becomes one wide character.
    static std::wstring UniString2Wstring(const GS::UniString& text);
    // Each wide character is narrowed to one byte (its low 8 bits).
    static std::string Wstring2AnsiString(const std::wstring& text);
    // Each byte becomes one wide character (0 to 255).
    static std::wstring AnsiString2Wstring(const std::string& text);
    static std::string Integer2AnsiString(int value);
    static GS::Array<GS::UniString> AnsiVector2UniStringArray(const std::vector<std::string>& texts);
    // Clears out and fills it with the pieces of text between non-overlapping occurrences of separator,
    // empty ones included, but without an empty last piece; returns the number of pieces. An empty
    // separator occurs nowhere.
    static Int32 Split(const GS::UniString& text, const GS::UniString& separator,
                       GS::Array<GS::UniString>& out);
};
