#include "export/xlsx/Worksheet.hpp"

#include "export/xlsx/CNumericScope.hpp"

#include <xlsxwriter.h>

#include <algorithm>
#include <cassert>

namespace xlsx {

namespace {

bool IsValidTitle(const std::string& title, std::size_t units) {
    if (units == 0 || units > 31 || title.front() == '\'' || title.back() == '\'')
        return false;
    return title.find_first_of("[]:*?/\\") == std::string::npos;
}

// "'text'" followed by `after`; built by appending, which also keeps GCC 12's -Wrestrict quiet.
std::string Quoted(std::string_view text, std::string_view after) {
    std::string out(1, '\'');
    out.append(text);
    out += '\'';
    out.append(after);
    return out;
}

} // namespace

Worksheet::~Worksheet() = default;

/******************************************************************************
 * Addressing.
 ******************************************************************************/

Cell Worksheet::cell(std::string_view reference) {
    const auto address = ParseCellReference(reference);
    if (!address) {
        assert(!"a cell reference must be an A1 reference");
        fail(Error::bad_reference, Quoted(reference, " is not a cell reference"));
        return Cell(this, CellAddress{}, false);
    }
    return Cell(this, *address, true);
}

Cell Worksheet::cell(std::uint32_t row, std::uint32_t column) {
    if (row == 0 || column == 0 || column > kMaxColumns) {
        assert(!"rows and columns are counted from 1, columns up to XFD");
        fail(Error::bad_reference,
             "row " + std::to_string(row) + ", column " + std::to_string(column) + " is not a cell");
        return Cell(this, CellAddress{}, false);
    }
    return Cell(this, CellAddress{row - 1, column - 1}, true);
}

Range Worksheet::range(std::string_view reference) {
    const auto colon = reference.find(':');
    const auto first = colon == std::string_view::npos ? ParseCellReference(reference)
                                                       : ParseCellReference(reference.substr(0, colon));
    const auto last =
        colon == std::string_view::npos ? first : ParseCellReference(reference.substr(colon + 1));
    if (!first || !last || first->row != last->row) {
        assert(!"a range must be an A1 range within one row");
        fail(Error::bad_reference, Quoted(reference, " is not a range within one row"));
        return Range(this, 0, 0, 0, false);
    }
    const auto [low, high] = std::minmax(first->column, last->column);
    return Range(this, first->row, low, high, true);
}

// Moves to `row` when it is the current row or a later one; a later row writes the current one out.
bool Worksheet::enter_row(std::uint32_t row) {
    if (closed_)
        return false;
    if (has_row_ && row == row_)
        return true;
    if (row >= kMaxRows) {
        fail(Error::row_limit, "row " + std::to_string(std::uint64_t{row} + 1) + " is past the last row " +
                                   std::to_string(kMaxRows) + " of a worksheet");
        return false;
    }
    if (has_row_ && row < row_) {
        assert(!"worksheet rows are written once, in order");
        fail(Error::row_order, "row " + std::to_string(row + 1) + " was addressed after row " +
                                   std::to_string(row_ + 1) + ": rows are written once, in order");
        return false;
    }
    emit_row();
    row_ = row;
    has_row_ = true;
    return true;
}

Worksheet::CellData* Worksheet::slot(CellAddress address) {
    if (!enter_row(address.row))
        return nullptr;
    if (address.column >= cells_.size())
        cells_.resize(address.column + 1);
    CellData& data = cells_[address.column];
    if (!data.touched) {
        data.touched = true;
        touched_.push_back(address.column);
    }
    return &data;
}

void Worksheet::fail(Error error, std::string message) {
    if (status_.ok())
        status_ = Status{error, std::move(message)};
}

bool Worksheet::title(std::string_view name) {
    if (closed_ || sheet_ != nullptr)
        return false;
    std::string clean;
    const std::size_t units = CleanText(name, clean);
    if (!IsValidTitle(clean, units))
        return false;
    title_ = std::move(clean);
    return true;
}

bool Worksheet::intern_font(const Font& font, StyleKey& facets) {
    std::string& clean = scratch_;
    const std::size_t units = CleanText(font.name, clean);
    if (units == 0 || units > 31 || !(font.size > 0.0 && font.size <= 409.0))
        return false;
    facets.has_font = true;
    facets.font_name = formats_.intern(clean);
    facets.font_size = font.size;
    facets.bold = font.bold;
    facets.italic = font.italic;
    return true;
}

/******************************************************************************
 * Writing rows out.
 ******************************************************************************/

bool Worksheet::ensure_library_sheet() {
    if (sheet_ == nullptr && library_ != nullptr) {
        sheet_ = workbook_add_worksheet(library_, title_.empty() ? nullptr : title_.c_str());
        if (sheet_ == nullptr)
            fail(Error::library, "the spreadsheet library could not add the worksheet");
    }
    return sheet_ != nullptr;
}

void Worksheet::emit_row() {
    if (!has_row_)
        return;
    if (ensure_library_sheet()) {
        const CNumericScope c_numbers;
        // Merge first with no text and no format: the cells written next replace what merging put there.
        for (const auto& [first, last] : merges_) {
            const lxw_error rc = worksheet_merge_range(sheet_, row_, static_cast<lxw_col_t>(first), row_,
                                                       static_cast<lxw_col_t>(last), "", nullptr);
            if (rc != LXW_NO_ERROR)
                fail(Error::library, "merging " + FormatCellReference({row_, first}) + ":" +
                                         FormatCellReference({row_, last}) + ": " + lxw_strerror(rc));
            else
                ++merged_ranges_;
        }
        for (const std::uint32_t column : touched_) {
            emit_cell(column, cells_[column]);
            measure(column, cells_[column]);
        }
    }
    for (const std::uint32_t column : touched_) {
        CellData& data = cells_[column];
        data.kind = CellData::Kind::empty;
        data.touched = false;
        data.text.clear();
        data.style = StyleKey{};
    }
    touched_.clear();
    merges_.clear();
    has_row_ = false;
}

void Worksheet::emit_cell(std::uint32_t column, const CellData& data) {
    lxw_format* format = formats_.format_for(library_, data.style);
    if (format == nullptr && !data.style.is_default())
        fail(Error::library, "the spreadsheet library could not make a cell format");
    const auto col = static_cast<lxw_col_t>(column);
    lxw_error rc = LXW_NO_ERROR;
    switch (data.kind) {
    case CellData::Kind::empty:
        if (format != nullptr)
            rc = worksheet_write_blank(sheet_, row_, col, format);
        break;
    case CellData::Kind::text:
        rc = worksheet_write_string(sheet_, row_, col, data.text.c_str(), format);
        break;
    case CellData::Kind::number:
        rc = worksheet_write_number(sheet_, row_, col, data.number, format);
        break;
    case CellData::Kind::formula:
        rc = worksheet_write_formula_num(sheet_, row_, col, data.text.c_str(), format, data.number);
        break;
    }
    if (rc != LXW_NO_ERROR)
        fail(Error::library, "writing cell " + FormatCellReference({row_, column}) + ": " + lxw_strerror(rc));
}

// What the cell shows, for its column's width: a merged block shows its first cell only.
void Worksheet::measure(std::uint32_t column, const CellData& data) {
    if (data.kind == CellData::Kind::empty)
        return;
    std::uint32_t last = column;
    for (const auto& [first, end] : merges_) {
        if (first < column && column <= end)
            return;
        if (first == column)
            last = end;
    }
    const StyleKey& style = data.style;
    const double points = style.has_font ? style.font_size : ColumnWidths::kDefaultPoints;
    if (data.kind == CellData::Kind::text) {
        if (last == column && widths_.covers(column, data.text.size(), points))
            return; // most texts of a column: no need to read them
        widths_.fit(column, last, MeasureText(data.text, style.has_font && style.bold), points);
    } else {
        const NumberLook& look = widths_.look(style.number_format, formats_.text(style.number_format));
        widths_.fit(column, last, MeasureNumber(data.number, look), points);
    }
}

// The library keeps column widths apart from the rows and writes them when the workbook is closed, so
// they can be set after the last row, once every content is known.
void Worksheet::set_widths() {
    for (const auto& [column, width] : widths_.widths()) {
        const auto col = static_cast<lxw_col_t>(column);
        const lxw_error rc = worksheet_set_column(sheet_, col, col, width, nullptr);
        if (rc != LXW_NO_ERROR)
            fail(Error::library,
                 "setting the width of column " + std::to_string(column + 1) + ": " + lxw_strerror(rc));
    }
}

const Status& Worksheet::finish() {
    if (!closed_) {
        emit_row();
        if (library_ != nullptr && ensure_library_sheet())
            set_widths();
    }
    return status_;
}

void Worksheet::detach() {
    closed_ = true;
    library_ = nullptr;
    sheet_ = nullptr;
}

} // namespace xlsx
