// Exports a small take-off as the three workbook kinds for read_excel_exports.py to read back, and
// tries a failed and a cancelled export. Takes the process's locale from the environment first, as a
// host application does.
//
//     excel_readback_writer FOLDER
//
// Writes FOLDER/summary.xlsx, detail.xlsx and bouwsoft.xlsx; FOLDER/kept.xlsx must exist and is the
// target of the cancelled export. Prints "decimal_point=<c>", then per export "result=<0|1>" and
// "alert=<text>" with line breaks written as "\n".
#include "export/Excel.hpp"
#include "tests/export/SampleTakeoff.hpp"

#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using excel_test::Group;
using excel_test::Measured;
using excel_test::Piece;

template <std::size_t N> void SetNote(char (&field)[N], const char* text) {
    std::strncpy(field, text, N - 1);
}

void InstallProject(API_Guid& cupboard) {
    hostplatform::ProjectBuilder b;
    b.AddAutotext("PROJECTNUMBER", "2024-017");
    b.AddAutotext("SHORTDATE", "1-2-2024");
    b.AddAutotext("SITEFULLADDRESS", "Kerkstraat 1, 1000 Brussel");
    API_ProjectNoteInfo notes{};
    SetNote(notes.client, "Familie Peeters");
    SetNote(notes.projectName, "Woning Peeters");
    SetNote(notes.company, "Bouwbedrijf Janssens");
    SetNote(notes.street, "Kerkstraat 1");
    SetNote(notes.city, "Brussel");
    SetNote(notes.code, "1000");
    b.SetProjectNotes(notes);
    cupboard = b.AddElement(API_ObjectID).Id("kast").IfcGlobalId("2O2Fr$t4X7Zf8NOew3FLOH");
    b.Install();
}

void FillTakeoff(const API_Guid& cupboard) {
    auto heading = Group("20.", "Metselwerk", "", "");
    heading.isForcedVisible = true;
    auto walls = Group("20.13.", "Gevelmetselwerk \xC3\xA9\xC3\xA9nsteens", "|m2|fh|", "m2", 12.5);
    walls.note = "Volgens lastenboek, hoofdstuk 20";
    Article wall = Measured("W-01 gevel", &Article::surface, 12.25);
    wall.storyName = "Gelijkvloers";
    wall.zoneNames = {"Keuken", "Berging"};
    walls.articleList.Push(wall);
    walls.articleList.Push(Measured("W-02 gevel", &Article::surface, 3.5));
    auto cupboards = Group("30.1.", "Maatkasten", "|st|", "st", 1088384.25); // totals in the millions
    cupboards.line1 = "lijn 1";
    cupboards.line2 = "lijn 2";
    cupboards.articleList.Push(Piece("kast", 3, cupboard));
    excel_test::SetTakeoff({heading, walls, cupboards});
}

void Report(bool result) {
    std::string text = hostplatform::Alerts().empty() ? "" : hostplatform::Alerts().back().text;
    for (auto at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.replace(at, 1, "\\n");
    std::printf("result=%d\nalert=%s\n", result ? 1 : 0, text.c_str());
}

bool Export(Articles& articles, const std::string& path, bool details, ExportType type) {
    return Excel::CreateXls(articles, IO::Location(GS::UniString(path.c_str())), details, type);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: excel_readback_writer FOLDER\n");
        return 2;
    }
    std::setlocale(LC_ALL, "");
    std::printf("decimal_point=%s\n", std::localeconv()->decimal_point);
    const std::string folder = argv[1];
    API_Guid cupboard{};
    InstallProject(cupboard);
    FillTakeoff(cupboard);
    Articles articles;

    Report(Export(articles, folder + "/summary.xlsx", false, ExportSummary));
    Report(Export(articles, folder + "/detail.xlsx", true, ExportDetailed));
    Report(Export(articles, folder + "/bouwsoft.xlsx", true, ExportBouwsoft));
    Report(Export(articles, folder + "/missing/detail.xlsx", true, ExportDetailed));
    hostplatform::Faults::CancelAfter(1);
    Report(Export(articles, folder + "/kept.xlsx", true, ExportBouwsoft));
    return 0;
}
