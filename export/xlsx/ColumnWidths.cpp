#include "export/xlsx/ColumnWidths.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace xlsx {

namespace {

// Advance widths of Arial, regular and bold, for ' ' to '~' in thousandths of an em.
constexpr std::uint16_t kRegular[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};
constexpr std::uint16_t kBold[95] = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611, 975, 722, 722, 722, 722, 667,
    611, 778, 722, 278, 556, 722, 611, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667,
    667, 611, 333, 278, 333, 584, 556, 333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556,
    278, 889, 611, 611, 611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};

constexpr std::uint32_t kDigit = 556;
constexpr std::uint32_t kPoint = 278; // also the thousands separator, either way round
constexpr std::uint32_t kMinus = 333;

using WidthTable = std::array<std::uint16_t, 256>;

// By UTF-8 byte, so that a text is measured without decoding it: a continuation byte adds nothing, a
// character of two bytes counts as a wide Latin letter (combining marks, lead bytes 0xCC and 0xCD, as
// nothing), a longer one as a full em (CJK, symbols, emoji).
constexpr WidthTable MakeTable(const std::uint16_t (&ascii)[95]) {
    WidthTable table{};
    table['\t'] = ascii[0];
    for (std::size_t c = 0x20; c < 0x7F; ++c)
        table[c] = ascii[c - 0x20];
    for (std::size_t c = 0xC0; c < table.size(); ++c)
        table[c] = c < 0xE0 ? 722 : 1000;
    table[0xCC] = table[0xCD] = 0;
    return table;
}

constexpr WidthTable kRegularTable = MakeTable(kRegular);
constexpr WidthTable kBoldTable = MakeTable(kBold);

bool StartsCharacter(unsigned char byte) {
    return (byte & 0xC0) != 0x80;
}

void AddLiteral(NumberLook& look, char c) {
    const auto byte = static_cast<unsigned char>(c);
    look.literal_milli_em += kBoldTable[byte];
    look.literal_characters += StartsCharacter(byte) ? 1u : 0u;
}

bool IsGeneral(std::string_view code) {
    constexpr std::string_view general = "general";
    return code.empty() || code == "@" ||
           std::equal(code.begin(), code.end(), general.begin(), general.end(),
                      [](char a, char b) { return (a | 0x20) == b; });
}

// Reads a digit placeholder ('0', '#' or '?').
void ReadPlaceholder(NumberLook& look, char c, bool& comma_pending) {
    look.digits = true;
    if (look.scientific) {
        AddLiteral(look, '0');
    } else if (look.point) {
        ++look.decimals;
    } else {
        look.min_digits += c == '#' ? 0 : 1;
        look.grouped = look.grouped || comma_pending;
    }
    comma_pending = false;
}

// Skips a bracketed part ([Red], [>100], [$EUR-813]) but for a currency's text; returns its last index.
std::size_t ReadBracket(NumberLook& look, std::string_view code, std::size_t at) {
    const std::size_t end = std::min(code.find(']', at), code.size());
    if (at + 1 < end && code[at + 1] == '$') {
        for (std::size_t i = at + 2; i < end && code[i] != '-'; ++i)
            AddLiteral(look, code[i]);
    }
    return end;
}

std::size_t ReadQuoted(NumberLook& look, std::string_view code, std::size_t at) {
    std::size_t i = at + 1;
    for (; i < code.size() && code[i] != '"'; ++i)
        AddLiteral(look, code[i]);
    return i;
}

// Reads the part of the code that starts at `at` (a placeholder, a quoted text, an escaped character, a
// bracket, a literal); returns the index of its last character.
std::size_t ReadPart(NumberLook& look, std::string_view code, std::size_t at, bool& comma_pending) {
    const char c = code[at];
    const char next = at + 1 < code.size() ? code[at + 1] : '\0';
    switch (c) {
    case '0':
    case '#':
    case '?':
        ReadPlaceholder(look, c, comma_pending);
        return at;
    case '"':
        return ReadQuoted(look, code, at);
    case '[':
        return ReadBracket(look, code, at);
    case '\\':
    case '_': // an escaped character, or room for one
        if (next != '\0')
            AddLiteral(look, next);
        return at + 1;
    case '*': // repeats a character to fill the cell: needs no room
        return at + 1;
    default:
        break;
    }
    if (c == '.' && !look.point && !look.scientific) {
        look.point = true;
    } else if (c == ',' && look.digits && !look.point) {
        comma_pending = true;
    } else if ((c == 'E' || c == 'e') && (next == '+' || next == '-')) {
        look.scientific = true;
        AddLiteral(look, 'E');
        AddLiteral(look, next);
        return at + 1;
    } else {
        look.percent = look.percent || c == '%';
        AddLiteral(look, c);
    }
    return at;
}

// Integer digits of `value` (0 below 1), counted without printing it.
std::uint32_t IntegerDigits(double value) {
    std::uint32_t digits = 0;
    for (double power = 1.0; value >= power && digits < 309; power *= 10.0)
        ++digits;
    return digits;
}

} // namespace

NumberLook ReadNumberFormat(std::string_view code) {
    NumberLook look;
    if (IsGeneral(code))
        return look;
    look.general = false;
    bool comma_pending = false;
    for (std::size_t i = 0; i < code.size() && code[i] != ';'; ++i)
        i = ReadPart(look, code, i, comma_pending);
    if (!look.digits && look.point) { // a date's or a text's point is a literal
        look.point = false;
        AddLiteral(look, '.');
    }
    look.half_step = 0.5 * std::pow(10.0, -static_cast<double>(look.decimals));
    return look;
}

Extent MeasureText(std::string_view text, bool bold) {
    const WidthTable& table = bold ? kBoldTable : kRegularTable;
    std::uint32_t widest = 0;
    std::uint32_t most = 0;
    std::uint32_t width = 0;
    std::uint32_t characters = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\n') {
            widest = std::max(widest, width);
            most = std::max(most, characters);
            width = characters = 0;
            continue;
        }
        width += table[byte];
        characters += StartsCharacter(byte) ? 1u : 0u;
    }
    return Extent{std::max(widest, width) / 1000.0, std::max(most, characters)};
}

Extent MeasureNumber(double number, const NumberLook& look) {
    double value = std::fabs(number);
    std::uint32_t digits = 0;
    std::uint32_t decimals = look.decimals;
    std::uint32_t separators = 0;
    bool point = look.point;
    if (look.general) {
        // Whole numbers up to eleven digits in full; anything else rounded or in scientific notation,
        // in eleven characters at most.
        const bool whole = value == std::trunc(value) && value < 1e11;
        digits = whole ? std::max(IntegerDigits(value), 1u) : 10;
        point = !whole;
    } else if (look.digits) {
        value *= look.percent ? 100.0 : 1.0;
        digits = look.scientific ? std::max(look.min_digits, 1u)
                                 : std::max(look.min_digits, IntegerDigits(value + look.half_step));
        separators = look.grouped && digits > 3 ? (digits - 1) / 3 : 0;
    }
    const std::uint32_t sign = number < 0.0 ? 1 : 0;
    const std::uint32_t points = separators + (point ? 1 : 0);
    const std::uint32_t milli =
        (digits + decimals) * kDigit + points * kPoint + sign * kMinus + look.literal_milli_em;
    return Extent{milli / 1000.0, digits + decimals + points + sign + look.literal_characters};
}

/******************************************************************************
 * ColumnWidths.
 ******************************************************************************/

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr double kDigitPixels = 7.0;
// Room for the cell's margins and for a viewer that draws the font a little wider.
constexpr double kPadding = 1.0;
// The widest a byte of text can measure ('@'), in em.
constexpr double kWidestByteEm = 1.015;

double Need(double em, double characters, double points) {
    return std::max(em * points * kPixelsPerPoint / kDigitPixels, characters) + kPadding;
}

} // namespace

bool ColumnWidths::covers(std::uint32_t column, std::size_t bytes, double points) const {
    const auto most = static_cast<double>(bytes);
    return column < columns_.size() && columns_[column] >= Need(most * kWidestByteEm, most, points);
}

void ColumnWidths::fit(std::uint32_t first, std::uint32_t last, const Extent& extent, double points) {
    const double need = Need(extent.em, extent.characters, points);
    if (first == last) {
        if (first >= columns_.size())
            columns_.resize(first + 1, 0.0);
        columns_[first] = std::max(columns_[first], need);
        return;
    }
    for (Block& block : blocks_) {
        if (block.first == first && block.last == last) {
            block.need = std::max(block.need, need);
            return;
        }
    }
    blocks_.push_back(Block{first, last, need});
}

const NumberLook& ColumnWidths::look(std::uint32_t id, std::string_view code) {
    if (id >= looks_.size()) {
        looks_.resize(id + 1);
        looked_.resize(id + 1, false);
    }
    if (!looked_[id]) {
        looks_[id] = ReadNumberFormat(code);
        looked_[id] = true;
    }
    return looks_[id];
}

std::vector<std::pair<std::uint32_t, double>> ColumnWidths::widths() const {
    std::size_t count = columns_.size();
    for (const Block& block : blocks_)
        count = std::max<std::size_t>(count, block.last + 1);
    std::vector<double> width(count, kDefaultWidth);
    for (std::size_t column = 0; column < columns_.size(); ++column)
        width[column] = std::max(kDefaultWidth, columns_[column]);
    // Narrow blocks first, so that a wide one counts what they added.
    std::vector<Block> blocks = blocks_;
    std::sort(blocks.begin(), blocks.end(),
              [](const Block& a, const Block& b) { return a.last - a.first < b.last - b.first; });
    for (const Block& block : blocks) {
        const auto begin = width.begin() + block.first;
        const auto end = width.begin() + block.last + 1;
        const double missing = block.need - std::accumulate(begin, end, 0.0);
        if (missing > 0.0)
            std::for_each(begin, end, [&](double& w) { w += missing / static_cast<double>(end - begin); });
    }
    std::vector<std::pair<std::uint32_t, double>> wider;
    for (std::size_t column = 0; column < count; ++column) {
        if (width[column] > kDefaultWidth)
            wider.emplace_back(static_cast<std::uint32_t>(column), std::min(width[column], kMaxWidth));
    }
    return wider;
}

} // namespace xlsx
