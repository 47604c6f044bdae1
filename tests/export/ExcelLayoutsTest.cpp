// The workbook layouts: the project block from the host's autotexts and project notes, the title and
// caption rows of the two bills, the Bouwsoft caption row and its column map.
#include "tests/export/ExcelTestUtil.hpp"

#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using hostplatform::ProjectBuilder;

template <std::size_t N> void SetNote(char (&field)[N], const char* text) {
    std::strncpy(field, text, N - 1);
}

class ExcelLayouts : public excel_test::WriterFixture {
  protected:
    // A project with the three autotexts (but SHORTDATE when `withDate` is false) and project notes.
    static void InstallProject(bool withDate, const char* street, const char* code, const char* city) {
        ProjectBuilder b;
        b.AddAutotext("PROJECTNUMBER", "2024-017");
        if (withDate)
            b.AddAutotext("SHORTDATE", "1-2-2024");
        b.AddAutotext("SITEFULLADDRESS", "Kerkstraat 1, 1000 Brussel");
        API_ProjectNoteInfo notes{};
        SetNote(notes.client, "Familie Peeters");
        SetNote(notes.projectName, "Woning Peeters \xC3\xA9\xC3\xA9n"); // één
        SetNote(notes.company, "Bouwbedrijf Janssens");
        SetNote(notes.street, street);
        SetNote(notes.city, city);
        SetNote(notes.country, "Belgi\xC3\xAB");
        SetNote(notes.code, code);
        b.SetProjectNotes(notes);
        b.Install();
    }
};

TEST_F(ExcelLayouts, SummaryHasTheProjectBlockTitleAndPriceCaptions) {
    InstallProject(true, "Kerkstraat 1", "1000", "Brussel");
    Excel::PrintOrganizationInfo(ExportSummary);
    EXPECT_EQ(Excel::xlsRow, 7);
    Excel::PrintHeader(ExportSummary);
    EXPECT_EQ(Excel::xlsRow, 9) << "the first group row";
    const auto sheet = Saved();

    const std::pair<const char*, const char*> texts[] = {
        {"A1", "Project nummer"},
        {"C1", "2024-017"},
        {"P1", "Bouwbedrijf Janssens"},
        {"A2", "Project"},
        {"C2", "Woning Peeters \xC3\xA9\xC3\xA9n"},
        {"P2", "Kerkstraat 1 - 1000 Brussel\n"},
        {"C3", "Kerkstraat 1, 1000 Brussel"},
        {"A4", "Publicatie datum"},
        {"C4", "1-2-2024"},
        {"A5", "Klant"},
        {"C5", "Familie Peeters"},
        {"A7", "Meetstaat, codering QELM"},
        {"A8", "Artikelnr."},
        {"C8", "Omschrijving"},
        {"R8", " AvO"},
        {"S8", "Eenheid"},
        {"T8", "Totaal"},
        {"U8", "Eenheidsprijs"},
        {"V8", "Totaalprijs"},
    };
    for (const auto& [ref, text] : texts)
        EXPECT_EQ(sheet[ref].text, text) << ref;
    for (const char* label : {"A1", "A2", "A4", "A5"}) {
        EXPECT_EQ(sheet[label].font.name, "Arial") << label;
        EXPECT_TRUE(sheet[label].font.bold) << label;
        EXPECT_FALSE(sheet[label].anyBorder) << label;
    }
    EXPECT_EQ(sheet["C1"].font.name, "Calibri");
    EXPECT_EQ(sheet["P2"].horizontal, "");
    EXPECT_TRUE(sheet.RowCells(6).empty());
    EXPECT_EQ(sheet.RowCells(3), std::vector<std::string>{"C3"});
    EXPECT_EQ(sheet.merges(), (std::vector<std::string>{"A7:V7", "A8:B8", "C8:Q8"}));
    EXPECT_EQ(sheet["V8"].fillRgb, "FFC0C0C0");
}

TEST_F(ExcelLayouts, DetailedBillStopsAtTAndAddsTheDetailCaptions) {
    InstallProject(false, "", "", "");
    Excel::_details = true;
    Excel::PrintOrganizationInfo(ExportDetailed);
    Excel::PrintHeader(ExportDetailed);
    EXPECT_EQ(Excel::xlsRow, 10);
    const auto sheet = Saved();

    EXPECT_EQ(sheet["P2"].text, " -  \n") << "empty address parts keep their separators";
    EXPECT_EQ(sheet["A4"].text, "Publicatie datum");
    EXPECT_FALSE(sheet["C4"].exists) << "no SHORTDATE autotext: an empty value";
    EXPECT_EQ(sheet.merges(), (std::vector<std::string>{"A7:T7", "A8:B8", "C8:Q8", "B9:C9"}));
    EXPECT_FALSE(sheet["U8"].exists);
    EXPECT_FALSE(sheet["V8"].exists);
    const std::pair<const char*, const char*> captions[] = {
        {"B9", "Verdieping"},     {"D9", "Ruimtenummer"}, {"E9", "Ruimtenaam"},  {"F9", "Beschrijving"},
        {"G9", "Aantal"},         {"H9", "Lengte"},       {"I9", "Breedte"},     {"J9", "Hoogte"},
        {"K9", "Dikte / diepte"}, {"L9", "Oppervlakte"},  {"M9", "Volume"},      {"N9", "Gewicht"},
        {"O9", "Vermogen"},       {"P9", "Extra info 1"}, {"Q9", "Extra info 2"}};
    for (const auto& [ref, text] : captions) {
        EXPECT_EQ(sheet[ref].text, text) << ref;
        EXPECT_TRUE(sheet[ref].thinBorder) << ref;
        EXPECT_EQ(sheet[ref].fillRgb, "") << ref;
    }
    for (const char* ref : {"R9", "S9", "T9"})
        EXPECT_TRUE(sheet[ref].thinBorder && !sheet[ref].hasValue) << ref;
    EXPECT_FALSE(sheet["A9"].hasValue || sheet["A9"].anyBorder);
}

TEST_F(ExcelLayouts, ProjectNotesThatFailOrLackTheirZeroStayInsideTheRecord) {
    ProjectBuilder b;
    API_ProjectNoteInfo notes{};
    std::memset(notes.client, 'k', sizeof notes.client); // no terminating zero
    SetNote(notes.projectName, "Woning");
    b.SetProjectNotes(notes);
    b.Install();
    Excel::PrintOrganizationInfo(ExportSummary);
    hostplatform::Faults::FailCall("ACAPI_ProjectSetting_GetProjectNotes");
    Excel::PrintOrganizationInfo(ExportSummary);
    const auto sheet = Saved();

    EXPECT_EQ(sheet["C5"].text, std::string(256, 'k'));
    EXPECT_EQ(sheet["C2"].text, "Woning");
    EXPECT_EQ(sheet["A7"].text, "Project nummer");
    EXPECT_FALSE(sheet["C8"].exists) << "a failed call shows empty texts";
    EXPECT_FALSE(sheet["C11"].exists);
    EXPECT_EQ(sheet["P8"].text, " -  \n");
}

TEST_F(ExcelLayouts, BouwsoftCaptionRowNamesTheImportColumns) {
    ProjectBuilder().Install();
    Excel::_details = true;
    Excel::PrintOrganizationInfo(ExportBouwsoft);
    EXPECT_EQ(Excel::xlsRow, 1) << "no project block";
    Excel::PrintHeader(ExportBouwsoft);
    EXPECT_EQ(Excel::xlsRow, 2);
    Excel::PrintHeader(static_cast<ExportType>(5));
    EXPECT_EQ(Excel::xlsRow, 2);
    const auto sheet = Saved();

    const char* const names[] = {"QELM-artikel (Nr 1)",
                                 "QELM artikel omschrijving",
                                 "Aantalberekening - Beschrijving",
                                 "Aantalberekening - Info - Verdieping",
                                 "Aantalberekening - Info - Ruimte",
                                 "Ruimte nummer",
                                 "Aantalberekening - Alt.Eh. - m2",
                                 "Aantalberekening - Info - Lengte",
                                 "Aantalberekening - Info - Breedte",
                                 "Aantalberekening - Info - Hoogte",
                                 "Aantalberekening - Info - Dikte",
                                 "Aantalberekening - Alt.Eh. - m3",
                                 "Aantalberekening - Alt.Eh. - kg",
                                 "Eenheid 2",
                                 "Eenheid 1",
                                 "IFC_ID"};
    EXPECT_EQ(sheet.RowCells(1).size(), 16u);
    EXPECT_EQ(sheet.LastRow(), 1);
    for (int i = 0; i < 16; ++i) {
        const std::string ref = std::string(1, static_cast<char>('A' + i)) + "1";
        EXPECT_EQ(sheet[ref].text, names[i]) << ref;
        EXPECT_TRUE(sheet[ref].thinBorder) << ref;
        EXPECT_EQ(sheet[ref].fillRgb, "") << ref;
        EXPECT_EQ(sheet[ref].font.name, "Calibri") << ref;
    }
    EXPECT_EQ(MEETSTAAT_BOUWSOFT_MAP.size(), 15u);
    EXPECT_EQ(MEETSTAAT_BOUWSOFT_MAP.at("Eenheid 2"), "Eenheid 2");
    EXPECT_EQ(MEETSTAAT_BOUWSOFT_MAP.at("Ruimtenummer"), "Ruimte nummer");
    EXPECT_EQ(MEETSTAAT_BOUWSOFT_MAP.count(" AvO"), 0u);
}

} // namespace
