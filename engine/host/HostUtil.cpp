#include "engine/host/HostUtil.hpp"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

constexpr int kReportBufferSize = 512;
constexpr std::size_t kAutotextLogWidth = 32;

// At most `bytes` bytes of the UTF-8 text, never ending inside a character.
std::string CutUtf8(const GS::UniString& text, std::size_t bytes) {
    std::string utf8 = text.ToUtf8();
    if (utf8.size() <= bytes)
        return utf8;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        --end;
    utf8.resize(end);
    return utf8;
}

} // namespace

void WriteReport(const char* format, ...) {
    char buffer[kReportBufferSize];
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(buffer, sizeof(buffer), format, args);
    va_end(args);
    if (written < 0)
        buffer[0] = '\0';
    // The text goes out as an argument, never as a format, so its "%" characters show as they are.
    const GS::UniString text(buffer);
    DBPrintf("%s\n", text.ToCStr().Get());
}

API_ElemTypeID Neig_To_ElemID(API_NeigID neigID) {
    API_ElemTypeID type = API_ZombieElemID;
    if (ACAPI_Element_NeigIDToElemType(neigID, type) != NoError)
        return API_ZombieElemID;
    return type;
}

GS::UniString Get_Autotext_By_Key(GS::UniString key) {
    GS::Array<GS::Array<GS::UniString>> rows;
    if (ACAPI_AutoText_GetAutoTexts(&rows, APIAutoText_All) != NoError)
        return GS::UniString();

    for (const GS::Array<GS::UniString>& row : rows) {
        if (row.GetSize() < 3 || row[1] != key)
            continue;
        GS::Array<GS::UniString> texts = row;
        for (GS::UniString& text : texts)
            text.ReplaceAll("%", "");
        WriteReport("+%32s+%32s+%32s+", CutUtf8(texts[0], kAutotextLogWidth).c_str(),
                    CutUtf8(texts[1], kAutotextLogWidth).c_str(),
                    CutUtf8(texts[2], kAutotextLogWidth).c_str());
        return texts[2];
    }
    return GS::UniString();
}
