// The row and cell writers of the export, read back from the saved worksheet: values, number formats,
// merges, borders, fills, fonts and alignment.
#include "tests/export/ExcelTestUtil.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using excel_test::ElementRow;
using excel_test::GroupRow;
using excel_test::TextRow;
using excel_test::WriterFixture;

using ExcelCells = WriterFixture;

TEST_F(ExcelCells, NumberFormsWriteOnlyNumbersAboveMinusOne) {
    const struct {
        const char* column;
        double number;
        int decimals;
        bool formulaForm;
        bool hasValue;
        const char* format;
    } cases[] = {
        {"A", -1.0, 2, false, false, ""},    {"B", -0.5, 2, false, true, "0.00"},
        {"C", 0.0, 0, false, true, "0"},     {"D", 12.3456, 3, false, true, "0.000"},
        {"E", 1.25, 1, false, true, "0.0"},  {"F", 1.5, 4, false, true, "0"},
        {"G", 1.5, -1, false, true, "0"},    {"H", -3.0, 2, false, false, ""},
        {"I", -1.0, 2, true, false, "0.00"}, {"J", 7.5, 3, true, true, "0.000"},
    };
    for (const auto& c : cases) {
        if (c.formulaForm)
            Excel::XLSprintCellFormula(c.column, c.number, c.decimals);
        else
            Excel::XLSprintCell(c.column, c.number, c.decimals);
    }
    EXPECT_EQ(Excel::xlsRow, 1) << "cell writers stay on their row";
    const auto sheet = Saved();
    for (const auto& c : cases) {
        const std::string ref = std::string(c.column) + "1";
        const auto& cell = sheet[ref];
        EXPECT_TRUE(cell.thinBorder) << ref;
        EXPECT_EQ(cell.hasValue, c.hasValue) << ref;
        EXPECT_EQ(cell.numberFormat, c.format) << ref;
        if (c.hasValue) {
            EXPECT_DOUBLE_EQ(cell.number, c.number) << ref << " is stored unrounded";
        }
    }
}

TEST_F(ExcelCells, TextsAreKeptOrReplacedByQuestionMarksAndStyled) {
    const std::string tooLong(40000, 'x');
    Excel::XLSprintCell("A", "Caf\xC3\xA9 \xC3\xAB", true, false);
    Excel::XLSprintCell("B", tooLong, false, true);
    Excel::XLSprintOrganizationInfoCell("C", tooLong, false);
    Excel::xlsBold = false;
    Excel::xlsItalic = true;
    Excel::XLSprintOrganizationInfoCell("D", "Klant", true);
    Excel::XLSprintOrganizationInfoCell("E", "waarde", false);
    Excel::XLSprintCellFormula("F", "=B1*2", 2, 12.0);
    const auto sheet = Saved();

    EXPECT_EQ(sheet["A1"].text, "Caf\xC3\xA9 \xC3\xAB");
    EXPECT_EQ(sheet["A1"].horizontal, "right");
    EXPECT_FALSE(sheet["A1"].anyBorder);
    EXPECT_EQ(sheet["B1"].text, "????");
    EXPECT_TRUE(sheet["B1"].thinBorder) << "the border is still set after a refused text";
    EXPECT_EQ(sheet["C1"].text, "????");
    const auto& label = sheet["D1"];
    EXPECT_EQ(label.font.name, "Arial");
    EXPECT_EQ(label.font.size, 12.0);
    EXPECT_FALSE(label.font.bold) << "the label font follows xlsBold";
    EXPECT_FALSE(label.font.italic) << "the label font is never italic";
    EXPECT_FALSE(label.anyBorder);
    EXPECT_EQ(sheet["E1"].font.name, "Calibri") << "values keep the workbook's default font";
    EXPECT_EQ(sheet["F1"].formula, "B1*2");
    EXPECT_EQ(sheet["F1"].number, 12.0) << "the formula carries its computed value";
    EXPECT_EQ(sheet["F1"].numberFormat, "0.00");
}

using ExcelDataRows = WriterFixture;

TEST_F(ExcelDataRows, SummaryGroupRowsPriceOnlyAPositiveTotal) {
    Excel::xlsRow = 9;
    GroupRow("20.13.", "Gevelmetselwerk", 12.5, 2, 3.0);
    GroupRow("20.14.", "Zonder totaal", 0.0, 2, 3.0);
    GroupRow("20.15.", "Niets opgeteld", -1.0, 2, 3.0);
    GroupRow("20.16.", "Zonder prijs", 4.0, 2, -1.0);
    EXPECT_EQ(Excel::xlsRow, 13);
    const auto sheet = Saved();

    EXPECT_EQ(sheet["A9"].text, "20.13.");
    EXPECT_EQ(sheet["C9"].text, "Gevelmetselwerk");
    EXPECT_EQ(sheet["R9"].text, "FH");
    EXPECT_EQ(sheet["S9"].text, "m2");
    EXPECT_EQ(sheet["T9"].number, 12.5);
    EXPECT_EQ(sheet["T9"].numberFormat, "0.00");
    EXPECT_EQ(sheet["U9"].number, 3.0);
    EXPECT_EQ(sheet["U9"].numberFormat, "0.00");
    EXPECT_EQ(sheet["V9"].formula, "T9*U9");
    EXPECT_EQ(sheet["V9"].number, 37.5);
    EXPECT_EQ(sheet["V9"].numberFormat, "0.00");

    EXPECT_EQ(sheet["T10"].number, 0.0);
    EXPECT_TRUE(sheet["T10"].hasValue);
    EXPECT_FALSE(sheet["T11"].hasValue);
    for (const char* ref : {"U10", "V10", "U11", "V11"}) {
        EXPECT_FALSE(sheet[ref].hasValue) << ref;
        EXPECT_TRUE(sheet[ref].formula.empty()) << ref;
        EXPECT_TRUE(sheet[ref].thinBorder) << ref;
        EXPECT_EQ(sheet[ref].numberFormat, "") << ref;
    }
    EXPECT_FALSE(sheet["U12"].hasValue);
    EXPECT_EQ(sheet["U12"].numberFormat, "0.00");
    EXPECT_EQ(sheet["V12"].formula, "T12*U12");
    EXPECT_EQ(sheet["V12"].number, 0.0) << "an empty unit price counts as 0";

    for (int row = 9; row <= 12; ++row) {
        const std::string r = std::to_string(row);
        EXPECT_EQ(std::count(sheet.merges().begin(), sheet.merges().end(), "A" + r + ":B" + r), 1);
        EXPECT_EQ(std::count(sheet.merges().begin(), sheet.merges().end(), "C" + r + ":Q" + r), 1);
        EXPECT_TRUE(sheet["B" + r].thinBorder && sheet["Q" + r].thinBorder);
        EXPECT_EQ(sheet["T" + r].font.name, "Arial");
        EXPECT_TRUE(sheet["T" + r].font.bold);
        EXPECT_EQ(sheet["U" + r].font.name, "Calibri") << "the row font stops at T";
        EXPECT_EQ(sheet["V" + r].font.name, "Calibri");
    }
}

TEST_F(ExcelDataRows, DetailedRowsLeaveUAndVAlone) {
    Excel::_details = true;
    GroupRow("20.13.", "Gevelmetselwerk", 12.5, 2, 3.0);
    Excel::xlsFontSize = 10;
    Excel::xlsItalic = true;
    Excel::xlsBold = false;
    ElementRow();
    Excel::_details = false;
    ElementRow();
    const auto sheet = Saved();

    for (const char* ref : {"U1", "V1", "U2", "V2"})
        EXPECT_FALSE(sheet[ref].exists) << ref;
    for (const char* row : {"2", "3"}) {
        const std::string r(row);
        EXPECT_FALSE(sheet["A" + r].hasValue);
        EXPECT_TRUE(sheet["A" + r].font.italic) << "A gets only the row font";
        EXPECT_FALSE(sheet["A" + r].anyBorder);
        EXPECT_EQ(sheet["B" + r].text, "Gelijkvloers");
        EXPECT_EQ(sheet["D" + r].text, "0.12");
        EXPECT_EQ(sheet["E" + r].text, "Keuken");
        EXPECT_EQ(sheet["F" + r].text, "W-01");
        const std::vector<std::pair<const char*, const char*>> numbers = {
            {"G", "0"}, {"H", "0.00"}, {"L", "0.00"}, {"M", "0.000"}, {"O", "0.000"}};
        for (const auto& [column, format] : numbers)
            EXPECT_EQ(sheet[column + r].numberFormat, format) << column << r;
        EXPECT_EQ(sheet["O" + r].number, 9.0);
        EXPECT_EQ(sheet["P" + r].text, "info 1");
        EXPECT_EQ(sheet["P" + r].horizontal, "right");
        EXPECT_EQ(sheet["Q" + r].horizontal, "right");
        EXPECT_EQ(sheet["F" + r].horizontal, "");
        EXPECT_FALSE(sheet["R" + r].hasValue);
        EXPECT_TRUE(sheet["T" + r].thinBorder);
        EXPECT_EQ(sheet["T" + r].font.size, 10.0);
    }
    EXPECT_FALSE(sheet["U2"].exists);
    EXPECT_TRUE(sheet["U3"].thinBorder && sheet["V3"].thinBorder) << "the summary writes empty U and V";
    EXPECT_FALSE(sheet["U3"].hasValue);
}

using ExcelTextRows = WriterFixture;

TEST_F(ExcelTextRows, TitleAndCaptionRowsFollowTheColumnRange) {
    for (const bool details : {false, true}) {
        Excel::_details = details;
        TextRow(0, "Meetstaat, codering QELM", "t2");
        TextRow(1, "Artikelnr.", "Omschrijving", " AvO", "Eenheid", "Totaal", "Eenheidsprijs", "Totaalprijs");
    }
    const auto sheet = Saved();

    EXPECT_EQ(sheet.merges(),
              (std::vector<std::string>{"A1:V1", "A2:B2", "C2:Q2", "A3:T3", "A4:B4", "C4:Q4"}));
    EXPECT_EQ(sheet["A1"].text, "Meetstaat, codering QELM");
    for (const char* ref : {"A1", "V1", "A2", "V2", "A3", "T3", "A4", "T4"}) {
        EXPECT_EQ(sheet[ref].fillRgb, "FFC0C0C0") << ref;
        EXPECT_TRUE(sheet[ref].thinBorder) << ref;
        EXPECT_TRUE(sheet[ref].font.bold) << ref;
        EXPECT_EQ(sheet[ref].font.size, 12.0) << ref;
    }
    EXPECT_FALSE(sheet["U3"].exists);
    EXPECT_FALSE(sheet["U4"].exists) << "no price captions in the detailed range";
    EXPECT_EQ(sheet["U2"].text, "Eenheidsprijs");
    EXPECT_EQ(sheet["V2"].text, "Totaalprijs");
    EXPECT_EQ(sheet["R4"].text, " AvO");
    EXPECT_EQ(sheet["T4"].text, "Totaal");
    EXPECT_EQ(sheet["C4"].text, "Omschrijving");
}

TEST_F(ExcelTextRows, DetailCaptionNoteAndUnknownRows) {
    Excel::_details = true;
    const std::string e;
    Excel::XLSprintRowText(2, "Verdieping", "Ruimtenummer", "Ruimtenaam", "Beschrijving", "Aantal", "Lengte",
                           "Breedte", "Hoogte", "Dikte / diepte", "Oppervlakte", "Volume", "Gewicht",
                           "Vermogen", "Extra info 1", "Extra info 2", e, e, "t18");
    TextRow(3, "Opmerking bij de groep", "t2");
    TextRow(7, "nothing");
    Excel::XLSprintRowData(2, "t1", e, e, e, 1.0, 0, 1.0, 0, 1.0, 0, 1.0, 0, 1.0, 0, 1.0, 0, 1.0, 0, 1.0, 0,
                           1.0, 0, e, e, 1.0, 0, 1.0, 0, 1.0, 0);
    EXPECT_EQ(Excel::xlsRow, 5) << "every row kind advances one row";
    Excel::_details = false;
    TextRow(3, "In de samenvatting");
    const auto sheet = Saved();

    EXPECT_FALSE(sheet["A1"].hasValue);
    EXPECT_FALSE(sheet["A1"].anyBorder);
    EXPECT_TRUE(sheet["A1"].font.bold) << "A gets the row font";
    EXPECT_EQ(sheet["B1"].text, "Verdieping");
    EXPECT_EQ(sheet["D1"].text, "Ruimtenummer");
    EXPECT_EQ(sheet["K1"].text, "Dikte / diepte");
    EXPECT_EQ(sheet["Q1"].text, "Extra info 2");
    EXPECT_EQ(sheet["T1"].text, "t18");
    EXPECT_EQ(sheet["B1"].fillRgb, "") << "detail captions have no fill";

    EXPECT_EQ(sheet["A2"].text, "Opmerking bij de groep");
    for (const char* ref : {"R2", "S2", "T2"})
        EXPECT_TRUE(sheet[ref].thinBorder && !sheet[ref].hasValue) << ref;
    EXPECT_FALSE(sheet["U5"].hasValue || sheet["U5"].anyBorder) << "a note row never writes U and V";
    EXPECT_TRUE(sheet["V5"].font.bold) << "but the summary's row font covers them";

    for (const char* ref : {"A3", "T3", "A4", "T4"}) {
        EXPECT_FALSE(sheet[ref].hasValue) << ref;
        EXPECT_FALSE(sheet[ref].anyBorder) << ref;
        EXPECT_EQ(sheet[ref].font.name, "Arial") << ref;
    }
    EXPECT_FALSE(sheet["U3"].exists);
    EXPECT_EQ(sheet.merges(), (std::vector<std::string>{"B1:C1", "A2:Q2", "A5:Q5"}));
}

using ExcelBouwsoftRow = WriterFixture;

TEST_F(ExcelBouwsoftRow, WritesSixteenColumnsWithoutFont) {
    Excel::BouwSoftPrintRowData("20.13.", "Gevelmetselwerk", "W-01", "Gelijkvloers", "Keuken / Berging",
                                "1 / 2", 12.0, 2, 0.0, 2, -1.0, 2, 3.0, 2, 0.3, 2, 3.6, 2, 1234.5678, 3,
                                "lijn 2", "lijn 1", "0HnnZ8uWj1$OtnJrW5h1Ab");
    EXPECT_EQ(Excel::xlsRow, 2);
    const auto sheet = Saved();

    EXPECT_EQ(sheet.RowCells(1).size(), 16u);
    EXPECT_EQ(sheet["E1"].text, "Keuken / Berging");
    EXPECT_EQ(sheet["H1"].number, 0.0);
    EXPECT_TRUE(sheet["H1"].hasValue);
    EXPECT_FALSE(sheet["I1"].hasValue) << "the writer itself leaves -1.0 empty";
    EXPECT_EQ(sheet["M1"].numberFormat, "0.000");
    EXPECT_EQ(sheet["N1"].text, "lijn 2");
    EXPECT_EQ(sheet["O1"].text, "lijn 1");
    EXPECT_EQ(sheet["P1"].text, "0HnnZ8uWj1$OtnJrW5h1Ab");
    for (const auto& ref : sheet.RowCells(1)) {
        EXPECT_EQ(sheet[ref].font.name, "Calibri") << ref;
        EXPECT_TRUE(sheet[ref].thinBorder) << ref;
        EXPECT_EQ(sheet[ref].fillRgb, "") << ref;
    }
    EXPECT_TRUE(sheet.merges().empty());
}

} // namespace
