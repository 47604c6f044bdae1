// Column widths of one worksheet, measured from what its cells show while the rows are written, so that
// no number shows as "###" and no caption is cut. Widths are in the spreadsheet's unit: the width of a
// digit of the workbook's default font (Calibri 11 points, 7 pixels at 96 dpi).
//
// A text is measured by its widest line with Arial's advance widths (Helvetica and Liberation Sans share
// them; Calibri is narrower) at its font's size and weight. A number is measured as its number format
// shows it: "#,##0.00" shows 3265153.75 as "3,265,153.75", "0.00" as "3265153.75". A content never gets
// fewer units than it has characters, since a viewer without the font draws a wider one.
//
// A merged block's content is spread over the block's columns: it widens them, evenly, only as far as
// together they are too narrow. A column keeps the default width unless its content needs more, and is
// never made wider than the spreadsheet's 255. Memory grows with the widest row and the number of
// distinct merged blocks, never with the number of rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace xlsx {

// The width of a content: in em at its font's size, and in characters.
struct Extent {
    double em = 0.0;
    std::uint32_t characters = 0;
};

// What a number format code shows around and of a number, read from its first section (a negative number
// is measured with a minus sign). Formats without digit placeholders (dates, fixed texts) show only their
// literal characters, one character for each date or time letter.
struct NumberLook {
    bool general = true; // "General" (or "" or "@"): up to eleven characters
    bool digits = false; // the number's digits are shown
    bool grouped = false;
    bool percent = false;
    bool scientific = false;
    bool point = false; // a decimal point is shown
    std::uint32_t decimals = 0;
    std::uint32_t min_digits = 0; // integer digits shown even when zero
    std::uint32_t literal_milli_em = 0;
    std::uint32_t literal_characters = 0;
    double half_step = 0.5; // half the last shown decimal: what rounds up to the next one
};

NumberLook ReadNumberFormat(std::string_view code);

// `text` is valid UTF-8 (see CleanText).
Extent MeasureText(std::string_view text, bool bold);
Extent MeasureNumber(double number, const NumberLook& look);

class ColumnWidths {
  public:
    // Size of the workbook's default font, which cells without a font of their own show.
    static constexpr double kDefaultPoints = 11.0;
    // The spreadsheet's default column width.
    static constexpr double kDefaultWidth = 8.43;
    static constexpr double kMaxWidth = 255.0;

    // A content of the given extent at `points`, shown by a cell in column `first` merged up to `last`
    // (0-based; `last == first` for a cell that is not merged).
    void fit(std::uint32_t first, std::uint32_t last, const Extent& extent, double points);
    // True when `column` already needs as much as any text of `bytes` bytes at `points` could, so that
    // measuring one cannot widen it.
    bool covers(std::uint32_t column, std::size_t bytes, double points) const;

    // The look of number format `id`, read from `code` the first time the id is asked for.
    const NumberLook& look(std::uint32_t id, std::string_view code);

    // Every column (0-based) that needs more than the default width, with its width, in column order.
    std::vector<std::pair<std::uint32_t, double>> widths() const;

  private:
    struct Block {
        std::uint32_t first;
        std::uint32_t last;
        double need;
    };

    std::vector<double> columns_; // by column: the widest content's need, 0 for none
    std::vector<Block> blocks_;
    std::vector<NumberLook> looks_; // by format id
    std::vector<bool> looked_;
};

} // namespace xlsx
