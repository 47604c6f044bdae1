// The fixed top of the workbooks: the project block of the bills, their title and caption rows, and
// the caption row of the Bouwsoft workbook.
#include "export/Excel.hpp"

#include "engine/host/HostUtil.hpp"
#include "engine/host/TypeConv.hpp"

#include <cstring>

namespace {

// Column captions; the Bouwsoft caption row looks its column names up by them.
const char* const ARTICLE_NUMBER = "Artikelnr.";
const char* const DESCRIPTION = "Omschrijving";
const char* const DESCRIPTION_DETAILED = "Beschrijving";
const char* const AVO = " AvO";
const char* const ELEVATION = "Verdieping";
const char* const SPACE_NAME = "Ruimtenaam";
const char* const SPACE_NUMBER = "Ruimtenummer";
const char* const AREA = "Oppervlakte";
const char* const LENGTH = "Lengte";
const char* const WIDTH = "Breedte";
const char* const HEIGHT = "Hoogte";
const char* const THICKNESS = "Dikte / diepte";
const char* const VOLUME = "Volume";
const char* const WEIGHT = "Gewicht";
// The digits run crosswise: the Bouwsoft import names line 2 of a group "Eenheid 2" and puts it first.
const char* const DESCRIPTION_AvoField1 = "Eenheid 2";
const char* const DESCRIPTION_AvoField2 = "Eenheid 1";

const char* const kTitle = "Meetstaat, codering QELM";

// Bouwsoft columns A to O, in order.
const char* const kBouwsoftKeys[] = {ARTICLE_NUMBER,
                                     DESCRIPTION,
                                     DESCRIPTION_DETAILED,
                                     ELEVATION,
                                     SPACE_NAME,
                                     SPACE_NUMBER,
                                     AREA,
                                     LENGTH,
                                     WIDTH,
                                     HEIGHT,
                                     THICKNESS,
                                     VOLUME,
                                     WEIGHT,
                                     DESCRIPTION_AvoField1,
                                     DESCRIPTION_AvoField2};

// A text field of the project notes record, up to its terminating zero or the end of the field.
template <std::size_t N> std::string NoteText(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

void AdvanceRow(Int32 rows) {
    Excel::xlsRow += rows;
}

} // namespace

const std::unordered_map<std::string, std::string> MEETSTAAT_BOUWSOFT_MAP = {
    {ARTICLE_NUMBER, "QELM-artikel (Nr 1)"},
    {DESCRIPTION, "QELM artikel omschrijving"},
    {DESCRIPTION_DETAILED, "Aantalberekening - Beschrijving"},
    {ELEVATION, "Aantalberekening - Info - Verdieping"},
    {SPACE_NAME, "Aantalberekening - Info - Ruimte"},
    {SPACE_NUMBER, "Ruimte nummer"},
    {AREA, "Aantalberekening - Alt.Eh. - m2"},
    {LENGTH, "Aantalberekening - Info - Lengte"},
    {WIDTH, "Aantalberekening - Info - Breedte"},
    {HEIGHT, "Aantalberekening - Info - Hoogte"},
    {THICKNESS, "Aantalberekening - Info - Dikte"},
    {VOLUME, "Aantalberekening - Alt.Eh. - m3"},
    {WEIGHT, "Aantalberekening - Alt.Eh. - kg"},
    {DESCRIPTION_AvoField1, "Eenheid 2"},
    {DESCRIPTION_AvoField2, "Eenheid 1"},
};

void Excel::PrintOrganizationInfo(ExportType type) {
    if (type == ExportBouwsoft)
        return;
    const std::string projectNumber = TypeConv::String2Ansi(Get_Autotext_By_Key("PROJECTNUMBER"));
    const std::string date = TypeConv::String2Ansi(Get_Autotext_By_Key("SHORTDATE"));
    const std::string address = TypeConv::String2Ansi(Get_Autotext_By_Key("SITEFULLADDRESS"));
    API_ProjectNoteInfo notes{};
    if (ACAPI_ProjectSetting_GetProjectNotes(&notes) != NoError)
        notes = API_ProjectNoteInfo{}; // a failed call may have filled part of it

    XLSprintOrganizationInfoCell("A", "Project nummer", true);
    XLSprintOrganizationInfoCell("C", projectNumber, false);
    XLSprintOrganizationInfoCell("P", NoteText(notes.company), false);
    AdvanceRow(1);
    XLSprintOrganizationInfoCell("A", "Project", true);
    XLSprintOrganizationInfoCell("C", NoteText(notes.projectName), false);
    XLSprintOrganizationInfoCell(
        "P", NoteText(notes.street) + " - " + NoteText(notes.code) + " " + NoteText(notes.city) + "\n",
        false);
    AdvanceRow(1);
    XLSprintOrganizationInfoCell("C", address, false);
    AdvanceRow(1);
    XLSprintOrganizationInfoCell("A", "Publicatie datum", true);
    XLSprintOrganizationInfoCell("C", date, false);
    AdvanceRow(1);
    XLSprintOrganizationInfoCell("A", "Klant", true);
    XLSprintOrganizationInfoCell("C", NoteText(notes.client), false);
    AdvanceRow(2);
}

void Excel::PrintHeader(ExportType type) {
    const std::string e;
    switch (type) {
    case ExportSummary:
        XLSprintRowText(0, kTitle, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e);
        XLSprintRowText(1, ARTICLE_NUMBER, DESCRIPTION, AVO, "Eenheid", "Totaal", "Eenheidsprijs",
                        "Totaalprijs", e, e, e, e, e, e, e, e, e, e, e);
        break;
    case ExportDetailed:
        XLSprintRowText(0, kTitle, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e);
        XLSprintRowText(1, ARTICLE_NUMBER, DESCRIPTION, AVO, "Eenheid", "Totaal", e, e, e, e, e, e, e, e, e,
                        e, e, e, e);
        XLSprintRowText(2, ELEVATION, SPACE_NUMBER, SPACE_NAME, DESCRIPTION_DETAILED, "Aantal", LENGTH, WIDTH,
                        HEIGHT, THICKNESS, AREA, VOLUME, WEIGHT, "Vermogen", "Extra info 1", "Extra info 2",
                        e, e, e);
        break;
    case ExportBouwsoft: {
        auto names = MEETSTAAT_BOUWSOFT_MAP; // a missing key reads as "" in the copy only
        std::string v[15];
        for (std::size_t i = 0; i < 15; ++i)
            v[i] = names[kBouwsoftKeys[i]];
        PrintBouwsoftHeader(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12],
                            v[13], v[14], "IFC_ID");
        break;
    }
    default:
        break;
    }
}

void Excel::PrintBouwsoftHeader(const std::string& a, const std::string& b, const std::string& c,
                                const std::string& d, const std::string& e, const std::string& f,
                                const std::string& g, const std::string& h, const std::string& i,
                                const std::string& j, const std::string& k, const std::string& l,
                                const std::string& m, const std::string& n, const std::string& o,
                                const std::string& p) {
    const std::string* texts[] = {&a, &b, &c, &d, &e, &f, &g, &h, &i, &j, &k, &l, &m, &n, &o, &p};
    char column[2] = {'A', '\0'};
    for (const std::string* text : texts) {
        XLSprintCell(column, *text, false, true);
        ++column[0];
    }
    ++xlsRow;
}
