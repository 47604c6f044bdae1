// Cell and Range operations: they only change the sheet's current row; Worksheet writes it out.
#include "export/xlsx/Worksheet.hpp"

#include "export/xlsx/CNumericScope.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace xlsx {

namespace {

constexpr std::size_t kMaxFormulaUnits = 8192;
constexpr std::size_t kMaxFormatCodeBytes = 127;
// Below this, 16 significant digits cannot round past the largest double.
constexpr double kSurelyWritable = 1e308;

} // namespace

bool IsWritableNumber(double number) {
    if (!std::isfinite(number))
        return false;
    if (std::fabs(number) < kSurelyWritable)
        return true;
    const CNumericScope c_numbers;
    char text[32];
    std::snprintf(text, sizeof text, "%.16G", number); // as the library writes numbers
    return std::isfinite(std::strtod(text, nullptr));
}

/******************************************************************************
 * Cell.
 ******************************************************************************/

bool Cell::value(std::string_view text) {
    auto* data = valid_ ? sheet_->slot(address_) : nullptr;
    if (data == nullptr)
        return false;
    std::string& clean = sheet_->scratch_;
    if (CleanText(text, clean) > kMaxCellTextUnits)
        return false;
    data->kind = clean.empty() ? Worksheet::CellData::Kind::empty : Worksheet::CellData::Kind::text;
    data->text.swap(clean);
    return true;
}

bool Cell::value(double number) {
    auto* data = valid_ ? sheet_->slot(address_) : nullptr;
    if (data == nullptr)
        return false;
    data->text.clear();
    if (!IsWritableNumber(number)) {
        data->kind = Worksheet::CellData::Kind::empty;
        return false;
    }
    data->kind = Worksheet::CellData::Kind::number;
    data->number = number;
    return true;
}

bool Cell::formula(std::string_view formula, double cached_result) {
    auto* data = valid_ ? sheet_->slot(address_) : nullptr;
    if (data == nullptr)
        return false;
    std::string& clean = sheet_->scratch_;
    const std::size_t units = CleanText(formula, clean);
    if (units == 0 || units > kMaxFormulaUnits || clean == "=")
        return false;
    const bool writable = IsWritableNumber(cached_result);
    data->kind = Worksheet::CellData::Kind::formula;
    data->text.swap(clean);
    data->number = writable ? cached_result : 0.0;
    return writable;
}

bool Cell::number_format(std::string_view code) {
    auto* data = valid_ ? sheet_->slot(address_) : nullptr;
    if (data == nullptr)
        return false;
    std::string& clean = sheet_->scratch_;
    CleanText(code, clean);
    if (clean.size() > kMaxFormatCodeBytes)
        return false;
    data->style.number_format = sheet_->formats_.intern(clean);
    return true;
}

bool Cell::alignment(HAlign horizontal) {
    auto* data = valid_ ? sheet_->slot(address_) : nullptr;
    if (data == nullptr)
        return false;
    data->style.halign = horizontal;
    return true;
}

bool Cell::border(const Border& border) {
    auto* data = valid_ ? sheet_->slot(address_) : nullptr;
    if (data == nullptr)
        return false;
    data->style.border = border;
    return true;
}

bool Cell::font(const Font& font) {
    StyleKey facets;
    if (!valid_ || !sheet_->intern_font(font, facets))
        return false;
    auto* data = sheet_->slot(address_);
    if (data == nullptr)
        return false;
    data->style.has_font = true;
    data->style.font_name = facets.font_name;
    data->style.font_size = facets.font_size;
    data->style.bold = facets.bold;
    data->style.italic = facets.italic;
    return true;
}

bool Cell::fill(const Fill& fill) {
    auto* data = valid_ ? sheet_->slot(address_) : nullptr;
    if (data == nullptr)
        return false;
    data->style.has_fill = true;
    data->style.fill_rgb = fill.rgb;
    return true;
}

/******************************************************************************
 * Range.
 ******************************************************************************/

template <class Change> bool Range::each(Change change) {
    if (!valid_ || !sheet_->enter_row(row_))
        return false;
    for (std::uint32_t column = first_; column <= last_; ++column)
        change(*sheet_->slot(CellAddress{row_, column}));
    return true;
}

bool Range::merge_cells() {
    if (!valid_ || !sheet_->enter_row(row_))
        return false;
    if (first_ == last_)
        return true;
    for (const auto& [first, last] : sheet_->merges_) {
        if (first == first_ && last == last_)
            return true;
        if (first <= last_ && first_ <= last) {
            sheet_->fail(Error::merge_overlap, "merging " + FormatCellReference({row_, first_}) + ":" +
                                                   FormatCellReference({row_, last_}) +
                                                   " overlaps an earlier merge of the row");
            return false;
        }
    }
    sheet_->merges_.emplace_back(first_, last_);
    for (std::uint32_t column = first_ + 1; column <= last_ && column < sheet_->cells_.size(); ++column) {
        auto& data = sheet_->cells_[column];
        data.kind = Worksheet::CellData::Kind::empty;
        data.text.clear();
    }
    return true;
}

bool Range::border(const Border& border) {
    return each([&](Worksheet::CellData& data) { data.style.border = border; });
}

bool Range::font(const Font& font) {
    StyleKey facets;
    if (!valid_ || !sheet_->intern_font(font, facets))
        return false;
    return each([&](Worksheet::CellData& data) {
        data.style.has_font = true;
        data.style.font_name = facets.font_name;
        data.style.font_size = facets.font_size;
        data.style.bold = facets.bold;
        data.style.italic = facets.italic;
    });
}

bool Range::fill(const Fill& fill) {
    return each([&](Worksheet::CellData& data) {
        data.style.has_fill = true;
        data.style.fill_rgb = fill.rgb;
    });
}

} // namespace xlsx
