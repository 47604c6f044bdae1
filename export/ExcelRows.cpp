// The row writers: one whole row of a given kind through the cell writers, then the next row.
#include "export/Excel.hpp"

#include <cstdio>
#include <initializer_list>

namespace {

enum DataRowKind { GroupRow = 0, ElementRow = 1 };
enum TextRowKind { TitleRow = 0, CaptionRow = 1, DetailCaptionRow = 2, NoteRow = 3 };

constexpr xlsx::Fill kTitleFill = xlsx::Fill::solid(xlsx::kIndexedGrey22);

struct NumberCell {
    const char* column;
    const double& number;
    const int& decimals;
};

struct TextCell {
    const char* column;
    const std::string& text;
};

// The last column of the text rows: the summary has the price columns U and V.
const char* TextRowEnd() {
    return Excel::_details ? "T" : "V";
}

void WriteNumbers(std::initializer_list<NumberCell> cells) {
    for (const NumberCell& cell : cells)
        Excel::XLSprintCell(cell.column, cell.number, cell.decimals);
}

void WriteTexts(std::initializer_list<TextCell> cells, bool rightAligned) {
    for (const TextCell& cell : cells)
        Excel::XLSprintCell(cell.column, cell.text, rightAligned, true);
}

void FillRow(const char* first, const char* last) {
    std::snprintf(Excel::buffer, sizeof Excel::buffer, "%s%d:%s%d", first, Excel::xlsRow, last,
                  Excel::xlsRow);
    Excel::ws->range(Excel::buffer).fill(kTitleFill);
}

// The summary layout's first columns: the code in A:B and the description in C:Q, each merged.
void WriteCodeAndDescription(const std::string& code, const std::string& description) {
    Excel::XLSmergeCells("A", "B");
    Excel::XLSprintCell("A", code, false, true);
    Excel::XLSmergeCells("C", "Q");
    Excel::XLSprintCell("C", description, false, true);
}

// U and V of a summary group row: the unit price and =T*U, only for a positive total.
void WritePriceCells(double total, double unitPrice) {
    if (total > 0.0) {
        Excel::XLSprintCellFormula("U", unitPrice, 2);
        std::snprintf(Excel::buffer, sizeof Excel::buffer, "=T%d*U%d", Excel::xlsRow, Excel::xlsRow);
        Excel::XLSprintCellFormula("V", std::string(Excel::buffer), 2,
                                   Excel::SummaryLineTotal(total, unitPrice));
    } else {
        Excel::XLSprintCell("U", -1.0, 2);
        Excel::XLSprintCell("V", -1.0, 2);
    }
}

} // namespace

void Excel::XLSprintRowData(int kind, const std::string& t1, const std::string& t2, const std::string& t3,
                            const std::string& t4, const double& x1, const int& d1, const double& x2,
                            const int& d2, const double& x3, const int& d3, const double& x4, const int& d4,
                            const double& x5, const int& d5, const double& x6, const int& d6,
                            const double& x7, const int& d7, const double& x8, const int& d8,
                            const double& x9, const int& d9, const std::string& t5, const std::string& t6,
                            const double& x10, const int& d10, const double& x11, const int& d11,
                            const double& x12, const int& d12) {
    XLSsetRowFont("A", "T");
    if (kind == GroupRow) {
        WriteCodeAndDescription(t1, t2);
        WriteTexts({{"R", t3}, {"S", t4}}, false);
        XLSprintCell("T", x1, d1);
        if (!_details)
            WritePriceCells(x1, x2);
    } else if (kind == ElementRow) {
        XLSmergeCells("B", "C");
        WriteTexts({{"B", t1}, {"D", t2}, {"E", t3}, {"F", t4}}, false);
        WriteNumbers({{"G", x1, d1},
                      {"H", x2, d2},
                      {"I", x3, d3},
                      {"J", x4, d4},
                      {"K", x5, d5},
                      {"L", x6, d6},
                      {"M", x7, d7},
                      {"N", x8, d8},
                      {"O", x9, d9}});
        WriteTexts({{"P", t5}, {"Q", t6}}, true);
        WriteNumbers({{"R", x10, d10}, {"S", x11, d11}, {"T", x12, d12}});
        if (!_details) {
            XLSprintCell("U", "", false, true);
            XLSprintCell("V", "", false, true);
        }
    }
    ++xlsRow;
}

void Excel::XLSprintRowText(int kind, const std::string& t1, const std::string& t2, const std::string& t3,
                            const std::string& t4, const std::string& t5, const std::string& t6,
                            const std::string& t7, const std::string& t8, const std::string& t9,
                            const std::string& t10, const std::string& t11, const std::string& t12,
                            const std::string& t13, const std::string& t14, const std::string& t15,
                            const std::string& t16, const std::string& t17, const std::string& t18) {
    const char* last = TextRowEnd();
    XLSsetRowFont("A", last);
    static const std::string empty;
    switch (kind) {
    case TitleRow:
        XLSmergeCells("A", last);
        FillRow("A", last);
        XLSprintCell("A", t1, false, true);
        break;
    case CaptionRow:
        FillRow("A", last);
        WriteCodeAndDescription(t1, t2);
        WriteTexts({{"R", t3}, {"S", t4}, {"T", t5}}, false);
        if (!_details)
            WriteTexts({{"U", t6}, {"V", t7}}, false);
        break;
    case DetailCaptionRow:
        XLSmergeCells("B", "C");
        WriteTexts({{"B", t1},
                    {"D", t2},
                    {"E", t3},
                    {"F", t4},
                    {"G", t5},
                    {"H", t6},
                    {"I", t7},
                    {"J", t8},
                    {"K", t9},
                    {"L", t10},
                    {"M", t11},
                    {"N", t12},
                    {"O", t13},
                    {"P", t14},
                    {"Q", t15},
                    {"R", t16},
                    {"S", t17},
                    {"T", t18}},
                   false);
        break;
    case NoteRow:
        XLSmergeCells("A", "Q");
        WriteTexts({{"A", t1}, {"R", empty}, {"S", empty}, {"T", empty}}, false);
        break;
    default:
        break;
    }
    ++xlsRow;
}

void Excel::BouwSoftPrintRowData(const std::string& t1, const std::string& t2, const std::string& t3,
                                 const std::string& t4, const std::string& t5, const std::string& t6,
                                 double x1, int d1, double x2, int d2, double x3, int d3, double x4, int d4,
                                 double x5, int d5, double x6, int d6, double x7, int d7,
                                 const std::string& t7, const std::string& t8, const std::string& t9) {
    WriteTexts({{"A", t1}, {"B", t2}, {"C", t3}, {"D", t4}, {"E", t5}, {"F", t6}}, false);
    WriteNumbers({{"G", x1, d1},
                  {"H", x2, d2},
                  {"I", x3, d3},
                  {"J", x4, d4},
                  {"K", x5, d5},
                  {"L", x6, d6},
                  {"M", x7, d7}});
    WriteTexts({{"N", t7}, {"O", t8}, {"P", t9}}, false);
    ++xlsRow;
}
