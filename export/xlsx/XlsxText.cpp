#include "export/xlsx/XlsxText.hpp"

namespace xlsx {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

bool IsXmlChar(char32_t code) {
    if (code < 0x20)
        return code == 0x09 || code == 0x0A || code == 0x0D;
    return code != 0xFFFE && code != 0xFFFF;
}

// Decodes one well-formed sequence at `in[pos]`. Returns its length and sets `code`, or returns 0 and
// sets `skip` to the length of the ill-formed part to replace by one U+FFFD.
std::size_t DecodeOne(std::string_view in, std::size_t pos, char32_t& code, std::size_t& skip) {
    const auto lead = static_cast<unsigned char>(in[pos]);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, min = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, min = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, min = 0x10000, code = lead & 0x07;
    } else {
        skip = 1;
        return 0;
    }
    std::size_t i = 1;
    for (; i < length && pos + i < in.size() && IsContinuation(static_cast<unsigned char>(in[pos + i])); ++i)
        code = (code << 6) | (static_cast<unsigned char>(in[pos + i]) & 0x3F);
    if (i < length) {
        skip = i;
        return 0;
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        skip = length;
        return 0;
    }
    return length;
}

// "_xHHHH_" at `pos` (hex digits in either case)?
bool IsEscapeLookalike(std::string_view in, std::size_t pos) {
    if (in.size() - pos < 7 || in[pos + 1] != 'x' || in[pos + 6] != '_')
        return false;
    for (std::size_t i = pos + 2; i < pos + 6; ++i) {
        const char c = in[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

} // namespace

std::size_t CleanText(std::string_view in, std::string& out) {
    out.clear();
    out.reserve(in.size());
    std::size_t units = 0;
    std::size_t pos = 0;
    while (pos < in.size()) {
        const auto byte = static_cast<unsigned char>(in[pos]);
        if (byte >= 0x20 && byte < 0x80) {
            if (byte == '_' && IsEscapeLookalike(in, pos))
                out += "_x005F", units += 6;
            out += static_cast<char>(byte);
            ++units, ++pos;
            continue;
        }
        char32_t code = 0;
        std::size_t skip = 0;
        const std::size_t length = byte < 0x80 ? (code = byte, 1) : DecodeOne(in, pos, code, skip);
        if (length == 0 || !IsXmlChar(code)) {
            out += kReplacement;
            ++units;
            pos += length == 0 ? skip : length;
            continue;
        }
        out.append(in.substr(pos, length));
        units += code >= 0x10000 ? 2 : 1;
        pos += length;
    }
    return units;
}

std::optional<CellAddress> ParseCellReference(std::string_view reference) {
    std::size_t pos = 0;
    std::uint32_t column = 0;
    for (; pos < reference.size() && pos < 4; ++pos) {
        char c = reference[pos];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z')
            break;
        column = column * 26 + static_cast<std::uint32_t>(c - 'A' + 1);
    }
    const std::size_t digits = reference.size() - pos;
    if (pos == 0 || column > kMaxColumns || digits == 0 || digits > 10 || reference[pos] == '0')
        return std::nullopt;
    std::uint64_t row = 0;
    for (; pos < reference.size(); ++pos) {
        const char c = reference[pos];
        if (c < '0' || c > '9')
            return std::nullopt;
        row = row * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (row > UINT32_MAX)
        return std::nullopt;
    return CellAddress{static_cast<std::uint32_t>(row - 1), column - 1};
}

std::string FormatCellReference(CellAddress address) {
    std::string letters;
    for (std::uint32_t column = address.column + 1; column > 0; column = (column - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
    return letters + std::to_string(address.row + 1);
}

} // namespace xlsx
