// A disk that fills up at any point of a save: a workbook reported as saved holds every part and every
// row as written; otherwise the save fails, the old file stays byte for byte and no temporary file
// remains.
#include "export/xlsx/SafeSave.hpp"
#include "export/xlsx/Workbook.hpp"
#include "tests/export/xlsx/WriteFaults.hpp"
#include "tests/export/xlsx/XlsxTestUtil.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using namespace xlsx;
using write_faults::Mode;
using xlsx_test::ListFolder;
using xlsx_test::ReadFile;
using xlsx_test::TempFolder;

const std::string kOldBytes = "the previous workbook, which must survive a failed export";
constexpr int kSkip = 77;

// A sheet like the bills: merged codes, texts with a font, numbers in three formats with borders and
// a formula, over enough rows that the rows and the worksheet fill many stream buffers.
Status SaveBill(const std::string& path, int rows) {
    static const char* const kFormats[] = {"0", "0.00", "0.000"};
    const Border thin = Border::all(BorderStyle::thin);
    const Font font{"Arial", 10, false, true};
    Workbook book(path);
    Worksheet& ws = book.active_sheet();
    for (std::uint32_t row = 1; row <= static_cast<std::uint32_t>(rows); ++row) {
        const std::string r = std::to_string(row);
        ws.range("A" + r + ":B" + r).merge_cells();
        (void)ws.cell(row, 1).value("30." + r + ".");
        (void)ws.cell(row, 3).value("Binnenwand " + r);
        ws.cell(row, 3).font(font);
        for (std::uint32_t column = 4; column <= 6; ++column) {
            ws.cell(row, column).number_format(kFormats[column - 4]);
            ws.cell(row, column).value(row * 1.25 + column);
            ws.cell(row, column).border(thin);
        }
        ws.cell(row, 7).formula("=D" + r + "*E" + r, (row * 1.25 + 4) * (row * 1.25 + 5));
    }
    return book.save();
}

// The parts of a saved workbook, without the digits of the creation time in its properties.
std::map<std::string, std::string> Parts(const std::string& path) {
    auto parts = xlsx_test::ZipEntries(path);
    std::string& core = parts["docProps/core.xml"];
    core.erase(std::remove_if(core.begin(), core.end(), [](char c) { return c >= '0' && c <= '9'; }),
               core.end());
    return parts;
}

// Saved with exactly the parts of `expected`, or failed with the old file as it was; and nothing but
// `names` in the folder.
testing::AssertionResult WholeOrNotAtAll(const Status& saved, const std::string& target,
                                         const std::map<std::string, std::string>& expected,
                                         const std::set<std::string>& names) {
    if (saved.ok() && Parts(target) != expected)
        return testing::AssertionFailure() << "reported as saved, but not whole";
    if (!saved.ok() && ReadFile(target) != kOldBytes)
        return testing::AssertionFailure() << "failed (" << saved.message << ") and changed the old file";
    if (ListFolder(FolderOf(target)) != names)
        return testing::AssertionFailure() << "left a file behind";
    return testing::AssertionSuccess();
}

TEST(WorkbookFullDisk, AWriteFailingAnywhereNeverGivesADamagedWorkbook) {
    const int rows = 200;
    TempFolder folder;
    const std::string reference = folder.file("referentie.xlsx");
    write_faults::Arm(0, Mode::fail);
    const Status made = SaveBill(reference, rows);
    const long writes = write_faults::Disarm();
    ASSERT_TRUE(made.ok()) << made.message;
    ASSERT_GT(writes, 30) << "the rows, the worksheet and the zip each take several writes";
    const auto expected = Parts(reference);

    const std::string target = folder.file("meetstaat.xlsx");
    for (const Mode mode : {Mode::fail, Mode::silent}) {
        for (long k = 1; k <= writes; ++k) {
            xlsx_test::WriteFile(target, kOldBytes);
            write_faults::Arm(k, mode);
            const Status saved = SaveBill(target, rows);
            write_faults::Disarm();
            EXPECT_TRUE(WholeOrNotAtAll(saved, target, expected, {"referentie.xlsx", "meetstaat.xlsx"}))
                << "write " << k << " of " << writes << (mode == Mode::silent ? ", reported as done" : "");
        }
    }
}

// The same on a file system that really fills up: a small tmpfs with 4 KB more room each time, until
// the save fits. Needs its own mount namespace, so it is skipped where mounting is not allowed.
TEST(WorkbookFullDisk, AFullFileSystemNeverGivesADamagedWorkbook) {
    const int rows = 300;
    TempFolder folder;
    const std::string reference = folder.file("referentie.xlsx");
    ASSERT_TRUE(SaveBill(reference, rows).ok());
    const auto expected = Parts(reference);
    const std::string disk = folder.file("schijf");
    ASSERT_EQ(mkdir(disk.c_str(), 0755), 0);
    const std::string target = disk + "/meetstaat.xlsx";

    const int result = xlsx_test::InChild([&] {
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return kSkip;
        int wrong = 0;
        int saved = 0;
        for (int kb = 4; kb <= 1024 && saved < 3; kb += 4) {
            if (mount("tmpfs", disk.c_str(), "tmpfs", 0, ("size=" + std::to_string(kb) + "k").c_str()) != 0)
                return kSkip;
            xlsx_test::WriteFile(target, kOldBytes);
            const Status status = SaveBill(target, rows);
            const auto verdict = WholeOrNotAtAll(status, target, expected, {"meetstaat.xlsx"});
            if (!verdict) {
                std::fprintf(stderr, "%d KB: %s\n", kb, verdict.message());
                ++wrong;
            }
            saved += status.ok();
            umount(disk.c_str());
        }
        return wrong == 0 && saved > 0 ? 0 : 1;
    });
    if (result == kSkip)
        GTEST_SKIP() << "mounting a file system is not allowed here";
    EXPECT_EQ(result, 0);
}

// Files that cannot grow past a limit, as on a full disk: first the rows' scratch file overflows, then
// only the assembled worksheet part (a little larger than the rows), inside a zip that stays small.
TEST(WorkbookFullDisk, AFileSizeLimitKeepsTheOldFile) {
    const int rows = 3000;
    TempFolder folder;
    ASSERT_TRUE(SaveBill(folder.file("sizing.xlsx"), rows).ok());
    const std::size_t sheet_size = xlsx_test::SheetXml(folder.file("sizing.xlsx")).size();
    std::remove(folder.file("sizing.xlsx").c_str());
    const std::string target = folder.file("meetstaat.xlsx");
    xlsx_test::WriteFile(target, kOldBytes);

    for (const rlim_t limit : {rlim_t{16 * 1024}, static_cast<rlim_t>(sheet_size - 100)}) {
        const int saved = xlsx_test::InChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit fsize{limit, RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &fsize);
            return SaveBill(target, rows).ok() ? 0 : 1;
        });
        EXPECT_EQ(saved, 1) << "limit " << limit;
        EXPECT_EQ(ReadFile(target), kOldBytes);
        EXPECT_EQ(ListFolder(folder.path()), std::set<std::string>{"meetstaat.xlsx"});
    }
}

} // namespace
