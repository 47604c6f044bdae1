// Saving a workbook: the target is replaced only by a complete, checked workbook, only when it is a
// regular file the user may write, and keeping who may read and write it; a link is saved through;
// every failure and every cancel leaves an existing target byte-for-byte as it was and no temporary
// file behind.
#include "export/xlsx/Workbook.hpp"
#include "export/xlsx/WorkbookZipCheck.hpp"
#include "export/xlsx/XmlPartCheck.hpp"
#include "tests/export/xlsx/AttributeFaults.hpp"
#include "tests/export/xlsx/XlsxTestUtil.hpp"
#include "tests/support/LeaseHolder.hpp"

#include <gtest/gtest.h>
#include <zip.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

using namespace xlsx;
using xlsx_test::ListFolder;
using xlsx_test::ReadFile;
using xlsx_test::SheetDigestOf;
using xlsx_test::SheetXml;
using xlsx_test::TempFolder;

const std::string kOldBytes = "the previous workbook, which must survive a failed export";

void WriteRows(Worksheet& ws, int rows) {
    char reference[16];
    for (int row = 1; row <= rows; ++row) {
        std::snprintf(reference, sizeof reference, "A%d", row);
        (void)ws.cell(reference).value("Bepleistering binnenwanden, rij " + std::to_string(row));
        std::snprintf(reference, sizeof reference, "B%d", row);
        ws.cell(reference).value(row * 1.25);
    }
}

TEST(WorkbookSave, ReplacesTheTargetKeepingItsPermissionsAndLeavesNothingElse) {
    TempFolder folder;
    const std::string target = folder.file("meetstaat.xlsx");
    xlsx_test::WriteFile(target, kOldBytes);
    chmod(target.c_str(), 0640);
    const std::size_t files_before = xlsx_test::OpenFileCount();
    {
        Workbook book(target);
        WriteRows(book.active_sheet(), 10);
        const Status saved = book.save();
        ASSERT_TRUE(saved.ok()) << saved.message;
        EXPECT_FALSE(book.is_open());
        EXPECT_EQ(book.save().error, Error::closed);
        EXPECT_FALSE(book.active_sheet().cell("A20").value("after saving"));
    }
    EXPECT_EQ(xlsx_test::OpenFileCount(), files_before) << "a saved workbook keeps no file open";
    std::string error;
    EXPECT_TRUE(CheckWorkbookZip(target, SheetDigestOf(SheetXml(target)), error)) << error;
    EXPECT_EQ(ListFolder(folder.path()), std::set<std::string>{"meetstaat.xlsx"});
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// A workbook that another program holds a read lease on (a client has the old bill open) is replaced
// once the holder lets go, as a blocking open would wait, and the wait is told once.
TEST(WorkbookSave, ATargetUnderALeaseIsReplacedWhenTheHolderLetsGo) {
    TempFolder folder;
    const std::string target = folder.file("meetstaat.xlsx");
    xlsx_test::WriteFile(target, kOldBytes);
    const lease_test::LeaseHolder holder(target, F_RDLCK);
    if (!holder.held())
        GTEST_SKIP() << "the file system takes no leases here";
    std::vector<std::string> told;
    Workbook book(target);
    WriteRows(book.active_sheet(), 3);
    const Status saved = book.save([&told](const std::string& text) { told.push_back(text); });
    ASSERT_TRUE(saved.ok()) << saved.message;
    EXPECT_NE(SheetXml(target).find("rij 3"), std::string::npos);
    EXPECT_EQ(told, std::vector<std::string>{"waiting for another program to let go of '" + target + "'"});
    EXPECT_EQ(ListFolder(folder.path()), std::set<std::string>{"meetstaat.xlsx"});
}

TEST(WorkbookSave, TargetThatCannotBeWrittenFailsWithoutTouchingAnything) {
    TempFolder folder;
    xlsx_test::WriteFile(folder.file("plain-file"), kOldBytes);
    const std::string targets[] = {
        folder.file("missing-folder/meetstaat.xlsx"),
        folder.file("plain-file/meetstaat.xlsx"), // parent is a file: not writable even for root
        folder.file("sub/"),                      // no file name
    };
    for (const std::string& target : targets) {
        Workbook book(target);
        WriteRows(book.active_sheet(), 3); // the sheet takes the rows all the same
        const Status saved = book.save();
        EXPECT_EQ(saved.error, Error::temp_file) << target;
        EXPECT_FALSE(saved.message.empty());
    }
    EXPECT_EQ(ListFolder(folder.path()), std::set<std::string>{"plain-file"});
    EXPECT_EQ(ReadFile(folder.file("plain-file")), kOldBytes);
}

TEST(WorkbookSave, TargetThatIsAFolderIsNotReplaced) {
    TempFolder folder;
    const std::string target = folder.file("meetstaat.xlsx");
    ASSERT_EQ(mkdir(target.c_str(), 0755), 0);
    xlsx_test::WriteFile(target + "/inside", kOldBytes);
    Workbook book(target);
    WriteRows(book.active_sheet(), 3);
    const Status saved = book.save();
    EXPECT_EQ(saved.error, Error::replace_failed);
    EXPECT_EQ(ListFolder(folder.path()), std::set<std::string>{"meetstaat.xlsx"});
    EXPECT_EQ(ReadFile(target + "/inside"), kOldBytes);
}

TEST(WorkbookSave, FailedSheetAndCancelLeaveTheOldFileByteForByte) {
    TempFolder folder;
    const std::string target = folder.file("meetstaat.xlsx");
    xlsx_test::WriteFile(target, kOldBytes);
    const std::size_t files_before = xlsx_test::OpenFileCount();
    {
        Workbook failing(target);
        WriteRows(failing.active_sheet(), 50);
        failing.active_sheet().range("A60:C60").merge_cells();
        failing.active_sheet().range("C60:D60").merge_cells(); // overlaps: the sheet fails
        EXPECT_EQ(failing.save().error, Error::merge_overlap);
    }
    {
        Workbook cancelled(target);
        WriteRows(cancelled.active_sheet(), 50);
        cancelled.abandon();
        EXPECT_FALSE(cancelled.is_open());
        EXPECT_EQ(cancelled.save().error, Error::closed);
    }
    {
        Workbook forgotten(target); // neither saved nor abandoned: the destructor abandons it
        WriteRows(forgotten.active_sheet(), 50);
    }
    EXPECT_EQ(ReadFile(target), kOldBytes);
    EXPECT_EQ(ListFolder(folder.path()), std::set<std::string>{"meetstaat.xlsx"});
    EXPECT_EQ(xlsx_test::OpenFileCount(), files_before) << "an abandoned workbook keeps no file open";
}

// Runs `body` as the unprivileged user nobody, in a child; its result, or -1.
int AsNobody(const std::function<int()>& body) {
    return xlsx_test::InChild([&] {
        return setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0 ? body() : 100;
    });
}

TEST(WorkbookSave, ATargetTheUserMayNotWriteIsNotReplaced) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    TempFolder folder;
    ASSERT_EQ(chown(folder.path().c_str(), 65534, 65534), 0); // the user may write the folder
    const std::string theirs = folder.file("van-een-ander.xlsx");
    const std::string locked = folder.file("alleen-lezen.xlsx");
    const std::string own = folder.file("eigen.xlsx");
    for (const std::string& path : {theirs, locked, own})
        xlsx_test::WriteFile(path, kOldBytes);
    ASSERT_EQ(chown(locked.c_str(), 65534, 65534) | chown(own.c_str(), 65534, 65534), 0);
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);

    const int wrong = AsNobody([&] {
        int failures = 0;
        for (const std::string& path : {theirs, locked}) {
            Workbook book(path);
            WriteRows(book.active_sheet(), 3);
            failures += book.save().error != Error::replace_failed;
        }
        Workbook book(own);
        WriteRows(book.active_sheet(), 3);
        return failures + !book.save().ok();
    });
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(ReadFile(theirs), kOldBytes);
    EXPECT_EQ(ReadFile(locked), kOldBytes);
    EXPECT_NE(ReadFile(own), kOldBytes);
    EXPECT_EQ(ListFolder(folder.path()),
              (std::set<std::string>{"van-een-ander.xlsx", "alleen-lezen.xlsx", "eigen.xlsx"}));
}

Status SaveThreeRows(const std::string& target) {
    Workbook book(target);
    WriteRows(book.active_sheet(), 3);
    return book.save();
}

TEST(WorkbookSave, ALinkIsSavedThroughToTheFileItPointsTo) {
    TempFolder folder;
    ASSERT_EQ(mkdir(folder.file("echt").c_str(), 0755), 0);
    const std::string real = folder.file("echt/meetstaat.xlsx");
    xlsx_test::WriteFile(real, kOldBytes);
    // A chain: an absolute link to a relative link to the file.
    ASSERT_EQ(symlink("echt/meetstaat.xlsx", folder.file("relatief").c_str()), 0);
    ASSERT_EQ(symlink(folder.file("relatief").c_str(), folder.file("absoluut").c_str()), 0);
    ASSERT_EQ(symlink("echt/nieuw.xlsx", folder.file("los").c_str()), 0);
    ASSERT_EQ(symlink("lus-b", folder.file("lus-a").c_str()), 0);
    ASSERT_EQ(symlink("lus-a", folder.file("lus-b").c_str()), 0);

    const Status through = SaveThreeRows(folder.file("absoluut"));
    ASSERT_TRUE(through.ok()) << through.message;
    EXPECT_NE(SheetXml(real).find("rij 3"), std::string::npos);
    const Status dangling = SaveThreeRows(folder.file("los"));
    ASSERT_TRUE(dangling.ok()) << dangling.message;
    EXPECT_NE(SheetXml(folder.file("echt/nieuw.xlsx")).find("rij 3"), std::string::npos);
    EXPECT_EQ(SaveThreeRows(folder.file("lus-a")).error, Error::replace_failed);

    for (const char* link : {"relatief", "absoluut", "los", "lus-a", "lus-b"}) {
        struct stat info {};
        EXPECT_TRUE(lstat(folder.file(link).c_str(), &info) == 0 && S_ISLNK(info.st_mode)) << link;
    }
    EXPECT_EQ(ListFolder(folder.file("echt")), (std::set<std::string>{"meetstaat.xlsx", "nieuw.xlsx"}));
    EXPECT_EQ(ListFolder(folder.path()).size(), 6u) << "no temporary file beside a link";
}

// In a shared folder (sticky, writable by all) a link is followed only when it belongs to the user or to
// the folder's owner, at every hop, as the kernel's rule for such folders has it; elsewhere any link is.
TEST(WorkbookSave, ALinkPlantedInASharedFolderIsNotFollowed) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to make links of other users";
    TempFolder folder;
    const std::pair<const char*, mode_t> folders[] = {{"eigen", 0700}, {"gedeeld", 01777}, {"open", 0777}};
    for (const auto& [name, mode] : folders) {
        const std::string path = folder.file(name);
        ASSERT_EQ(mkdir(path.c_str(), 0700) | chmod(path.c_str(), mode), 0); // past the umask
    }
    ASSERT_EQ(chown(folder.file("gedeeld").c_str(), 1, 1), 0); // the folder's owner is user daemon
    const std::string important = folder.file("eigen/belangrijk.conf");
    xlsx_test::WriteFile(important, kOldBytes);
    const auto plant = [&](const char* link, const char* to, uid_t owner) {
        return symlink(to, folder.file(link).c_str()) == 0 &&
               lchown(folder.file(link).c_str(), owner, owner) == 0;
    };
    ASSERT_TRUE(plant("gedeeld/meetstaat.xlsx", "../eigen/belangrijk.conf", 65534) &&
                plant("gedeeld/nieuw.xlsx", "../eigen/gemaakt.xlsx", 65534) &&
                plant("gedeeld/keten.xlsx", "meetstaat.xlsx", 0) &&
                plant("gedeeld/van-daemon.xlsx", "../eigen/daemon.xlsx", 1) &&
                plant("gedeeld/eigen.xlsx", "../eigen/eigen.xlsx", 0) &&
                plant("open/van-nobody.xlsx", "../eigen/open.xlsx", 65534));
    const std::set<std::string> shared = ListFolder(folder.file("gedeeld"));

    for (const char* refused : {"meetstaat.xlsx", "nieuw.xlsx", "keten.xlsx"}) {
        const Status saved = SaveThreeRows(folder.file("gedeeld/") + refused);
        EXPECT_EQ(saved.error, Error::replace_failed) << refused;
        EXPECT_NE(saved.message.find("not followed"), std::string::npos) << saved.message;
    }
    for (const char* followed : {"gedeeld/van-daemon.xlsx", "gedeeld/eigen.xlsx", "open/van-nobody.xlsx"}) {
        const Status saved = SaveThreeRows(folder.file(followed));
        EXPECT_TRUE(saved.ok()) << followed << ": " << saved.message;
    }
    EXPECT_EQ(ReadFile(important), kOldBytes);
    EXPECT_EQ(ListFolder(folder.file("eigen")),
              (std::set<std::string>{"belangrijk.conf", "daemon.xlsx", "eigen.xlsx", "open.xlsx"}));
    EXPECT_EQ(ListFolder(folder.file("gedeeld")), shared);
}

TEST(WorkbookSave, AFileWithOtherNamesIsNotSplit) {
    TempFolder folder;
    const std::string target = folder.file("meetstaat.xlsx");
    xlsx_test::WriteFile(target, kOldBytes);
    ASSERT_EQ(link(target.c_str(), folder.file("tweede-naam.xlsx").c_str()), 0);
    const Status saved = SaveThreeRows(target);
    EXPECT_EQ(saved.error, Error::replace_failed);
    EXPECT_NE(saved.message.find("hard link"), std::string::npos) << saved.message;
    EXPECT_EQ(ReadFile(target), kOldBytes);
    EXPECT_EQ(ReadFile(folder.file("tweede-naam.xlsx")), kOldBytes);
    EXPECT_EQ(ListFolder(folder.path()).size(), 2u);
}

TEST(WorkbookSave, OnlyARegularFileIsReplaced) {
    TempFolder folder;
    const struct {
        const char* name;
        mode_t kind;
        dev_t device;
    } nodes[] = {
        {"fifo.xlsx", S_IFIFO, 0},
        {"socket.xlsx", S_IFSOCK, 0},
        {"null.xlsx", S_IFCHR, makedev(1, 3)}, // as the system's null device
    };
    std::vector<std::string> targets;
    for (const auto& node : nodes) {
        if (mknod(folder.file(node.name).c_str(), node.kind | 0666, node.device) == 0)
            targets.push_back(folder.file(node.name));
        else
            EXPECT_EQ(errno, EPERM) << node.name; // a device needs the privilege to make one
    }
    if (targets.size() == std::size(nodes)) {
        ASSERT_EQ(symlink("null.xlsx", folder.file("link.xlsx").c_str()), 0);
        targets.push_back(folder.file("link.xlsx"));
    }
    const std::set<std::string> before = ListFolder(folder.path());
    for (const std::string& target : targets) {
        const Status saved = SaveThreeRows(target);
        EXPECT_EQ(saved.error, Error::replace_failed) << target;
        EXPECT_NE(saved.message.find("not a regular file"), std::string::npos) << saved.message;
    }
    EXPECT_EQ(ListFolder(folder.path()), before);
    for (const auto& node : nodes) {
        struct stat info {};
        if (lstat(folder.file(node.name).c_str(), &info) == 0) {
            EXPECT_EQ(info.st_mode & S_IFMT, node.kind) << node.name;
            EXPECT_EQ(info.st_rdev, node.device) << node.name;
        }
    }
}

// A POSIX ACL as the kernel keeps it in an extended attribute: the owner and user `named` may read and
// write, the owning group and others nothing.
std::string Acl(std::uint32_t named) {
    struct Entry {
        std::uint16_t tag;
        std::uint16_t permissions;
        std::uint32_t id;
    };
    const std::uint32_t version = 2;
    const std::uint32_t none = ~0u;
    const Entry entries[] = {
        {0x01, 6, none}, {0x02, 6, named}, {0x04, 0, none}, {0x10, 6, none}, {0x20, 0, none}};
    std::string bytes(reinterpret_cast<const char*>(&version), sizeof version);
    bytes.append(reinterpret_cast<const char*>(entries), sizeof entries);
    return bytes;
}

bool SetXattr(const std::string& path, const char* name, const std::string& value) {
    return setxattr(path.c_str(), name, value.data(), value.size(), 0) == 0;
}

// Who may do what with a file: its owner, group, mode and extended attributes (its ACL among them).
struct Access {
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0;
    std::map<std::string, std::string> xattrs;
    bool operator==(const Access&) const = default;
};

Access AccessOf(const std::string& path) {
    Access access;
    struct stat info {};
    if (stat(path.c_str(), &info) == 0)
        access = Access{info.st_uid, info.st_gid, info.st_mode & 07777, {}};
    std::string names(4096, '\0');
    names.resize(
        static_cast<std::size_t>(std::max<ssize_t>(0, listxattr(path.c_str(), names.data(), names.size()))));
    for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
        std::string value(4096, '\0');
        const ssize_t size = getxattr(path.c_str(), names.c_str() + at, value.data(), value.size());
        value.resize(static_cast<std::size_t>(std::max<ssize_t>(0, size)));
        access.xattrs[names.c_str() + at] = value;
    }
    return access;
}

// A file of user and group nobody, set-user-id, with an ACL entry for user daemon and an attribute of
// its own; the folder's default ACL would give a new file to user bin.
class WorkbookSaveAccess : public ::testing::Test {
  protected:
    void SetUp() override {
        if (geteuid() != 0)
            GTEST_SKIP() << "needs root to give files to another user";
        xlsx_test::WriteFile(target_, kOldBytes);
        ASSERT_EQ(chown(target_.c_str(), 65534, 65534), 0);
        const bool acl = SetXattr(target_, "system.posix_acl_access", Acl(1));
        if (!acl && errno == ENOTSUP)
            GTEST_SKIP() << "the file system holds no ACLs";
        ASSERT_TRUE(acl && SetXattr(target_, "user.note", "nagekeken")) << std::strerror(errno);
        ASSERT_EQ(chmod(target_.c_str(), 04660), 0);
        xlsx_test::WriteFile(plain_, kOldBytes);
        ASSERT_EQ(chmod(plain_.c_str(), 0640), 0);
        ASSERT_TRUE(SetXattr(folder_.path(), "system.posix_acl_default", Acl(2)));
    }

    TempFolder folder_;
    const std::string target_ = folder_.file("meetstaat.xlsx");
    const std::string plain_ = folder_.file("zonder-acl.xlsx");
};

TEST_F(WorkbookSaveAccess, AReplacedFileKeepsWhoMayReadAndWriteIt) {
    for (const std::string& path : {target_, plain_}) {
        const Access before = AccessOf(path);
        Workbook book(path);
        WriteRows(book.active_sheet(), 3);
        for (const std::string& name : ListFolder(folder_.path())) {
            struct stat temp {};
            if (name[0] == '.' && stat(folder_.file(name).c_str(), &temp) == 0) {
                EXPECT_EQ(temp.st_mode & 077, 0u) << "no one else may read the workbook while it is written";
            }
        }
        const Status saved = book.save();
        ASSERT_TRUE(saved.ok()) << saved.message;
        EXPECT_NE(ReadFile(path), kOldBytes);
        EXPECT_EQ(AccessOf(path), before) << path;
    }
}

TEST_F(WorkbookSaveAccess, WhatCannotBeCarriedOverFailsTheSave) {
    using attribute_faults::Call;
    const Access before = AccessOf(target_);
    const std::pair<Call, bool> faults[] = {
        {Call::fchown, false}, {Call::fsetxattr, false}, {Call::fchmod, false}, {Call::fchmod, true}};
    for (const auto& [call, silent] : faults) {
        attribute_faults::Arm(call, silent);
        const Status saved = SaveThreeRows(target_);
        attribute_faults::Arm(Call::none);
        EXPECT_EQ(saved.error, Error::replace_failed) << static_cast<int>(call) << silent;
    }
    EXPECT_EQ(ReadFile(target_), kOldBytes);
    EXPECT_EQ(AccessOf(target_), before);

    // A group the user is not in cannot be given to the new file, which would then belong to theirs.
    ASSERT_EQ(chown(folder_.path().c_str(), 65534, 65534) | chown(plain_.c_str(), 65534, 0), 0);
    ASSERT_EQ(chmod(plain_.c_str(), 0660), 0);
    EXPECT_EQ(AsNobody([&] { return static_cast<int>(SaveThreeRows(plain_).error); }),
              static_cast<int>(Error::replace_failed));
    EXPECT_EQ(ReadFile(plain_), kOldBytes);
    EXPECT_EQ(ListFolder(folder_.path()), (std::set<std::string>{"meetstaat.xlsx", "zonder-acl.xlsx"}));
}

TEST(WorkbookSave, EveryNameTheFileSystemTakesCanBeSavedTo) {
    TempFolder folder;
    std::set<std::string> names;
    for (const std::size_t length : {241u, 242u, 250u, 255u})
        names.insert(std::string(length - 5, 'm') + ".xlsx");
    std::string accented;
    while (accented.size() < 248)
        accented += "\xC3\xA9"; // é
    names.insert(accented + "m.xlsx");
    for (const std::string& name : names) {
        const Status saved = SaveThreeRows(folder.file(name));
        EXPECT_TRUE(saved.ok()) << name.size() << ": " << saved.message;
    }
    EXPECT_EQ(ListFolder(folder.path()), names);
}

TEST(WorkbookZipCheck, RefusesTruncatedAndDamagedFiles) {
    TempFolder folder;
    const std::string good = folder.file("good.xlsx");
    {
        Workbook book(good);
        WriteRows(book.active_sheet(), 2000);
        ASSERT_TRUE(book.save().ok());
    }
    const SheetDigest digest = SheetDigestOf(SheetXml(good));
    std::string error;
    ASSERT_TRUE(CheckWorkbookZip(good, digest, error)) << error;
    const std::string bytes = ReadFile(good);

    const std::string truncated = folder.file("truncated.xlsx");
    xlsx_test::WriteFile(truncated, bytes.substr(0, bytes.size() - 100));
    EXPECT_FALSE(CheckWorkbookZip(truncated, digest, error));

    // Damage the middle of the compressed worksheet, the largest entry.
    std::string damaged_bytes = bytes;
    const auto sheet = damaged_bytes.find("xl/worksheets/sheet1.xml");
    ASSERT_NE(sheet, std::string::npos);
    for (std::size_t i = sheet + 200; i < sheet + 260; ++i)
        damaged_bytes[i] = static_cast<char>(damaged_bytes[i] ^ 0x5A);
    const std::string damaged = folder.file("damaged.xlsx");
    xlsx_test::WriteFile(damaged, damaged_bytes);
    EXPECT_FALSE(CheckWorkbookZip(damaged, digest, error));

    xlsx_test::WriteFile(folder.file("empty.xlsx"), "");
    EXPECT_FALSE(CheckWorkbookZip(folder.file("empty.xlsx"), digest, error));
    EXPECT_FALSE(CheckWorkbookZip(folder.file("absent.xlsx"), digest, error));
}

using Entries = std::vector<std::pair<std::string, std::string>>;

// Writes `entries` into a new zip at `to`, in order, as minizip writes them.
void WriteZip(const std::string& to, const Entries& entries) {
    zipFile out = zipOpen64(to.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(out, nullptr);
    for (const auto& [name, bytes] : entries) {
        zipOpenNewFileInZip64(out, name.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 6, 0);
        zipWriteInFileInZip(out, bytes.data(), static_cast<unsigned>(bytes.size()));
        zipCloseFileInZip(out);
    }
    zipClose(out, nullptr);
}

// Repacks every entry of `from` into `to`, changing the one named `entry`.
void Repack(const std::string& from, const std::string& to, const std::string& entry,
            const std::function<void(std::string&)>& change) {
    Entries entries;
    for (auto& [name, bytes] : xlsx_test::ZipEntries(from)) {
        if (name == entry)
            change(bytes);
        entries.emplace_back(name, bytes);
    }
    WriteZip(to, entries);
}

// A full disk can leave an intact zip around a part with a block missing: at its end, from the middle
// of the rows, or from a list of a small part. A write-back that fails after the rows were digested can
// leave a block of them read back as zeros, the same length but other bytes.
TEST(WorkbookZipCheck, RefusesAnIntactZipAroundAPartWithABlockMissing) {
    TempFolder folder;
    const std::string good = folder.file("good.xlsx");
    {
        Workbook book(good);
        Worksheet& ws = book.active_sheet();
        WriteRows(ws, 2000);
        ws.range("A2001:C2001").merge_cells();
        ws.range("D2001:E2001").merge_cells();
        ws.cell("F2001").number_format("0.00");
        ws.cell("G2001").number_format("0.000");
        ASSERT_TRUE(book.save().ok());
    }
    const SheetDigest digest = SheetDigestOf(SheetXml(good));
    std::string error;
    EXPECT_FALSE(
        CheckWorkbookZip(good, SheetDigest{digest.rows_size + 1, digest.rows_crc, digest.merges}, error));
    EXPECT_FALSE(
        CheckWorkbookZip(good, SheetDigest{digest.rows_size, digest.rows_crc, digest.merges + 1}, error));

    const auto cut_between = [](const char* first, const char* last) {
        return [=](std::string& bytes) {
            const auto from = bytes.find(first);
            bytes.erase(from, bytes.find(last, from) - from);
        };
    };
    const struct {
        const char* entry;
        std::function<void(std::string&)> change;
    } damages[] = {
        {"xl/worksheets/sheet1.xml", [](std::string&) {}}, // unchanged: the repacking itself is sound
        {"xl/worksheets/sheet1.xml", [](std::string& bytes) { bytes.resize(16384); }},
        {"xl/worksheets/sheet1.xml", [](std::string& bytes) { bytes.erase(40960, 4096); }},
        {"xl/worksheets/sheet1.xml", cut_between("<row r=\"700\"", "<row r=\"800\"")},
        {"xl/worksheets/sheet1.xml", [](std::string& bytes) { bytes.replace(40960, 4096, 4096, '\0'); }},
        {"xl/worksheets/sheet1.xml", [](std::string& bytes) { bytes[bytes.find("rij 750<") + 6] = '1'; }},
        {"xl/worksheets/sheet1.xml", cut_between("<mergeCell ref=\"D", "</mergeCells>")},
        {"xl/styles.xml", cut_between("<xf numFmtId=\"164\"", "</cellXfs>")},
        {"[Content_Types].xml", cut_between("<Override", " PartName")},
    };
    for (std::size_t i = 0; i < std::size(damages); ++i) {
        const std::string repacked = folder.file("repacked" + std::to_string(i) + ".xlsx");
        Repack(good, repacked, damages[i].entry, damages[i].change);
        EXPECT_EQ(CheckWorkbookZip(repacked, digest, error), i == 0) << i << ": " << error;
        if (i > 0) {
            EXPECT_NE(error.find(damages[i].entry), std::string::npos) << error;
        }
    }
}

// The entry's bytes deflated as they stand, for a zip written raw.
std::string Deflated(const std::string& bytes) {
    z_stream stream{};
    deflateInit2(&stream, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, static_cast<uLong>(bytes.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// Writes `parts` into a new zip at `to` as WriteZip does, but for `entry`, whose headers declare `size`
// and `crc` whatever its data.
void WriteZipDeclaring(const std::string& to, const std::map<std::string, std::string>& parts,
                       const std::string& entry, const std::string& data, std::size_t size, uLong crc) {
    zipFile out = zipOpen64(to.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(out, nullptr);
    for (const auto& [name, bytes] : parts) {
        const bool raw = name == entry;
        zipOpenNewFileInZip2_64(out, name.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 6,
                                raw, 0);
        const std::string stored = raw ? Deflated(data) : bytes;
        zipWriteInFileInZip(out, stored.data(), static_cast<unsigned>(stored.size()));
        if (raw)
            zipCloseFileInZipRaw64(out, size, crc);
        else
            zipCloseFileInZip(out);
    }
    zipClose(out, nullptr);
}

// One byte of the worksheet's rows or of `xl/workbook.xml` changed under the headers of the bytes as
// written: declaring their size, the CRC fails only when the entry is closed; declaring a byte more,
// unzip stops at the end of the data and compares no CRC at all.
TEST(WorkbookZipCheck, ReadsEveryEntryToItsDeclaredSizeAndChecksItsCRC) {
    TempFolder folder;
    const std::string good = folder.file("good.xlsx");
    ASSERT_TRUE(SaveThreeRows(good).ok());
    const SheetDigest digest = SheetDigestOf(SheetXml(good));
    const std::map<std::string, std::string> parts = xlsx_test::ZipEntries(good);
    const struct {
        const char* entry;
        std::string from, to;
    } changes[] = {{"xl/worksheets/sheet1.xml", "rij 2<", "rij 7<"},
                   {"xl/workbook.xml", "rupBuild=\"4505\"", "rupBuild=\"4506\""}};
    const std::string copy = folder.file("copy.xlsx");
    std::string error;
    for (const auto& change : changes) {
        const std::string& written = parts.at(change.entry);
        const uLong crc =
            crc32(0, reinterpret_cast<const Bytef*>(written.data()), static_cast<uInt>(written.size()));
        WriteZipDeclaring(copy, parts, change.entry, written, written.size(), crc);
        EXPECT_TRUE(CheckWorkbookZip(copy, digest, error)) << change.entry << ": " << error;
        std::string changed = written;
        ASSERT_NE(changed.find(change.from), std::string::npos) << change.entry;
        changed.replace(changed.find(change.from), change.from.size(), change.to);
        for (const std::size_t more : {0u, 1u}) {
            WriteZipDeclaring(copy, parts, change.entry, changed, written.size() + more, crc);
            EXPECT_FALSE(CheckWorkbookZip(copy, digest, error)) << change.entry << ", " << more << " more";
        }
    }
}

// Only the parts the library writes pass, each once; a name longer than any of them is read safely.
TEST(WorkbookZipCheck, RefusesPartsTheWriterNeverWrites) {
    TempFolder folder;
    const std::string good = folder.file("good.xlsx");
    ASSERT_TRUE(SaveThreeRows(good).ok());
    const SheetDigest digest = SheetDigestOf(SheetXml(good));
    const auto parts = xlsx_test::ZipEntries(good);
    const Entries written(parts.begin(), parts.end());
    std::vector<Entries> variants{written}; // the first unchanged
    for (std::size_t i = 0; i < written.size(); ++i) {
        Entries dropped = written;
        dropped.erase(dropped.begin() + static_cast<std::ptrdiff_t>(i));
        variants.push_back(dropped);
        Entries renamed = written;
        renamed[i].first.back() = static_cast<char>(std::toupper(renamed[i].first.back()));
        variants.push_back(renamed);
    }
    variants.push_back(written);
    variants.back().emplace_back(std::string(300, 'x'), "<?xml version=\"1.0\"?><x/>");
    variants.push_back(written);
    variants.back().push_back(written.front());

    std::string error;
    for (std::size_t i = 0; i < variants.size(); ++i) {
        const std::string variant = folder.file("variant" + std::to_string(i) + ".xlsx");
        WriteZip(variant, variants[i]);
        EXPECT_EQ(CheckWorkbookZip(variant, digest, error), i == 0) << i << ": " << error;
    }
}

TEST(XmlPartCheck, SeesWhatALostBlockLeavesBehind) {
    const auto complete = [](const std::string& part, bool declared = true) {
        const std::string text = (declared ? "<?xml version=\"1.0\" standalone=\"yes\"?>\n" : "") + part;
        XmlPartCheck check;
        check.feed(text.data(), text.size());
        return check.complete();
    };
    EXPECT_TRUE(complete("<a/>"));
    EXPECT_TRUE(complete("<a x=\"1\" y='2'><b/><c count=\"2\"><d/><d>t &amp; &#x41;</d></c>\r\n</a>"));
    EXPECT_FALSE(complete("<a/>", false));
    for (const std::string bad : {
             "",
             "<a>",
             "<a></b>",
             "<a><b></a></b>",
             "<a x=\"1\"y=\"2\"/>",
             "<a x=\"1/>",
             "<a x=1/>",
             "<a>x>y</a>",
             "<a x=\">\"/>",
             "<a count=\"2\"><b/></a>",
             "<a count=\"\"/>",
             "<a count=\"1\"/>",
             "<a>&amp</a>",
             "<a>&;</a>",
             "t<a/>",
             "<a/>t",
             "<a/><b/>",
             "<!-- c --><a/>",
             "<a><</a>",
         })
        EXPECT_FALSE(complete(bad)) << bad;
}

} // namespace
