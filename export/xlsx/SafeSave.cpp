#include "export/xlsx/SafeSave.hpp"

#include "export/xlsx/FileAttributes.hpp"
#include "export/xlsx/XmlPartCheck.hpp"

#include <unzip.h>
#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xlsx {

namespace {

constexpr int kMaxLinks = 40; // as the kernel follows them
constexpr std::size_t kReadSize = 1 << 16;
constexpr int kRandomLength = 8;
constexpr std::size_t kTempNameExtra = 2 + kRandomLength + 4; // ".", ".", random, ".tmp"
const char* const kSheetName = "xl/worksheets/sheet1.xml";

std::string SystemError(const std::string& what, const std::string& path) {
    return what + " '" + path + "': " + std::strerror(errno);
}

std::string RandomSuffix() {
    static std::atomic<unsigned> counter{0};
    const auto ticks =
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    unsigned long long mixed =
        ticks ^ (static_cast<unsigned long long>(getpid()) << 32) ^ (counter++ * 0x9E3779B9ull);
    mixed *= 0xBF58476D1CE4E5B9ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", mixed);
    return std::string(text, kRandomLength);
}

// "<folder>/.<name>." with the name cut (never inside a UTF-8 character) so that the random part and
// ".tmp" still fit the folder's longest name.
std::string TempStem(const std::string& folder, const std::string& name) {
    const long longest = pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t name_max = longest > 0 ? static_cast<std::size_t>(longest) : NAME_MAX;
    std::size_t keep = name.size();
    if (name_max > kTempNameExtra && keep > name_max - kTempNameExtra) {
        keep = name_max - kTempNameExtra;
        while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
            --keep;
    }
    return folder + "/." + name.substr(0, keep) + ".";
}

bool SyncPath(const std::string& path, int flags) {
    const int fd = open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = fsync(fd) == 0;
    close(fd);
    return synced;
}

// Closes the descriptor it holds when it goes.
class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd& operator=(int fd) {
        if (fd_ >= 0)
            close(fd_);
        fd_ = fd;
        return *this;
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

const char* KindOf(mode_t mode) {
    switch (mode & S_IFMT) {
    case S_IFDIR:
        return "a folder";
    case S_IFIFO:
        return "a FIFO";
    case S_IFCHR:
        return "a character device";
    case S_IFBLK:
        return "a block device";
    case S_IFSOCK:
        return "a socket";
    case S_IFLNK:
        return "a symbolic link";
    default:
        return "a special file";
    }
}

bool IsRegular(const std::string& file, const struct stat& info, std::string& error) {
    if (S_ISREG(info.st_mode))
        return true;
    error =
        "'" + file + "' is " + KindOf(info.st_mode) + ", not a regular file; only a regular file is replaced";
    return false;
}

// The file at the target, open for writing, and its status; no descriptor when there is none.
struct OldFile {
    Fd fd;
    struct stat info {};
};

// An existing target is replaced only when it is a regular file that the user may write and that has
// no other names. Opening it for writing (without truncating) asks the real question: modes, ACLs,
// read-only mounts and immutable files all answer here. Its kind is known before it is opened, so no
// device or FIFO is ever opened.
bool OpenOld(const std::string& target, OldFile& old, std::string& error) {
    struct stat seen {};
    if (lstat(target.c_str(), &seen) != 0) {
        if (errno == ENOENT)
            return true;
        error = SystemError("cannot examine", target);
        return false;
    }
    if (!IsRegular(target, seen, error))
        return false;
    old.fd = open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (old.fd.get() < 0) {
        error = "'" + target + "' cannot be written: " + std::strerror(errno);
        return false;
    }
    if (fstat(old.fd.get(), &old.info) != 0 || old.info.st_dev != seen.st_dev ||
        old.info.st_ino != seen.st_ino) {
        error = "'" + target + "' was replaced by another file while saving";
        return false;
    }
    if (old.info.st_nlink > 1) {
        error = "'" + target + "' has " + std::to_string(old.info.st_nlink - 1) +
                " other name(s) (hard links); saving would split them";
        return false;
    }
    return true;
}

// Carries the old file's attributes, if there is one, over to the temporary file and flushes it.
bool PrepareTemp(const std::string& temp_path, const std::string& target, std::string& error) {
    OldFile old;
    if (!OpenOld(target, old, error))
        return false;
    const Fd temp(open(temp_path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (temp.get() < 0) {
        error = SystemError("cannot open", temp_path);
        return false;
    }
    if (old.fd.get() >= 0 && !CarryAttributes(old.fd.get(), old.info, temp.get(), target, error))
        return false;
    if (fsync(temp.get()) != 0) {
        error = SystemError("cannot flush", temp_path);
        return false;
    }
    return true;
}

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The worksheet entry: well formed before and after the rows, with the digest's number of merged
// ranges, and between <sheetData> and </sheetData> exactly the rows of the digest. The rows are not
// scanned: their CRC, combined with the CRCs of the bytes around them, must give the entry's CRC,
// which unzip checks against the bytes.
class SheetScan {
  public:
    explicit SheetScan(const SheetDigest& digest)
        : digest_(digest), rows_left_(digest.rows_size), xml_("sheetData", "mergeCells") {}

    void feed(const char* data, std::size_t size) {
        while (size > 0) {
            const std::size_t taken = part_ == Part::rows ? pass_rows(size) : check(data, size);
            data += taken;
            size -= taken;
        }
    }

    bool complete(uLong entry_crc) const {
        if (!xml_.complete() || static_cast<std::uint64_t>(xml_.tally()) != digest_.merges)
            return false;
        if (part_ != Part::tail)
            return digest_.rows_size == 0 && xml_.split_was_empty();
        const uLong with_rows =
            crc32_combine(head_crc_, digest_.rows_crc, static_cast<z_off_t>(digest_.rows_size));
        return crc32_combine(with_rows, tail_crc_, static_cast<z_off_t>(tail_size_)) == entry_crc;
    }

  private:
    enum class Part { head, rows, tail };

    std::size_t pass_rows(std::size_t size) {
        const auto taken = static_cast<std::size_t>(std::min<std::uint64_t>(size, rows_left_));
        rows_left_ -= taken;
        if (rows_left_ == 0)
            part_ = Part::tail;
        return taken;
    }

    std::size_t check(const char* data, std::size_t size) {
        const std::size_t taken = xml_.feed(data, size);
        uLong& crc = part_ == Part::head ? head_crc_ : tail_crc_;
        crc = crc32(crc, reinterpret_cast<const Bytef*>(data), static_cast<uInt>(taken));
        if (part_ == Part::tail)
            tail_size_ += taken;
        else if (xml_.at_split())
            part_ = rows_left_ == 0 ? Part::tail : Part::rows;
        return taken;
    }

    SheetDigest digest_;
    std::uint64_t rows_left_;
    XmlPartCheck xml_;
    Part part_ = Part::head;
    uLong head_crc_ = 0;
    uLong tail_crc_ = 0;
    std::uint64_t tail_size_ = 0;
};

// Reads the current entry to its end, handing every piece to `take`; closing it checks the CRC.
template <class Take> bool ReadEntry(unzFile zip, std::vector<char>& buffer, Take take) {
    if (unzOpenCurrentFile(zip) != UNZ_OK)
        return false;
    int read = 0;
    while ((read = unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size()))) > 0)
        take(buffer.data(), static_cast<std::size_t>(read));
    const bool closed = unzCloseCurrentFile(zip) == UNZ_OK;
    return read == 0 && closed;
}

// Reads and checks the current entry: the worksheet against the rows, other XML parts for form.
bool CheckEntry(unzFile zip, const std::string& name, uLong crc, const SheetDigest& digest,
                std::vector<char>& buffer) {
    if (name == kSheetName) {
        SheetScan sheet(digest);
        return ReadEntry(zip, buffer, [&](const char* data, std::size_t size) { sheet.feed(data, size); }) &&
               sheet.complete(crc);
    }
    if (!EndsWith(name, ".xml") && !EndsWith(name, ".rels"))
        return ReadEntry(zip, buffer, [](const char*, std::size_t) {});
    XmlPartCheck part;
    return ReadEntry(zip, buffer, [&](const char* data, std::size_t size) { part.feed(data, size); }) &&
           part.complete();
}

} // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ResolveLinks(const std::string& path, std::string& error) {
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        char target[PATH_MAX];
        const ssize_t length = readlink(current.c_str(), target, sizeof target);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target) {
            error = SystemError("cannot read the symbolic link", current);
            return {};
        }
        const std::string folder = FolderOf(current);
        current = target[0] == '/' ? std::string(target, static_cast<std::size_t>(length))
                                   : (folder == "/" ? "" : folder) + "/" +
                                         std::string(target, static_cast<std::size_t>(length));
    }
    error = "'" + path + "' leads through more than " + std::to_string(kMaxLinks) + " symbolic links";
    return {};
}

bool IsReplaceable(const std::string& file, std::string& error) {
    struct stat info {};
    return lstat(file.c_str(), &info) != 0 || IsRegular(file, info, error);
}

std::string ReserveTempBeside(const std::string& target, std::string& error) {
    const auto slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") {
        error = "'" + target + "' does not name a file";
        return {};
    }
    const std::string stem = TempStem(FolderOf(target), name);
    // The file it replaces may be for its owner's eyes only: until the temporary file has that file's
    // attributes, no one else may read it.
    struct stat existing {};
    const mode_t mode = lstat(target.c_str(), &existing) == 0 ? 0600 : 0666;
    for (int attempt = 0; attempt < 64; ++attempt) {
        std::string candidate = stem + RandomSuffix() + ".tmp";
        const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            close(fd);
            return candidate;
        }
        if (errno != EEXIST) {
            error = SystemError("cannot create a temporary file", candidate);
            return {};
        }
    }
    error = "cannot find a free temporary file name beside '" + target + "'";
    return {};
}

bool DigestRows(int fd, SheetDigest& digest) {
    digest.rows_size = 0;
    uLong crc = 0;
    std::vector<Bytef> buffer(kReadSize);
    for (;;) {
        const ssize_t read = pread(fd, buffer.data(), buffer.size(), static_cast<off_t>(digest.rows_size));
        if (read == 0) {
            digest.rows_crc = static_cast<std::uint32_t>(crc);
            return true;
        }
        if (read < 0 && errno != EINTR)
            return false;
        if (read > 0) {
            crc = crc32(crc, buffer.data(), static_cast<uInt>(read));
            digest.rows_size += static_cast<std::uint64_t>(read);
        }
    }
}

bool CheckWorkbookZip(const std::string& path, const SheetDigest& sheet, std::string& error) {
    unzFile zip = unzOpen64(path.c_str());
    if (zip == nullptr) {
        error = "'" + path + "' is not a complete zip file";
        return false;
    }
    std::vector<char> buffer(kReadSize);
    bool content_types = false;
    bool has_sheet = false;
    int rc = unzGoToFirstFile(zip);
    for (; rc == UNZ_OK; rc = unzGoToNextFile(zip)) {
        char name[256] = {};
        unz_file_info64 info{};
        const bool named =
            unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) == UNZ_OK;
        if (!named || !CheckEntry(zip, name, info.crc, sheet, buffer)) {
            error = "entry '" + std::string(name) + "' of '" + path + "' is damaged or incomplete";
            unzClose(zip);
            return false;
        }
        content_types = content_types || std::strcmp(name, "[Content_Types].xml") == 0;
        has_sheet = has_sheet || std::strcmp(name, kSheetName) == 0;
    }
    unzClose(zip);
    if (rc != UNZ_END_OF_LIST_OF_FILE) {
        error = "the entry list of '" + path + "' is damaged";
        return false;
    }
    if (!content_types || !has_sheet) {
        error = "'" + path + "' lacks the content types or the worksheet";
        return false;
    }
    return true;
}

bool ReplaceTarget(const std::string& temp_path, const std::string& target, std::string& error) {
    if (!PrepareTemp(temp_path, target, error)) {
        DiscardTemp(temp_path);
        return false;
    }
    if (std::rename(temp_path.c_str(), target.c_str()) != 0) {
        error = SystemError("cannot replace", target);
        DiscardTemp(temp_path);
        return false;
    }
    // Makes the new name durable; the file is complete either way.
    SyncPath(FolderOf(target), O_RDONLY | O_DIRECTORY);
    return true;
}

void DiscardTemp(const std::string& temp_path) {
    if (!temp_path.empty())
        std::remove(temp_path.c_str());
}

} // namespace xlsx
