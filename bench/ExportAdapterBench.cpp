// The worksheet adapter against libxlsxwriter alone: 20 columns of element rows (texts, numbers with
// number formats, a merge, borders and the row font), written and saved, at 20,000 and 200,000 rows.
// The adapter's time includes its safe save (zip check, flush, rename); "rss_growth_MB" is how much
// the process grew while the rows were written, which must not follow the number of rows.
#include "export/xlsx/Workbook.hpp"

#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <stdlib.h>
#include <unistd.h>

namespace {

const char* const kTexts[] = {"Gelijkvloers", "0.12", "Keuken", "Binnenwand 14cm"};
const int kDecimals[] = {0, 2, 2, 2, 2, 2, 3, 3, 3};

double ResidentMegabytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

const char* FormatCode(int decimals) {
    return decimals == 3 ? "0.000" : decimals == 2 ? "0.00" : "0";
}

std::string ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "xlsx-bench-XXXXXX").string();
    return mkdtemp(pattern.data()) != nullptr ? pattern : std::string("/tmp");
}

// One element row as the workbook writers lay it out, through the adapter's A1 interface.
void AdapterRow(xlsx::Worksheet& ws, int row) {
    static const xlsx::Border thin = xlsx::Border::all(xlsx::BorderStyle::thin);
    static const xlsx::Font font{"Arial", 10, false, true};
    char ref[32];
    std::snprintf(ref, sizeof ref, "A%d:T%d", row, row);
    ws.range(ref).font(font);
    std::snprintf(ref, sizeof ref, "B%d:C%d", row, row);
    ws.range(ref).merge_cells();
    ws.range(ref).border(thin);
    for (int i = 0; i < 4; ++i) {
        std::snprintf(ref, sizeof ref, "%c%d", i == 0 ? 'B' : 'C' + i, row);
        (void)ws.cell(ref).value(kTexts[i]);
        ws.cell(ref).border(thin);
    }
    for (int i = 0; i < 9; ++i) {
        std::snprintf(ref, sizeof ref, "%c%d", 'G' + i, row);
        ws.cell(ref).number_format(FormatCode(kDecimals[i]));
        ws.cell(ref).value(row * 0.25 + i);
        ws.cell(ref).border(thin);
    }
    for (const char column : {'P', 'Q'}) {
        std::snprintf(ref, sizeof ref, "%c%d", column, row);
        (void)ws.cell(ref).value("extra info");
        ws.cell(ref).alignment(xlsx::HAlign::right);
        ws.cell(ref).border(thin);
    }
    for (const char column : {'R', 'S', 'T'}) {
        std::snprintf(ref, sizeof ref, "%c%d", column, row);
        ws.cell(ref).border(thin);
    }
}

void BM_Adapter(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::string folder = ScratchFolder();
    const std::string path = folder + "/adapter.xlsx";
    double growth = 0.0;
    for (auto _ : state) {
        const double before = ResidentMegabytes();
        xlsx::Workbook book(path);
        for (int row = 1; row <= rows; ++row)
            AdapterRow(book.active_sheet(), row);
        growth = std::max(growth, ResidentMegabytes() - before);
        if (!book.save().ok())
            state.SkipWithError("save failed");
    }
    std::filesystem::remove_all(folder);
    state.counters["rss_growth_MB"] = growth;
    state.counters["rows_per_s"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate);
}

struct LibraryFormats {
    lxw_format* row_font;
    lxw_format* bordered;
    lxw_format* numbers[4];
    lxw_format* right;
};

lxw_format* AddFormat(lxw_workbook* library, const char* code, bool right) {
    lxw_format* format = workbook_add_format(library);
    format_set_font_name(format, "Arial");
    format_set_font_size(format, 10);
    format_set_italic(format);
    format_set_border(format, LXW_BORDER_THIN);
    if (code != nullptr)
        format_set_num_format(format, code);
    if (right)
        format_set_align(format, LXW_ALIGN_RIGHT);
    return format;
}

void LibraryRow(lxw_worksheet* sheet, const LibraryFormats& formats, lxw_row_t row) {
    worksheet_write_blank(sheet, row, 0, formats.row_font);
    worksheet_merge_range(sheet, row, 1, row, 2, "", formats.bordered);
    for (int i = 0; i < 4; ++i)
        worksheet_write_string(sheet, row, static_cast<lxw_col_t>(i == 0 ? 1 : 2 + i), kTexts[i],
                               formats.bordered);
    for (int i = 0; i < 9; ++i)
        worksheet_write_number(sheet, row, static_cast<lxw_col_t>(6 + i), (row + 1) * 0.25 + i,
                               formats.numbers[kDecimals[i]]);
    worksheet_write_string(sheet, row, 15, "extra info", formats.right);
    worksheet_write_string(sheet, row, 16, "extra info", formats.right);
    for (lxw_col_t column = 17; column <= 19; ++column)
        worksheet_write_blank(sheet, row, column, formats.bordered);
}

void BM_LibraryAlone(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::string folder = ScratchFolder();
    const std::string path = folder + "/library.xlsx";
    double growth = 0.0;
    for (auto _ : state) {
        const double before = ResidentMegabytes();
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        lxw_workbook* library = workbook_new_opt(path.c_str(), &options);
        lxw_worksheet* sheet = workbook_add_worksheet(library, nullptr);
        LibraryFormats formats{};
        formats.row_font = workbook_add_format(library);
        format_set_font_name(formats.row_font, "Arial");
        format_set_font_size(formats.row_font, 10);
        format_set_italic(formats.row_font);
        formats.bordered = AddFormat(library, nullptr, false);
        formats.numbers[0] = AddFormat(library, "0", false);
        formats.numbers[2] = AddFormat(library, "0.00", false);
        formats.numbers[3] = AddFormat(library, "0.000", false);
        formats.right = AddFormat(library, nullptr, true);
        for (lxw_row_t row = 0; row < static_cast<lxw_row_t>(rows); ++row)
            LibraryRow(sheet, formats, row);
        growth = std::max(growth, ResidentMegabytes() - before);
        if (workbook_close(library) != LXW_NO_ERROR)
            state.SkipWithError("close failed");
    }
    std::filesystem::remove_all(folder);
    state.counters["rss_growth_MB"] = growth;
    state.counters["rows_per_s"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_Adapter)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibraryAlone)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
