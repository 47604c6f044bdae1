// Writes a workbook with every facet the workbook writers use, for read_workbook.py to read back.
// Takes the process's locale from the environment first, as a host application does.
//
//     export_readback_writer OUTPUT.xlsx           through the adapter
//     export_readback_writer OUTPUT.xlsx --raw     one number through libxlsxwriter alone
//
// Prints "decimal_point=<c>" and one "refused=<cell>" line per text the adapter refused; exits 1 when
// saving fails.
#include "export/xlsx/Workbook.hpp"

#include <xlsxwriter.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using namespace xlsx;

const Border kThin = Border::all(BorderStyle::thin);

void Text(Worksheet& ws, const char* reference, const std::string& text) {
    if (!ws.cell(reference).value(text)) {
        std::printf("refused=%s\n", reference);
        (void)ws.cell(reference).value("????");
    }
}

void Number(Worksheet& ws, const char* reference, double value, const char* format) {
    ws.cell(reference).number_format(format);
    ws.cell(reference).value(value);
    ws.cell(reference).border(kThin);
}

int WriteThroughAdapter(const char* path) {
    Workbook book(path);
    Worksheet& ws = book.active_sheet();
    ws.title("Export Detailmeetstaat");

    Text(ws, "A1", "Project nummer");
    ws.cell("A1").font(Font{"Arial", 12, true, false});
    Text(ws, "C1", "Caf\xC3\xA9 \xC3\xAB \xC3\xAF"); // é ë ï
    Text(ws, "P1", "Kerkstraat 1 - 1000 Brussel\n");

    ws.range("A2:V2").merge_cells();
    ws.range("A2:V2").fill(Fill::solid(kIndexedGrey22));
    ws.range("A2:V2").border(kThin);
    ws.range("A2:V2").font(Font{"Arial", 12, true, false});
    Text(ws, "A2", "Meetstaat, codering QELM");

    Number(ws, "A3", 12.5, "0.00");
    Number(ws, "B3", -0.5, "0.00");
    Number(ws, "C3", 12.3456, "0.000");
    Number(ws, "D3", std::nan(""), "0.0");
    Number(ws, "E3", 1234567.0, "0");
    ws.cell("F3").number_format("0.00");
    ws.cell("F3").formula("=A3*2", 25.0);
    Text(ws, "G3", "rechts");
    ws.cell("G3").alignment(HAlign::right);
    ws.range("H3:I3").font(Font{"Arial", 10, false, true});
    Text(ws, "H3", "cursief");
    Number(ws, "J3", HUGE_VAL, "0");
    ws.cell("K3").font(Font{"Arial", 12, true, false});
    ws.cell("K3").number_format("#,##0.00");
    ws.cell("K3").formula("=A3*261212.3", 3265153.75);

    Text(ws, "A4", std::string(40000, 'x'));
    Text(ws, "B4", "bad \xFF byte, control \x01, noncharacter \xEF\xBF\xBF");

    const Status saved = book.save();
    if (!saved.ok())
        std::printf("error=%s\n", saved.message.c_str());
    return saved.ok() ? 0 : 1;
}

// The library alone, to show what the adapter protects against.
int WriteThroughLibrary(const char* path) {
    lxw_workbook* library = workbook_new(path);
    lxw_worksheet* sheet = workbook_add_worksheet(library, nullptr);
    worksheet_write_number(sheet, 0, 0, 12.5, nullptr);
    return workbook_close(library) == LXW_NO_ERROR ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.xlsx [--raw]\n", argv[0]);
        return 2;
    }
    std::setlocale(LC_ALL, "");
    std::printf("decimal_point=%s\n", std::localeconv()->decimal_point);
    const bool raw = argc > 2 && std::strcmp(argv[2], "--raw") == 0;
    return raw ? WriteThroughLibrary(argv[1]) : WriteThroughAdapter(argv[1]);
}
