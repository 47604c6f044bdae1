#include "engine/host/TypeConv.hpp"

std::string TypeConv::String2Ansi(const GS::UniString& text) {
    return std::string(text.ToCStr().Get());
}

GS::UniString TypeConv::Ansi2String(const std::string& text) {
    return GS::UniString(text.c_str(), CC_Default);
}

GS::UniString TypeConv::Wstring2UniString(const std::wstring& text) {
    GS::UniString result;
    for (const wchar_t ch : text) {
        if (ch != 0)
            result += static_cast<GS::uchar_t>(static_cast<UInt32>(ch) & 0xFFFF);
    }
    return result;
}

std::wstring TypeConv::UniString2Wstring(const GS::UniString& text) {
    std::wstring result;
    result.reserve(text.GetLength());
    for (GS::UIndex i = 0; i < text.GetLength(); ++i)
        result += static_cast<wchar_t>(text[i]);
    return result;
}

std::string TypeConv::Wstring2AnsiString(const std::wstring& text) {
    std::string result;
    result.reserve(text.size());
    for (const wchar_t ch : text)
        result += static_cast<char>(ch);
    return result;
}

std::wstring TypeConv::AnsiString2Wstring(const std::string& text) {
    std::wstring result;
    result.reserve(text.size());
    for (const char ch : text)
        result += static_cast<wchar_t>(static_cast<unsigned char>(ch));
    return result;
}

std::string TypeConv::Integer2AnsiString(int value) {
    return std::to_string(value);
}

GS::Array<GS::UniString> TypeConv::AnsiVector2UniStringArray(const std::vector<std::string>& texts) {
    GS::Array<GS::UniString> result;
    result.Reserve(static_cast<GS::USize>(texts.size()));
    for (const std::string& text : texts)
        result.Push(Ansi2String(text));
    return result;
}

Int32 TypeConv::Split(const GS::UniString& text, const GS::UniString& separator,
                      GS::Array<GS::UniString>& out) {
    out.Clear();
    GS::UIndex start = 0;
    if (!separator.IsEmpty()) {
        for (GS::UIndex at = text.FindFirst(separator); at != GS::MaxUIndex;
             at = text.FindFirst(separator, start)) {
            out.Push(text.GetSubstring(start, at - start));
            start = at + separator.GetLength();
        }
    }
    if (start < text.GetLength())
        out.Push(text.GetSubstring(start, text.GetLength() - start));
    return static_cast<Int32>(out.GetSize());
}
