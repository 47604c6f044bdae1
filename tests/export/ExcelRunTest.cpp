// The export run on small take-off results: group totals by unit, AvO words, article rows, Bouwsoft
// rows per piece with their IFC ids, the VAT block, the process window, and the outcome of saving,
// failing and cancelling as the alert reports it.
#include "export/Excel.hpp"
#include "tests/export/SampleTakeoff.hpp"
#include "tests/export/SheetReader.hpp"
#include "tests/support/AddOnFixture.hpp"

#include "hostplatform/DebugLog.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/HostCalls.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using excel_test::Group;
using excel_test::Measured;
using excel_test::Piece;
using excel_test::SetTakeoff;
using hostplatform::Faults;
using xlsx_test::ListFolder;
using xlsx_test::ReadFile;
using xlsx_test::SheetReader;

const std::string kOldBytes = "the previous export, which a failed one must leave alone";

class ExcelRun : public AddOnTest {
  protected:
    bool Export(const std::string& path, bool details, ExportType type) {
        return Excel::CreateXls(articles_, IO::Location(GS::UniString(path.c_str())), details, type);
    }
    std::string LastAlert() const {
        const auto& alerts = hostplatform::Alerts();
        return alerts.empty() ? std::string("<no alert>") : alerts.back().text;
    }

    // A cupboard with its own GlobalId, and a chair whose GlobalId the host fails to give.
    struct Furniture {
        API_Guid cupboard;
        API_Guid chair;
    };
    static Furniture InstallFurniture() {
        hostplatform::ProjectBuilder b;
        const API_Guid cupboard = b.AddElement(API_ObjectID).Id("kast").IfcGlobalId("2O2Fr$t4X7Zf8NOew3FLOH");
        const API_Guid chair = b.AddElement(API_ObjectID).Id("stoel");
        b.Install();
        Faults::FailCallFor("IFCAPI_GetGlobalId", chair);
        return {cupboard, chair};
    }

    Articles articles_;
    xlsx_test::TempFolder folder_;
};

TEST_F(ExcelRun, SummaryTotalsFollowTheUnitTableAndEndInTheVatBlock) {
    auto length = Group("10.1.", "Plinten", "|m|", "m", 10.0);
    length.articleList.Push(Measured("P-1", &Article::length, 2.5));
    length.articleList.Push(Measured("P-2", &Article::length, 1.25));
    auto volume = Group("10.2.", "Beton", "|m3|", "m3", 100.0);
    volume.articleList.Push(Measured("B-1", &Article::volume, 1.2345));
    auto pieces = Group("10.3.", "Deuren", "|st|", "st", 2.5);
    pieces.articleList.Push(Piece("D-1", 2));
    pieces.articleList.Push(Piece("D-2", 3));
    auto tons = Group("10.4.", "Wapening", "|ton|", "ton");
    tons.articleList.Push(Measured("S-1", &Article::weight, 1500.0));
    auto other = Group("10.5.", "Zakgoed", "|zak|", "zak");
    other.articleList.Push(Piece("Z-1", 4));
    auto sogKg = Group("10.6.", "Sog in kg", "|kg|sog|", "kg");
    sogKg.articleList.Push(Piece("K-1", 1));
    auto sogM = Group("10.7.", "Sog in m", "|m|sog|", "m");
    sogM.articleList.Push(Measured("M-1", &Article::length, 4.0));
    auto fhSog = Group("10.8.", "FH en sog", "|fh|sog|kg|", "kg");
    fhSog.articleList.Push(Measured("F-1", &Article::weight, 7.0));
    auto fhVh = Group("10.9.", "FH en VH", "|fh|vh|pm|m2|", "m2");
    fhVh.articleList.Push(Measured("V-1", &Article::surface, 3.0));
    auto heading = Group("10.", "Ruwbouw", "", "");
    heading.isForcedVisible = true;
    auto hidden = Group("11.", "Leeg", "|m|", "m");
    SetTakeoff({length, volume, pieces, tons, other, sogKg, sogM, fhSog, fhVh, heading, hidden});

    const std::string path = folder_.file("samenvatting.xlsx");
    ASSERT_TRUE(Export(path, false, ExportSummary)) << LastAlert();
    EXPECT_EQ(LastAlert(), "De samenvattende meetstaat is opgeslagen.\nZie " + path);
    const SheetReader sheet(path);
    ASSERT_TRUE(sheet.loaded());

    const struct {
        int row;
        const char* avo;
        double total; // -1: empty
        const char* format;
        bool bold;
    } rows[] = {{9, "", 3.75, "0.00", false},    {10, "", 1.2345, "0.000", false},
                {11, "", 5, "0", false},         {12, "", 1500, "0.000", false},
                {13, "", -1, "", false},         {14, "SOG", 1, "0", false},
                {15, "SOG", 4, "0.00", false},   {16, "FH SOG", 7, "0.000", false},
                {17, "FH PM", 3, "0.00", false}, {18, "", -1, "", true}};
    for (const auto& r : rows) {
        const std::string n = std::to_string(r.row);
        EXPECT_EQ(sheet["R" + n].text, r.avo) << n;
        EXPECT_EQ(sheet["T" + n].hasValue, r.total != -1) << n;
        if (r.total != -1) {
            EXPECT_DOUBLE_EQ(sheet["T" + n].number, r.total) << n;
        }
        EXPECT_EQ(sheet["T" + n].numberFormat, r.format) << n;
        EXPECT_EQ(sheet["A" + n].font.bold, r.bold) << n;
    }
    EXPECT_EQ(sheet["A18"].text, "10.");
    EXPECT_TRUE(sheet.RowCells(19).empty())
        << "the invisible group writes nothing, one row separates the VAT";

    const double net = 3.75 * 10.0 + 1.2345 * 100.0 + 5 * 2.5;
    EXPECT_EQ(sheet["T20"].text, "Bedrag exclusief BTW");
    EXPECT_EQ(sheet["V20"].formula, "SUM(V3:V18)");
    EXPECT_DOUBLE_EQ(sheet["V20"].number, net);
    EXPECT_TRUE(sheet["V20"].font.bold);
    EXPECT_EQ(sheet["V20"].font.size, 12.0);
    EXPECT_EQ(sheet["T22"].text, "BTW %");
    EXPECT_EQ(sheet["U22"].number, 21.0);
    EXPECT_EQ(sheet["V22"].formula, "V20*U22*0.01");
    EXPECT_DOUBLE_EQ(sheet["V22"].number, net * 0.21);
    EXPECT_EQ(sheet["V24"].formula, "V20+V22");
    EXPECT_DOUBLE_EQ(sheet["V24"].number, net * 1.21);
    EXPECT_FALSE(sheet["V24"].font.bold);
    EXPECT_EQ(sheet.LastRow(), 24);
    const std::set<std::string> merges(sheet.merges().begin(), sheet.merges().end());
    EXPECT_TRUE(merges.count("T20:U20") && merges.count("T24:U24") && !merges.count("T22:U22"));
    EXPECT_NE(
        xlsx_test::ReadZipEntry(path, "xl/workbook.xml").find("name=\"Export Samenvattende meetstaat\""),
        std::string::npos);

    const auto& window = hostplatform::ProcessWindow();
    EXPECT_EQ(window.title, "Exporteren naar Excel");
    EXPECT_EQ(window.subtitle, "12 artikelen");
    EXPECT_EQ(window.phaseMax, 12);
    EXPECT_EQ(window.phaseCalls, 12) << "one phase call before the groups and one per group";
    EXPECT_EQ(window.cancelChecks, 11) << "invisible groups are checked too";
    EXPECT_FALSE(window.open);
    const auto& alert = hostplatform::Alerts().back();
    EXPECT_EQ(alert.type, -3);
    EXPECT_EQ(alert.title, "Telvorm");
    EXPECT_EQ(alert.text2, "");
    EXPECT_EQ(alert.button1, "Ok");
    EXPECT_EQ(alert.button2 + alert.button3, "");
}

TEST_F(ExcelRun, DetailedBillListsEveryArticleOfAVisibleGroup) {
    auto memo = Group("20.1.", "Pleisterwerk", "|pm|m2|", "m2");
    memo.isForcedVisible = true;
    memo.note = "Volgens lastenboek";
    Article zoned = Measured("muur keuken", &Article::size1, 2.5);
    zoned.zoneNames = {"Keuken", "Berging"};
    zoned.zoneNumbers = {"0.1", "0.2"};
    zoned.storyName = "Gelijkvloers";
    zoned.extraInfo1 = "Caf\xC3\xA9";
    memo.articleList.Push(zoned);
    Article stair = Piece("trap", 1);
    stair.risers = 14;
    memo.articleList.Push(stair);
    auto plain = Group("20.2.", "Zonder AvO", "|m2|", "m2");
    plain.isForcedVisible = true;
    plain.articleList.Push(Measured("muur", &Article::surface, 5.0));
    auto matching = Group("20.3.", "Kolommen", "|st|", "st");
    matching.articleList.Push(Piece("kolom k1", 2));
    matching.articleList.Push(Piece("balk b1", 5));
    SetTakeoff({memo, plain, matching});
    Main::usFilterText = "kolom";

    const std::string path = folder_.file("detail.xlsx");
    ASSERT_TRUE(Export(path, true, ExportDetailed)) << LastAlert();
    const SheetReader sheet(path);

    EXPECT_EQ(sheet["A10"].text, "20.1.");
    EXPECT_EQ(sheet["R10"].text, "PM");
    EXPECT_FALSE(sheet["T10"].hasValue) << "no article passes the filter";
    EXPECT_EQ(sheet["A11"].text, "Volgens lastenboek");
    EXPECT_TRUE(sheet["A11"].font.italic);
    EXPECT_EQ(sheet["B12"].text, "Gelijkvloers");
    EXPECT_EQ(sheet["D12"].text, "0.1 / 0.2");
    EXPECT_EQ(sheet["E12"].text, "Keuken / Berging");
    EXPECT_EQ(sheet["F12"].text, "muur keuken");
    EXPECT_EQ(sheet["H12"].number, 2.5) << "the length falls back on size1";
    EXPECT_FALSE(sheet["G12"].hasValue);
    EXPECT_EQ(sheet["P12"].text, "Caf\xC3\xA9");
    EXPECT_EQ(sheet["G13"].number, 14.0) << "risers count before pieces";
    EXPECT_EQ(sheet["G13"].font.size, 10.0);
    EXPECT_TRUE(sheet["G13"].font.italic && !sheet["G13"].font.bold);

    EXPECT_EQ(sheet["A14"].text, "20.2.") << "without AvO words and items only the group row";
    EXPECT_EQ(sheet["A14"].font.size, 12.0);
    EXPECT_FALSE(sheet["A14"].font.italic);
    EXPECT_EQ(sheet["A15"].text, "20.3.");
    EXPECT_EQ(sheet["T15"].number, 2.0) << "the total is the filtered one";
    EXPECT_EQ(sheet["F16"].text, "kolom k1");
    EXPECT_EQ(sheet["F17"].text, "balk b1") << "every article is listed, filtered or not";
    EXPECT_EQ(sheet.LastRow(), 17) << "no VAT block in a detailed bill";
    EXPECT_FALSE(sheet["U15"].exists);
    EXPECT_NE(xlsx_test::ReadZipEntry(path, "xl/workbook.xml").find("name=\"Export Detailmeetstaat\""),
              std::string::npos);
}

TEST_F(ExcelRun, BouwsoftRepeatsRowsPerPieceWithTheIfcId) {
    const auto [withId, failing] = InstallFurniture();
    API_Guid unknown{};
    unknown.time_low = 0xDEAD;

    auto objects = Group("30.1.", "Meubilair", "|st|", "st");
    objects.line1 = "lijn 1";
    objects.line2 = "lijn 2";
    objects.note = "Let op";
    objects.articleList.Push(Piece("kast", 3, withId));
    objects.articleList.Push(Piece("niet geteld", 0, withId));
    Article unmeasured = Piece("onbekend", -1, unknown);
    objects.articleList.Push(unmeasured);
    Article steps = Piece("stoel", 1, failing);
    steps.risers = 2;
    objects.articleList.Push(steps);
    auto memo = Group("30.2.", "Pro memorie", "|pm|", "");
    memo.isForcedVisible = true;
    memo.line1 = "pm lijn 1";
    memo.line2 = "pm lijn 2";
    auto empty = Group("30.3.", "Leeg zonder AvO", "|st|", "st");
    empty.isForcedVisible = true;
    SetTakeoff({objects, memo, empty});

    const std::string path = folder_.file("bouwsoft.xlsx");
    ASSERT_TRUE(Export(path, true, ExportBouwsoft)) << LastAlert();
    EXPECT_EQ(LastAlert(), "De Bouwsoft export is opgeslagen.\nZie " + path);
    const SheetReader sheet(path);

    EXPECT_EQ(sheet["A1"].text, "QELM-artikel (Nr 1)");
    EXPECT_EQ(sheet["A2"].text, "Let op") << "the note row stands before the group's rows";
    EXPECT_TRUE(sheet["A2"].font.italic);
    for (const char* row : {"3", "4", "5"}) {
        const std::string r(row);
        EXPECT_EQ(sheet["A" + r].text, "30.1.");
        EXPECT_EQ(sheet["C" + r].text, "kast");
        EXPECT_EQ(sheet["N" + r].text, "lijn 2");
        EXPECT_EQ(sheet["O" + r].text, "lijn 1");
        EXPECT_EQ(sheet["P" + r].text, "2O2Fr$t4X7Zf8NOew3FLOH");
        EXPECT_EQ(sheet["I" + r].number, 0.0) << "a width not measured is written as 0";
        EXPECT_TRUE(sheet["I" + r].hasValue);
    }
    EXPECT_EQ(sheet["C6"].text, "onbekend") << "count 0 gives no row, not measured gives one";
    EXPECT_FALSE(sheet["P6"].hasValue) << "no IFC id for an element the host does not know";
    EXPECT_EQ(sheet["C7"].text, "stoel");
    EXPECT_EQ(sheet["C8"].text, "stoel");
    EXPECT_FALSE(sheet["P8"].hasValue) << "a failed GlobalId leaves the cell empty";
    EXPECT_EQ(sheet["A9"].text, "30.2.");
    EXPECT_EQ(sheet["M9"].number, 0.0);
    EXPECT_EQ(sheet["M9"].numberFormat, "0.000");
    EXPECT_EQ(sheet["O9"].text, "pm lijn 1");
    EXPECT_FALSE(sheet["N9"].hasValue);
    EXPECT_EQ(sheet.LastRow(), 9) << "a group without articles and AvO words gives nothing";
}

TEST_F(ExcelRun, BouwsoftReadsEachElementsGlobalIdOnceAndKeepsAFailureToItsElement) {
    const auto [cupboard, chair] = InstallFurniture();
    // Each element gives rows in both groups, the failing one first.
    auto first = Group("30.1.", "Meubilair", "|st|", "st");
    first.articleList.Push(Piece("stoel", 2, chair));
    first.articleList.Push(Piece("kast", 1, cupboard));
    auto second = Group("30.2.", "Afwerking", "|st|", "st");
    second.articleList.Push(Piece("kast", 1, cupboard));
    second.articleList.Push(Piece("stoel", 1, chair));
    SetTakeoff({first, second});

    const std::string path = folder_.file("bouwsoft.xlsx");
    ASSERT_TRUE(Export(path, true, ExportBouwsoft)) << LastAlert();
    const SheetReader sheet(path);
    for (const char* row : {"2", "3", "6"})
        EXPECT_FALSE(sheet[std::string("P") + row].hasValue) << "row " << row;
    for (const char* row : {"4", "5"})
        EXPECT_EQ(sheet[std::string("P") + row].text, "2O2Fr$t4X7Zf8NOew3FLOH") << "row " << row;
    using hostplatform::HostCalls;
    EXPECT_EQ(HostCalls::Count("IFCAPI_GetObjectAccessor"), 1u);
    EXPECT_EQ(HostCalls::Count("IFCAPI_CreateElementObjectID"), 2u);
    EXPECT_EQ(HostCalls::Count("IFCAPI_GetGlobalId"), 2u);
    EXPECT_EQ(HostCalls::Count("ACAPI_Element_Get"), 0u);
}

TEST_F(ExcelRun, FailedSavesReportTheKindAndLeaveEveryFileAsItWas) {
    xlsx_test::WriteFile(folder_.file("plain-file"), kOldBytes);
    const std::string folderTarget = folder_.file("meetstaat.xlsx");
    ASSERT_TRUE(std::filesystem::create_directory(folderTarget));
    xlsx_test::WriteFile(folderTarget + "/inside", kOldBytes);
    const std::string fifo = folder_.file("fifo.xlsx");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    SetTakeoff({Group("10.", "Ruwbouw", "", "")});
    Articles::allArticlesGroups[1].isForcedVisible = true;

    const struct {
        std::string path;
        ExportType type;
        const char* failure;
    } cases[] = {
        {folder_.file("missing/samenvatting.xlsx"), ExportSummary,
         "De samenvattende meetstaat is NIET opgeslagen."},
        {folder_.file("plain-file/detail.xlsx"), ExportDetailed,
         "De gedetailleerde meetstaat is NIET opgeslagen."},
        {folderTarget, ExportBouwsoft, "De Bouwsoft export is NIET opgeslagen."},
        {"", ExportBouwsoft, "De Bouwsoft export is NIET opgeslagen."},
        {fifo, ExportSummary, "De samenvattende meetstaat is NIET opgeslagen."},
        {folder_.file("plain-file"), ExportSummary, "De samenvattende meetstaat is NIET opgeslagen."},
    };
    ASSERT_EQ(link(folder_.file("plain-file").c_str(), folder_.file("second-name").c_str()), 0);
    for (const auto& c : cases) {
        EXPECT_FALSE(Export(c.path, c.type != ExportSummary, c.type)) << c.path;
        EXPECT_EQ(LastAlert(), c.failure + c.path);
        EXPECT_FALSE(hostplatform::ProcessWindow().open);
    }
    EXPECT_EQ(ListFolder(folder_.path()),
              (std::set<std::string>{"plain-file", "second-name", "meetstaat.xlsx", "fifo.xlsx"}));
    EXPECT_EQ(ReadFile(folder_.file("plain-file")), kOldBytes);
    struct stat info {};
    EXPECT_TRUE(lstat(fifo.c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
    const auto log = hostplatform::DebugLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_NE(log[log.size() - 2].find("is a FIFO, not a regular file"), std::string::npos)
        << "the log says why a FIFO was not replaced";
    EXPECT_NE(log.back().find("hard links"), std::string::npos)
        << "the log says why a file with other names was not replaced";
    EXPECT_EQ(ReadFile(folderTarget + "/inside"), kOldBytes);
    EXPECT_EQ(ListFolder(folderTarget), std::set<std::string>{"inside"});
    EXPECT_EQ(Excel::ws, nullptr) << "no handle outlives its workbook";
}

TEST_F(ExcelRun, CancelEndsAfterTheGroupInProgressAndSavesNothing) {
    const std::string path = folder_.file("samenvatting.xlsx");
    xlsx_test::WriteFile(path, kOldBytes);
    SetTakeoff({Group("10.1.", "Eerste", "|m|", "m"), Group("10.2.", "Tweede", "|m|", "m"),
                Group("10.3.", "Derde", "|m|", "m")});
    Faults::CancelAfter(1);

    EXPECT_FALSE(Export(path, false, ExportSummary));
    EXPECT_EQ(LastAlert(), "Exporteren is afgebroken.");
    EXPECT_EQ(hostplatform::ProcessWindow().cancelChecks, 1);
    EXPECT_EQ(hostplatform::ProcessWindow().phaseCalls, 2);
    EXPECT_FALSE(hostplatform::ProcessWindow().open);
    EXPECT_EQ(ReadFile(path), kOldBytes);
    EXPECT_EQ(ListFolder(folder_.path()), std::set<std::string>{"samenvatting.xlsx"});
}

// A total or price that no cell can hold leaves its cell empty; the line total and the VAT block are
// cached as a spreadsheet computes them from the cells: the empty cell counts as 0.
TEST_F(ExcelRun, CachedTotalsCountACellLeftEmptyAsZero) {
    const double largest = std::numeric_limits<double>::max();
    auto infinite = Group("20.1.", "Oneindig", "|m|", "m", 3.0);
    infinite.articleList.Push(Measured("L-1", &Article::length, largest));
    infinite.articleList.Push(Measured("L-2", &Article::length, largest));
    auto priced = Group("20.2.", "Geprijsd", "|m|", "m", 1.0);
    priced.articleList.Push(Measured("L-3", &Article::length, 2.0));
    auto unpriceable = Group("20.3.", "Te duur", "|m|", "m", largest);
    unpriceable.articleList.Push(Measured("L-4", &Article::length, 5.0));
    SetTakeoff({infinite, priced, unpriceable});
    const std::string path = folder_.file("samenvatting.xlsx");
    ASSERT_TRUE(Export(path, false, ExportSummary)) << LastAlert();

    const SheetReader sheet(path);
    EXPECT_FALSE(sheet["T9"].hasValue);
    EXPECT_FALSE(sheet["U11"].hasValue);
    for (const char* cell : {"V9", "V11"}) {
        EXPECT_FALSE(sheet[cell].formula.empty()) << cell;
        EXPECT_EQ(sheet[cell].number, 0.0) << cell;
    }
    EXPECT_DOUBLE_EQ(sheet["V10"].number, 2.0);
    EXPECT_DOUBLE_EQ(sheet["V13"].number, 2.0);
    EXPECT_DOUBLE_EQ(sheet["V15"].number, 0.42);
    EXPECT_DOUBLE_EQ(sheet["V17"].number, 2.42);
}

TEST_F(ExcelRun, SummaryWithoutGroupsHoldsTheLayoutAndAnEmptyVatBlock) {
    SetTakeoff({Group("10.", "Onzichtbaar", "|m|", "m")});
    const std::string path = folder_.file("leeg.xlsx");
    ASSERT_TRUE(Export(path, false, ExportSummary)) << LastAlert();
    const SheetReader sheet(path);
    EXPECT_EQ(sheet["V10"].formula, "SUM(V3:V8)") << "two rows below the caption row";
    EXPECT_EQ(sheet["V10"].number, 0.0);
    EXPECT_EQ(sheet["V14"].formula, "V10+V12");

    Articles::allArticlesGroups.Clear();
    ASSERT_TRUE(Export(path, true, ExportBouwsoft)) << LastAlert();
    EXPECT_EQ(hostplatform::ProcessWindow().subtitle, "0 artikelen");
    EXPECT_EQ(SheetReader(path).LastRow(), 1);
}

TEST_F(ExcelRun, AKindBeyondTheThreeWritesNoGroupOrElementRows) {
    auto memo = Group("50.1.", "Pro memorie", "|pm|m|", "m");
    memo.note = "Enkel de nota";
    memo.articleList.Push(Measured("plint", &Article::length, 2.0));
    SetTakeoff({memo});
    const std::string path = folder_.file("onbekend.xlsx");
    ASSERT_TRUE(Export(path, true, static_cast<ExportType>(3))) << LastAlert();
    const SheetReader sheet(path);
    EXPECT_EQ(sheet["A1"].text, "Project nummer") << "every kind but Bouwsoft has the project block";
    EXPECT_EQ(sheet["A7"].text, "Enkel de nota") << "no title or caption rows, no group row";
    EXPECT_EQ(sheet.LastRow(), 7) << "and no element rows";
}

TEST_F(ExcelRun, GroupsBeyondSixteenBitsKeepEveryArticle) {
    auto big = Group("40.1.", "Tegels", "|st|", "st");
    const Int32 articles = 33000;
    for (Int32 i = 0; i < articles; ++i)
        big.articleList.Push(Piece("tegel", 1));
    SetTakeoff({big});
    const std::string path = folder_.file("groot.xlsx");
    ASSERT_TRUE(Export(path, true, ExportDetailed)) << LastAlert();
    const SheetReader sheet(path);
    EXPECT_EQ(sheet["T10"].number, 33000.0);
    EXPECT_EQ(sheet.LastRow(), 10 + articles);
    EXPECT_EQ(sheet["F" + std::to_string(10 + articles)].text, "tegel");
}

} // namespace
