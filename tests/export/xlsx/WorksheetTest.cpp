// The worksheet adapter: references, text cleaning, the streamed row, cells and ranges, column widths,
// read back from the saved worksheet's XML.
#include "export/xlsx/Workbook.hpp"
#include "tests/export/xlsx/XlsxTestUtil.hpp"
#include "tests/support/DutchLocale.hpp"

#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>

namespace {

using namespace xlsx;
using xlsx_test::CellXml;
using xlsx_test::SheetXml;
using xlsx_test::TempFolder;

// Writes through `fill` and returns the saved worksheet's XML.
template <class Fill> std::string WriteSheet(Fill fill) {
    TempFolder folder;
    Workbook book(folder.file("out.xlsx"));
    fill(book.active_sheet());
    const Status saved = book.save();
    EXPECT_TRUE(saved.ok()) << saved.message;
    return SheetXml(folder.file("out.xlsx"));
}

TEST(CellReference, ReadsA1References) {
    const struct {
        const char* text;
        std::uint32_t row;
        std::uint32_t column;
    } good[] = {{"A1", 0, 0},
                {"V7", 6, 21},
                {"t9", 8, 19},
                {"AA10", 9, 26},
                {"XFD1048576", 1048575, 16383},
                {"A1048577", 1048576, 0}};
    for (const auto& c : good) {
        const auto address = ParseCellReference(c.text);
        ASSERT_TRUE(address) << c.text;
        EXPECT_EQ(*address, (CellAddress{c.row, c.column})) << c.text;
        EXPECT_EQ(FormatCellReference(*address), std::string(c.text).starts_with('t') ? "T9" : c.text);
    }
    for (const char* bad :
         {"", "A", "7", "A0", "A01", "XFE1", "A1:", "$A$1", "A1B", "ABCDE1", "A12345678901"})
        EXPECT_FALSE(ParseCellReference(bad)) << bad;
}

TEST(CleanText, KeepsValidTextAndReplacesWhatXmlCannotCarry) {
    const struct {
        std::string in;
        std::string out;
        std::size_t units;
    } cases[] = {
        {"Kerkstraat 1 - 1000 Brussel\n", "Kerkstraat 1 - 1000 Brussel\n", 28},
        {"\xC3\xA9 \xC3\xAB \xC3\xAF", "\xC3\xA9 \xC3\xAB \xC3\xAF", 5}, // é ë ï
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80", 2},                     // outside the BMP: two units
        {"tab\there\r", "tab\there\r", 9},
        {std::string("a\0b", 3),
         "a\xEF\xBF\xBD"
         "b",
         3},                                                           // NUL
        {"a\x01z", "a\xEF\xBF\xBDz", 3},                               // control character
        {"\xFF", "\xEF\xBF\xBD", 1},                                   // not UTF-8 at all
        {"x\xC3", "x\xEF\xBF\xBD", 2},                                 // truncated sequence
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD", 2},                   // overlong '/'
        {"\xED\xA0\x80", "\xEF\xBF\xBD", 1},                           // lone surrogate
        {"\xEF\xBF\xBE|\xEF\xBF\xBF", "\xEF\xBF\xBD|\xEF\xBF\xBD", 3}, // U+FFFE, U+FFFF
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD", 1},                       // above U+10FFFF
        {"_x0041_", "_x005F_x0041_", 13},                              // would read as "A"
        {"_x12G4_ _x00", "_x12G4_ _x00", 12},
    };
    for (const auto& c : cases) {
        std::string out = "old";
        EXPECT_EQ(CleanText(c.in, out), c.units) << c.in;
        EXPECT_EQ(out, c.out) << c.in;
    }
}

TEST(WorksheetRows, SecondWriteReplacesAndMovingOnWritesTheRowOut) {
    const std::string xml = WriteSheet([](Worksheet& ws) {
        ASSERT_TRUE(ws.cell("A1").value("first"));
        ASSERT_TRUE(ws.cell("A1").value("second"));
        ws.cell("B1").value(1.0);
        ws.cell("B1").formula("=1+1", 2.0);
        ws.cell("C1").border(Border::all(BorderStyle::thin));
        EXPECT_EQ(ws.current_row(), 1u);
        ASSERT_TRUE(ws.cell("A2").value("next"));
        EXPECT_EQ(ws.current_row(), 2u);
        ws.cell("A70000").value(70000.0); // past the 65,536 rows of the old format
    });
    EXPECT_EQ(xml.find("first"), std::string::npos);
    EXPECT_NE(CellXml(xml, "A1").find("<t>second</t>"), std::string::npos) << xml;
    EXPECT_NE(CellXml(xml, "B1").find("<f>1+1</f><v>2</v>"), std::string::npos) << xml;
    EXPECT_NE(CellXml(xml, "C1").find(" s=\""), std::string::npos) << xml;
    EXPECT_NE(CellXml(xml, "A2").find("<t>next</t>"), std::string::npos) << xml;
    EXPECT_NE(CellXml(xml, "A70000").find("<v>70000</v>"), std::string::npos) << xml;
}

TEST(WorksheetRows, FacetsReplaceOnlyThemselves) {
    TempFolder folder;
    Workbook book(folder.file("out.xlsx"));
    Worksheet& ws = book.active_sheet();
    ws.cell("A1").number_format("0.00");
    ws.cell("A1").border(Border::all(BorderStyle::thin));
    ws.cell("B1").border(Border::all(BorderStyle::thin));
    ws.cell("B1").number_format("0.00");
    ws.range("C1:D1").font(Font{"Arial", 12, true, false});
    ws.range("C1:D1").font(Font{"Arial", 10, false, true}); // replaces the font
    ws.cell("E1").border(Border::all(BorderStyle::thin));
    ws.cell("E1").number_format("0.00");
    ws.cell("E1").number_format("0"); // replaces the number format only
    ASSERT_TRUE(book.save().ok());
    EXPECT_EQ(ws.format_count(), 3u); // {0.00, thin} for A1 and B1, the second font, {0, thin}

    const std::string xml = SheetXml(folder.file("out.xlsx"));
    const auto style = [&](const char* ref) {
        const std::string cell = CellXml(xml, ref);
        const auto s = cell.find(" s=\"");
        return s == std::string::npos ? std::string() : cell.substr(s, cell.find('"', s + 4) - s);
    };
    EXPECT_EQ(style("A1"), style("B1"));
    EXPECT_EQ(style("C1"), style("D1"));
    EXPECT_NE(style("A1"), style("E1"));
}

TEST(WorksheetRows, MergeThenValueShowsTheFirstCellAndClearsTheOthers) {
    const std::string xml = WriteSheet([](Worksheet& ws) {
        ASSERT_TRUE(ws.cell("B3").value("hidden"));
        ASSERT_TRUE(ws.range("A3:C3").merge_cells());
        ASSERT_TRUE(ws.range("A3:C3").merge_cells()); // the same merge again
        ASSERT_TRUE(ws.range("A3:C3").border(Border::all(BorderStyle::thin)));
        ASSERT_TRUE(ws.cell("A3").value("Meetstaat, codering QELM"));
        ASSERT_TRUE(ws.range("E3:E3").merge_cells()); // one cell: nothing to merge
        ASSERT_TRUE(ws.range("H3:F3").merge_cells()); // ends in either order
    });
    EXPECT_NE(xml.find("<mergeCells count=\"2\"><mergeCell ref=\"A3:C3\"/><mergeCell ref=\"F3:H3\"/>"),
              std::string::npos)
        << xml;
    EXPECT_NE(CellXml(xml, "A3").find("Meetstaat, codering QELM"), std::string::npos);
    EXPECT_EQ(xml.find("hidden"), std::string::npos);
    const std::string b3 = CellXml(xml, "B3");
    EXPECT_NE(b3.find(" s=\""), std::string::npos) << "merged cells keep their border: " << b3;
}

TEST(WorksheetRows, OverlappingMergeFailsTheSheet) {
    TempFolder folder;
    Workbook book(folder.file("out.xlsx"));
    Worksheet& ws = book.active_sheet();
    ASSERT_TRUE(ws.range("A1:B1").merge_cells());
    EXPECT_FALSE(ws.range("B1:C1").merge_cells());
    EXPECT_EQ(ws.status().error, Error::merge_overlap);
    EXPECT_EQ(book.save().error, Error::merge_overlap);
    EXPECT_TRUE(xlsx_test::ListFolder(folder.path()).empty());
}

TEST(WorksheetRows, EarlierRowIsAProgrammingErrorAndFailsTheSave) {
    TempFolder folder;
    Workbook book(folder.file("out.xlsx"));
    Worksheet& ws = book.active_sheet();
    ASSERT_TRUE(ws.cell("A5").value("five"));
    [[maybe_unused]] bool taken = true;
    EXPECT_DEBUG_DEATH(taken = ws.cell("A3").value("three"), "written once, in order");
    EXPECT_DEBUG_DEATH(taken = ws.range("A4:C4").merge_cells(), "written once, in order");
    EXPECT_DEBUG_DEATH(ws.cell("A0"), "A1 reference");
    EXPECT_DEBUG_DEATH(ws.range("A1:B2"), "within one row");
#ifdef NDEBUG
    EXPECT_FALSE(taken);
    EXPECT_EQ(ws.status().error, Error::row_order);
    EXPECT_NE(ws.status().message.find("row 3 was addressed after row 5"), std::string::npos)
        << ws.status().message;
    EXPECT_EQ(book.save().error, Error::row_order);
    EXPECT_TRUE(xlsx_test::ListFolder(folder.path()).empty());
#endif
}

TEST(WorksheetRows, LastRowOfTheSheetAndPastIt) {
    TempFolder folder;
    Workbook book(folder.file("out.xlsx"));
    Worksheet& ws = book.active_sheet();
    EXPECT_TRUE(ws.cell("A1048576").value("last"));
    EXPECT_TRUE(ws.status().ok());
    EXPECT_FALSE(ws.cell("A1048577").value("past"));
    EXPECT_EQ(ws.status().error, Error::row_limit);
    EXPECT_EQ(book.save().error, Error::row_limit);
}

TEST(CellValues, TextsOverTheLimitAreRefusedAndLeaveTheCell) {
    const std::string xml = WriteSheet([](Worksheet& ws) {
        EXPECT_TRUE(ws.cell("A1").value(std::string(32767, 'a')));
        ASSERT_TRUE(ws.cell("B1").value("kept"));
        EXPECT_FALSE(ws.cell("B1").value(std::string(32768, 'b')));
        std::string wide;
        for (int i = 0; i < 16384; ++i)
            wide += "\xF0\x9F\x98\x80"; // 16,384 characters, 32,768 UTF-16 units
        EXPECT_FALSE(ws.cell("C1").value(wide));
        EXPECT_FALSE(ws.cell("D1").value(std::string(40000, 'd')));
        EXPECT_TRUE(ws.cell("D1").value("????"));
        EXPECT_TRUE(ws.status().ok()) << "a refused text is the caller's to make good";
    });
    EXPECT_NE(CellXml(xml, "A1").find(std::string(32767, 'a')), std::string::npos);
    EXPECT_NE(CellXml(xml, "B1").find("<t>kept</t>"), std::string::npos);
    EXPECT_EQ(CellXml(xml, "C1"), "");
    EXPECT_NE(CellXml(xml, "D1").find("<t>????"
                                      "</t>"),
              std::string::npos);
}

TEST(CellValues, NumbersFormulasAndWhatIsNotFinite) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double largest = std::numeric_limits<double>::max();
    const std::string longest(8192, '1'); // the spreadsheet's longest formula
    const std::string xml = WriteSheet([&](Worksheet& ws) {
        EXPECT_TRUE(ws.cell("A1").value(-0.5));
        EXPECT_TRUE(ws.cell("B1").value(12.3456));
        ws.cell("C1").value(7.0);
        EXPECT_FALSE(ws.cell("C1").value(nan)); // also drops the 7
        ws.cell("C1").number_format("0.00");
        EXPECT_FALSE(ws.cell("D1").value(inf));
        EXPECT_FALSE(ws.cell("E1").value(-inf));
        EXPECT_TRUE(ws.cell("F1").formula("=T9*U9", 37.5));
        EXPECT_FALSE(ws.cell("G1").formula("=1/0", inf));
        EXPECT_FALSE(ws.cell("H1").formula("", 1.0));
        EXPECT_FALSE(ws.cell("H1").formula("=", 1.0));
        // The largest doubles are written rounded up past the largest double: not writable.
        EXPECT_FALSE(ws.cell("I1").value(largest));
        EXPECT_FALSE(ws.cell("J1").value(-std::nextafter(largest, 0.0)));
        EXPECT_TRUE(ws.cell("K1").value(std::nextafter(std::nextafter(largest, 0.0), 0.0)));
        EXPECT_FALSE(ws.cell("L1").formula("=K1*2", largest));
        EXPECT_TRUE(ws.cell("M1").formula(longest, 1.0));
        EXPECT_FALSE(ws.cell("N1").formula(longest + "1", 1.0));
        EXPECT_TRUE(ws.status().ok());
    });
    EXPECT_NE(CellXml(xml, "A1").find("<v>-0.5</v>"), std::string::npos) << xml;
    EXPECT_NE(CellXml(xml, "B1").find("<v>12.3456</v>"), std::string::npos) << xml;
    EXPECT_EQ(CellXml(xml, "C1").find("<v>"), std::string::npos) << xml;
    EXPECT_NE(CellXml(xml, "C1").find(" s=\""), std::string::npos) << xml;
    EXPECT_EQ(CellXml(xml, "D1"), "");
    EXPECT_EQ(CellXml(xml, "E1"), "");
    EXPECT_NE(CellXml(xml, "F1").find("<f>T9*U9</f><v>37.5</v>"), std::string::npos) << xml;
    EXPECT_NE(CellXml(xml, "G1").find("<f>1/0</f><v>0</v>"), std::string::npos) << xml;
    EXPECT_EQ(CellXml(xml, "H1"), "");
    EXPECT_EQ(CellXml(xml, "I1"), "");
    EXPECT_EQ(CellXml(xml, "J1"), "");
    EXPECT_NE(CellXml(xml, "L1").find("<v>0</v>"), std::string::npos) << xml;
    EXPECT_NE(CellXml(xml, "M1").find("<f>" + longest + "</f>"), std::string::npos);
    EXPECT_TRUE(CellXml(xml, "N1").empty());
    for (auto v = xml.find("<v>"); v != std::string::npos; v = xml.find("<v>", v + 1))
        EXPECT_TRUE(std::isfinite(std::strtod(xml.c_str() + v + 3, nullptr))) << xml.substr(v, 40);
    EXPECT_EQ(xml.find("nan"), std::string::npos);
    EXPECT_EQ(xml.find("inf"), std::string::npos);
}

TEST(CellValues, NumbersIgnoreTheThreadsNumericLocale) {
    const locale_t dutch = testsupport::NewDutchLocale(LC_NUMERIC_MASK);
    if (dutch == static_cast<locale_t>(nullptr))
        GTEST_SKIP() << "no Dutch locale can be made here";
    const locale_t before = uselocale(dutch);
    const std::string xml = WriteSheet([](Worksheet& ws) {
        ws.cell("A1").value(12.5);
        ws.cell("B1").formula("=A1*2", 25.25);
        ws.cell("C1").font(Font{"Arial", 10.5, false, false});
    });
    uselocale(before);
    freelocale(dutch);
    EXPECT_NE(CellXml(xml, "A1").find("<v>12.5</v>"), std::string::npos) << xml;
    EXPECT_NE(CellXml(xml, "B1").find("<v>25.25</v>"), std::string::npos) << xml;
}

TEST(CellStyles, RefusedFontsAndTitles) {
    TempFolder folder;
    Workbook book(folder.file("out.xlsx"));
    Worksheet& ws = book.active_sheet();
    EXPECT_FALSE(ws.cell("A1").font(Font{"", 12, false, false}));
    EXPECT_FALSE(ws.cell("A1").font(Font{std::string(32, 'f'), 12, false, false}));
    EXPECT_FALSE(ws.cell("A1").font(Font{"Arial", 0, false, false}));
    EXPECT_FALSE(ws.range("A1:B1").font(Font{"Arial", std::nan(""), false, false}));
    EXPECT_FALSE(ws.cell("A1").number_format(std::string(128, '0')));

    EXPECT_TRUE(ws.title("Export Samenvattende meetstaat"));
    for (const char* bad : {"", "a/b", "[x]", "'quoted'", "This title is longer than 31 chars"})
        EXPECT_FALSE(ws.title(bad)) << bad;
    EXPECT_EQ(ws.title(), "Export Samenvattende meetstaat");
    ws.cell("A1").value(1.0);
    ws.cell("A2").value(2.0); // row 1 is written out: the sheet exists now
    EXPECT_FALSE(ws.title("Too late"));
    EXPECT_TRUE(ws.status().ok());
    ASSERT_TRUE(book.save().ok());
    const std::string workbook_xml = xlsx_test::ReadZipEntry(folder.file("out.xlsx"), "xl/workbook.xml");
    EXPECT_NE(workbook_xml.find("name=\"Export Samenvattende meetstaat\""), std::string::npos)
        << workbook_xml;
}

TEST(CellStyles, ATitledSheetWithoutRowsIsSavedUnderItsTitle) {
    TempFolder folder;
    Workbook book(folder.file("out.xlsx"));
    ASSERT_TRUE(book.active_sheet().title("Export Bouwsoft"));
    ASSERT_TRUE(book.save().ok());
    const std::string workbook_xml = xlsx_test::ReadZipEntry(folder.file("out.xlsx"), "xl/workbook.xml");
    EXPECT_NE(workbook_xml.find("<sheet name=\"Export Bouwsoft\""), std::string::npos) << workbook_xml;
}

TEST(CellStyles, AFormatTheLibraryCannotMakeFailsTheSave) {
    TempFolder folder;
    Workbook book(folder.file("out.xlsx"));
    Worksheet& ws = book.active_sheet();
    const auto real = FormatCache::add_format;
    FormatCache::add_format = [](lxw_workbook*) -> lxw_format* { return nullptr; };
    ws.cell("A1").number_format("0.00");
    ws.cell("A1").value(1.0);
    const Status saved = book.save();
    FormatCache::add_format = real;
    EXPECT_EQ(saved.error, Error::library) << saved.message;
    EXPECT_TRUE(xlsx_test::ListFolder(folder.path()).empty());
}

TEST(FormatCache, SameFacetsShareOneFormat) {
    TempFolder folder;
    lxw_workbook* library = workbook_new(folder.file("cache.xlsx").c_str());
    ASSERT_NE(library, nullptr);
    FormatCache cache;
    StyleKey thin;
    thin.border = Border::all(BorderStyle::thin);
    thin.number_format = cache.intern("0.00");
    StyleKey same = thin;
    same.number_format = cache.intern(std::string("0.") + "00");
    StyleKey right = thin;
    right.halign = HAlign::right;

    lxw_format* first = cache.format_for(library, thin);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(cache.format_for(library, same), first);
    EXPECT_NE(cache.format_for(library, right), first);
    EXPECT_EQ(cache.format_for(library, StyleKey{}), nullptr); // the default style needs no format
    EXPECT_EQ(cache.format_count(), 2u);
    EXPECT_EQ(cache.intern(""), 0u);
    EXPECT_EQ(StyleKeyHash{}(thin), StyleKeyHash{}(same));
    lxw_workbook_free(library);
}

// Width by 1-based column, from the sheet's <col> elements (each the library writes covers one column).
std::map<int, double> ColumnWidthsOf(const std::string& xml) {
    std::map<int, double> widths;
    for (auto at = xml.find("<col min=\""); at != std::string::npos; at = xml.find("<col min=\"", at + 1)) {
        const int column = std::atoi(xml.c_str() + at + 10);
        widths[column] = std::atof(xml.c_str() + xml.find("width=\"", at) + 7);
    }
    return widths;
}

// What a spreadsheet shows for a number under a format, character for character.
TEST(ColumnWidths, NumbersAreMeasuredAsTheirFormatShowsThem) {
    const struct {
        const char* code;
        double number;
        const char* shown;
    } cases[] = {
        {"0.00", 3265153.75, "3265153.75"},
        {"#,##0.00", 3265153.75, "3,265,153.75"},
        {"#,##0.00", -43265153.75, "-43,265,153.75"},
        {"0.00", 9.996, "10.00"},
        {"0", 0.4, "0"},
        {"#.00", 0.5, ".50"},
        {"0.0%", 0.1234, "12.3%"},
        {"\"EUR \"#,##0", 1234567, "EUR 1,234,567"},
        {"[Red]0.0", 12.34, "12.3"},
        {"[$\xE2\x82\xAC-813] #,##0.00", 1234.5, "\xE2\x82\xAC 1,234.50"},
        {"0.00E+00", 12345, "1.23E+04"},
        {"dd/mm/yyyy", 45000, "15/03/2023"},
        {"General", 3.14159265358979, "3.141592654"},
        {"", 123456, "123456"},
    };
    for (const auto& c : cases) {
        const Extent extent = MeasureNumber(c.number, ReadNumberFormat(c.code));
        EXPECT_EQ(extent.characters, MeasureText(c.shown, false).characters) << c.code << " " << c.shown;
    }
}

// A merged block's content is spread over its columns; texts count characters, not bytes; a column
// whose content fits keeps the default width.
TEST(ColumnWidths, MergedBlocksSpreadAndTextsCountCharacters) {
    const std::string long_text(60, 'x');
    std::string accented;
    for (int i = 0; i < 20; ++i)
        accented += "\xC3\xA9"; // é
    const std::map<int, double> widths = ColumnWidthsOf(WriteSheet([&](Worksheet& ws) {
        ws.range("A1:C1").merge_cells();
        (void)ws.cell("A1").value(long_text);
        ws.range("E1:F1").merge_cells();
        (void)ws.cell("E1").value("Totaal");
        (void)ws.cell("G2").value(accented);
        (void)ws.cell("H2").value("x");
    }));
    ASSERT_EQ(widths.size(), 4u); // A, B, C and G
    EXPECT_DOUBLE_EQ(widths.at(1), widths.at(2));
    EXPECT_DOUBLE_EQ(widths.at(2), widths.at(3));
    EXPECT_GE(widths.at(1) * 3, 60.0);
    EXPECT_LT(widths.at(1), 30.0);
    EXPECT_GE(widths.at(7), 20.0);
    EXPECT_LT(widths.at(7), 40.0); // 40 bytes
}

} // namespace
