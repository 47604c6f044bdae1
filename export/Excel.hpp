// The spreadsheet export: the summary bill, the detailed bill and the Bouwsoft workbook of the last
// take-off, written through the worksheet adapter (export/xlsx/Workbook.hpp) and saved as one .xlsx
// file.
//
// Excel holds static members only. The module state below is shared by every writer without locking:
// one export runs at a time, on the host's main thread. CreateXls sets it up before it writes; the
// writers read it at the moment of each call.
//
// Sources: Excel.cpp (module state, cell writers), ExcelRows.cpp (row writers), ExcelLayouts.cpp
// (project block, title and caption rows, the Bouwsoft column map), ExcelRun.cpp (the export run).
#pragma once

#include "engine/Articles.hpp"
#include "export/xlsx/Worksheet.hpp"

#include "GS.hpp"
#include "IO.hpp"

#include <string>
#include <unordered_map>

// The workbook kind, chosen in the palette's save dialog.
enum ExportType : Int32 {
    ExportSummary = 0,  // summary bill: group rows with unit price and line total, VAT block
    ExportDetailed = 1, // detailed bill: group rows and one element row per article
    ExportBouwsoft = 2, // Bouwsoft workbook: Bouwsoft rows only, repeated per piece
};

// Bouwsoft column names by caption text (fifteen pairs, columns A to O of the Bouwsoft caption row).
// Built at load; read-only afterwards.
extern const std::unordered_map<std::string, std::string> MEETSTAAT_BOUWSOFT_MAP;

class Excel {
  public:
    // ---- The export run ----

    // Writes the workbook of `type` from Articles::allArticlesGroups under the palette's filter and
    // saves it to `location` through a temporary file beside it, under the host's process window.
    // `details` (true for the detailed and Bouwsoft kinds) selects the detailed column range, the
    // article rows and leaves out the VAT block. Ends with one alert: the kind's success text with the
    // path, the kind's failure text directly followed by the path, or "Exporteren is afgebroken.".
    // True only when the file was saved; a cancelled or failed export leaves an existing file as it was.
    static bool CreateXls(Articles& articles, IO::Location location, bool details, ExportType type);

    // ---- Layouts: each writes on Excel::xlsRow and leaves it on the row after its block ----

    // Project block, rows 1 to 5 and an empty row 6; nothing for the Bouwsoft kind.
    static void PrintOrganizationInfo(ExportType type);
    // Title and caption rows of the two bills, the Bouwsoft caption row of kind 2.
    static void PrintHeader(ExportType type);
    // Columns A to P of the current row, bordered texts; advances one row.
    static void PrintBouwsoftHeader(const std::string& a, const std::string& b, const std::string& c,
                                    const std::string& d, const std::string& e, const std::string& f,
                                    const std::string& g, const std::string& h, const std::string& i,
                                    const std::string& j, const std::string& k, const std::string& l,
                                    const std::string& m, const std::string& n, const std::string& o,
                                    const std::string& p);

    // ---- Row writers: one row on Excel::xlsRow, which each advances by one for any row kind ----

    // Kind 0 group row (A:B code, C:Q name, R AvO, S unit, T total; in the summary U unit price and
    // V =T*U when the total is positive), kind 1 element row (B:C story, D to F texts, G to O numbers,
    // P, Q right-aligned texts, R to T numbers). A number of -1.0 or less leaves its cell empty.
    static void XLSprintRowData(int kind, const std::string& t1, const std::string& t2, const std::string& t3,
                                const std::string& t4, const double& x1, const int& d1, const double& x2,
                                const int& d2, const double& x3, const int& d3, const double& x4,
                                const int& d4, const double& x5, const int& d5, const double& x6,
                                const int& d6, const double& x7, const int& d7, const double& x8,
                                const int& d8, const double& x9, const int& d9, const std::string& t5,
                                const std::string& t6, const double& x10, const int& d10, const double& x11,
                                const int& d11, const double& x12, const int& d12);
    // Kind 0 title row, 1 caption row, 2 detail caption row, 3 note row; bordered texts.
    static void XLSprintRowText(int kind, const std::string& t1, const std::string& t2, const std::string& t3,
                                const std::string& t4, const std::string& t5, const std::string& t6,
                                const std::string& t7, const std::string& t8, const std::string& t9,
                                const std::string& t10, const std::string& t11, const std::string& t12,
                                const std::string& t13, const std::string& t14, const std::string& t15,
                                const std::string& t16, const std::string& t17, const std::string& t18);
    // A to F texts, G to M numbers, N to P texts; no font.
    static void BouwSoftPrintRowData(const std::string& t1, const std::string& t2, const std::string& t3,
                                     const std::string& t4, const std::string& t5, const std::string& t6,
                                     double x1, int d1, double x2, int d2, double x3, int d3, double x4,
                                     int d4, double x5, int d5, double x6, int d6, double x7, int d7,
                                     const std::string& t7, const std::string& t8, const std::string& t9);

    // ---- Cell writers: one cell or range of row Excel::xlsRow, addressed by column letters ----

    // The text (UTF-8), "????" when the sheet refuses it (over 32,767 characters); optional right
    // alignment and thin border.
    static void XLSprintCell(std::string column, std::string text, bool rightAligned, bool bordered);
    // Above -1.0: the number format for `decimals` and the number. Always a thin border.
    static void XLSprintCell(std::string column, double number, int decimals);
    // The formula with its computed result, which viewers that do not recalculate show; the number
    // format for `decimals`; thin border.
    static void XLSprintCellFormula(std::string column, std::string formula, int decimals, double result);
    // The number format in every case, the number only above -1.0; thin border.
    static void XLSprintCellFormula(std::string column, double number, int decimals);
    // Merges the range and borders each of its cells.
    static void XLSmergeCells(std::string firstColumn, std::string lastColumn);
    // The row font (Excel::xlsFontName, size, bold, italic) on each cell of the range.
    static void XLSsetRowFont(std::string firstColumn, std::string lastColumn);
    // The text ("????" when refused); with `styled` the label font (name, size, bold; not italic).
    static void XLSprintOrganizationInfoCell(std::string column, std::string text, bool styled);

    // The number format code for a count of decimals: "0.000", "0.00", "0.0", else "0".
    static const char* NumberFormat(int decimals);
    // The value of a summary line total =T*U as the spreadsheet computes it: 0 unless the total is
    // positive; a missing unit price (-1.0 or less), and a total or price that no cell can hold (its
    // cell stays empty), count as 0.
    static double SummaryLineTotal(double total, double unitPrice);

    // ---- Module state ----

    static xlsx::Worksheet* ws; // the run's sheet; null outside a run
    static Int32 xlsRow;        // 1-based row being written
    static std::string xlsFontName;
    static Int32 xlsFontSize; // points
    static bool xlsBold;
    static bool xlsItalic;
    static char buffer[32]; // scratch for references, formulas and the phase text
    static bool _details;   // columns A to T (set) or A to V (clear) for the text rows; no VAT block
};
