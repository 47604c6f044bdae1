// Module state of the export and the cell writers.
#include "export/Excel.hpp"

#include <cstdio>

xlsx::Worksheet* Excel::ws = nullptr;
Int32 Excel::xlsRow = 0;
std::string Excel::xlsFontName;
Int32 Excel::xlsFontSize = 0;
bool Excel::xlsBold = false;
bool Excel::xlsItalic = false;
char Excel::buffer[32] = {};
bool Excel::_details = false;

namespace {

constexpr xlsx::Border kThinBorder = xlsx::Border::all(xlsx::BorderStyle::thin);

// Formats "<column><row>" into Excel::buffer.
const char* CellReference(const std::string& column) {
    std::snprintf(Excel::buffer, sizeof Excel::buffer, "%s%d", column.c_str(), Excel::xlsRow);
    return Excel::buffer;
}

// Formats "<first><row>:<last><row>" into Excel::buffer.
const char* RangeReference(const std::string& first, const std::string& last) {
    std::snprintf(Excel::buffer, sizeof Excel::buffer, "%s%d:%s%d", first.c_str(), Excel::xlsRow,
                  last.c_str(), Excel::xlsRow);
    return Excel::buffer;
}

void SetText(xlsx::Cell& cell, const std::string& text) {
    if (!cell.value(text))
        (void)cell.value("????");
}

} // namespace

const char* Excel::NumberFormat(int decimals) {
    switch (decimals) {
    case 3:
        return "0.000";
    case 2:
        return "0.00";
    case 1:
        return "0.0";
    default:
        return "0";
    }
}

double Excel::SummaryLineTotal(double total, double unitPrice) {
    if (!(total > 0.0))
        return 0.0;
    // T and U as the sheet holds them: a value no cell can hold leaves its cell empty, which counts 0.
    const double t = xlsx::IsWritableNumber(total) ? total : 0.0;
    const double u = unitPrice > -1.0 && xlsx::IsWritableNumber(unitPrice) ? unitPrice : 0.0;
    return t * u;
}

void Excel::XLSprintCell(std::string column, std::string text, bool rightAligned, bool bordered) {
    xlsx::Cell cell = ws->cell(CellReference(column));
    SetText(cell, text);
    if (rightAligned)
        cell.alignment(xlsx::HAlign::right);
    if (bordered)
        cell.border(kThinBorder);
}

void Excel::XLSprintCell(std::string column, double number, int decimals) {
    xlsx::Cell cell = ws->cell(CellReference(column));
    if (number > -1.0) {
        cell.number_format(NumberFormat(decimals));
        cell.value(number);
    }
    cell.border(kThinBorder);
}

void Excel::XLSprintCellFormula(std::string column, std::string formula, int decimals, double result) {
    xlsx::Cell cell = ws->cell(CellReference(column));
    cell.number_format(NumberFormat(decimals));
    cell.formula(formula, result);
    cell.border(kThinBorder);
}

void Excel::XLSprintCellFormula(std::string column, double number, int decimals) {
    xlsx::Cell cell = ws->cell(CellReference(column));
    cell.number_format(NumberFormat(decimals));
    if (number > -1.0)
        cell.value(number);
    cell.border(kThinBorder);
}

void Excel::XLSmergeCells(std::string firstColumn, std::string lastColumn) {
    xlsx::Range range = ws->range(RangeReference(firstColumn, lastColumn));
    range.merge_cells();
    range.border(kThinBorder);
}

void Excel::XLSsetRowFont(std::string firstColumn, std::string lastColumn) {
    const xlsx::Font font{xlsFontName, static_cast<double>(xlsFontSize), xlsBold, xlsItalic};
    ws->range(RangeReference(firstColumn, lastColumn)).font(font);
}

void Excel::XLSprintOrganizationInfoCell(std::string column, std::string text, bool styled) {
    xlsx::Cell cell = ws->cell(CellReference(column));
    SetText(cell, text);
    if (styled)
        cell.font(xlsx::Font{xlsFontName, static_cast<double>(xlsFontSize), xlsBold, false});
}
