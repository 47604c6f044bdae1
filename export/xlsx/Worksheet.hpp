// The worksheet adapter: the cell and range operations of the workbook writers, over libxlsxwriter in
// its constant-memory mode.
//
//     xlsx::Workbook book(path);                 // see export/xlsx/Workbook.hpp
//     xlsx::Worksheet& ws = book.active_sheet();
//     ws.title("Export Detailmeetstaat");
//     ws.range("A7:V7").merge_cells();
//     ws.range("A7:V7").fill(xlsx::Fill::solid(xlsx::kIndexedGrey22));
//     if (!ws.cell("A7").value(text))            // refused: longer than 32,767 characters
//         (void)ws.cell("A7").value("????");
//     ws.cell("T9").number_format("0.00");
//     ws.cell("V9").formula("=T9*U9", t * u);    // with its computed result
//     xlsx::Status saved = book.save();
//
// Rows are streamed. The sheet keeps only its current row: every operation addresses a cell or a
// one-row range, and addressing a later row writes the current row out, once and for good. A row
// earlier than the current one can no longer be changed: that is a programming error, which fails an
// assertion in debug builds and otherwise refuses the operation and marks the sheet failed, so that
// the workbook is not saved. Within the current row a cell can be changed freely: a second value
// replaces the first, and each style facet (number format, horizontal alignment, border, font, fill)
// replaces that facet only.
//
// Operations return true when the cell or range took the change. Texts are UTF-8; what XML cannot
// carry is replaced by U+FFFD (see CleanText). Numbers must be writable (see IsWritableNumber). A failure
// that makes the workbook wrong (an earlier row, a row past 1,048,576, a malformed reference, overlapping
// merges, a library error) also sets the sheet's status(), which save() then reports. Refusals the caller can
// make good (a text too long, a number not finite, a bad font) leave the status alone.
//
// Numbers reach the file in the "C" numeric locale whatever the thread's locale. Spreadsheets that do
// not recalculate on load show a formula's cached result, so every formula carries the one its caller
// computed. Each column is made as wide as the widest content written into it needs, as its font and
// number format show it (see ColumnWidths.hpp); the widths are set when the sheet is finished. Memory
// does not grow with the number of rows, except the library's one small record per merged range.
//
// One sheet is used by one thread at a time. Handles (Cell, Range) are addresses: they stay valid
// for as long as their workbook is open, and may be kept across rows.
#pragma once

#include "export/xlsx/ColumnWidths.hpp"
#include "export/xlsx/XlsxFormats.hpp"
#include "export/xlsx/XlsxStyle.hpp"
#include "export/xlsx/XlsxText.hpp"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;

namespace xlsx {

enum class Error : std::uint8_t {
    none,
    bad_reference,   // not an A1 reference, or a range over more than one row
    row_order,       // a row before the current one, which has been written already
    row_limit,       // past row 1,048,576
    merge_overlap,   // a merge overlapping another merge of the row
    library,         // libxlsxwriter refused an operation
    closed,          // the workbook was saved or abandoned
    temp_file,       // no temporary file could be made beside the target
    incomplete_file, // the written file is not a complete, readable workbook
    replace_failed,  // the target cannot be replaced: not a regular file, not writable, other names, a
                     // link loop, attributes that cannot be kept, rename
};

struct Status {
    Error error = Error::none;
    std::string message; // English, for the log; empty when ok

    bool ok() const { return error == Error::none; }
    explicit operator bool() const { return ok(); }
};

// True when a number cell can hold `number`: it is finite, and so is the text the library writes for
// it. The library writes 16 significant digits, which round the very largest doubles up past the
// largest double, so that readers see an infinity.
bool IsWritableNumber(double number);

class Worksheet;

class Cell {
  public:
    // The value, replacing any value or formula. A text longer than 32,767 characters (UTF-16 units,
    // after cleaning) is refused and leaves the cell as it was; an empty text leaves no value. A number
    // that is not writable leaves the cell without a value and returns false.
    [[nodiscard]] bool value(std::string_view text);
    bool value(double number);
    // A formula ("=T9*U9" or "T9*U9") with its computed result, which spreadsheets that do not
    // recalculate on load show. An empty formula or one over 8,192 characters is refused; a result that
    // is not writable is stored as 0 and returns false.
    bool formula(std::string_view formula, double cached_result);
    // A number format code such as "0.00"; "" is General. Codes over 127 bytes are refused.
    bool number_format(std::string_view code);
    bool alignment(HAlign horizontal);
    bool border(const Border& border);
    // Refused (false, cell unchanged) for an empty name, a name over 31 characters, or a size that is
    // not a finite number of points in (0, 409].
    bool font(const Font& font);
    bool fill(const Fill& fill);

    CellAddress address() const { return address_; }
    std::string reference() const { return FormatCellReference(address_); }

  private:
    friend class Worksheet;
    Cell(Worksheet* sheet, CellAddress address, bool valid)
        : sheet_(sheet), address_(address), valid_(valid) {}

    Worksheet* sheet_;
    CellAddress address_;
    bool valid_;
};

// A range of one row, "A7:V7" (the two ends in either order).
class Range {
  public:
    // Merges the range: the merged block shows the value of its first cell, and the values of its
    // other cells are cleared. Merging one cell does nothing; merging the same range again does nothing;
    // a range overlapping another merge of the row is refused and fails the sheet.
    bool merge_cells();
    // Each sets the facet on every cell of the range (a merged block shows the facets of its cells).
    bool border(const Border& border);
    bool font(const Font& font);
    bool fill(const Fill& fill);

  private:
    friend class Worksheet;
    Range(Worksheet* sheet, std::uint32_t row, std::uint32_t first, std::uint32_t last, bool valid)
        : sheet_(sheet), row_(row), first_(first), last_(last), valid_(valid) {}
    template <class Change> bool each(Change change);

    Worksheet* sheet_;
    std::uint32_t row_;
    std::uint32_t first_;
    std::uint32_t last_;
    bool valid_;
};

class Worksheet {
  public:
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;
    ~Worksheet();

    Cell cell(std::string_view reference);
    // 1-based row and column (A = 1).
    Cell cell(std::uint32_t row, std::uint32_t column);
    Range range(std::string_view reference);

    // The sheet's name: 1 to 31 characters, none of []:*?/\ and not beginning or ending with an
    // apostrophe. Takes effect only before the first row is written out (false afterwards).
    bool title(std::string_view name);
    const std::string& title() const { return title_; }

    // The first failure that makes the workbook wrong; ok while there is none.
    const Status& status() const { return status_; }
    // 1-based number of the row being written; 0 before the first.
    std::uint32_t current_row() const { return has_row_ ? row_ + 1 : 0; }
    // Distinct cell formats made so far.
    std::size_t format_count() const { return formats_.format_count(); }

  private:
    friend class Cell;
    friend class Range;
    friend class Workbook;

    struct CellData {
        enum class Kind : std::uint8_t { empty, text, number, formula };
        Kind kind = Kind::empty;
        bool touched = false;
        double number = 0.0; // the number, or the formula's result
        std::string text;    // the text, or the formula
        StyleKey style;
    };

    // `library` is null when the workbook could not be set up: the sheet then checks everything but
    // writes nothing.
    explicit Worksheet(lxw_workbook* library) : library_(library) {}

    CellData* slot(CellAddress address);
    bool enter_row(std::uint32_t row);
    void emit_row();
    void emit_cell(std::uint32_t column, const CellData& data);
    void measure(std::uint32_t column, const CellData& data);
    void set_widths();
    bool ensure_library_sheet();
    void fail(Error error, std::string message);
    bool intern_font(const Font& font, StyleKey& facets);

    // For Workbook: write out the last row and make sure the sheet exists; then let go of the library.
    const Status& finish();
    void detach();
    lxw_worksheet* library_sheet() const { return sheet_; }
    // Merged ranges handed to the library.
    std::uint64_t merged_ranges() const { return merged_ranges_; }

    lxw_workbook* library_;
    lxw_worksheet* sheet_ = nullptr;
    bool closed_ = false;
    std::string title_;
    Status status_;
    FormatCache formats_;
    ColumnWidths widths_;

    std::uint32_t row_ = 0;
    bool has_row_ = false;
    std::uint64_t merged_ranges_ = 0;
    std::vector<CellData> cells_; // by column; grows to the widest row, then is reused
    std::vector<std::uint32_t> touched_;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> merges_;
    std::string scratch_;
};

} // namespace xlsx
