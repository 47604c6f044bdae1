#include "export/xlsx/SafeSave.hpp"

#include "export/xlsx/FileAttributes.hpp"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xlsx {

namespace {

constexpr int kMaxLinks = 40; // as the kernel follows them
constexpr int kRandomLength = 8;
constexpr std::size_t kTempNameExtra = 2 + kRandomLength + 4; // ".", ".", random, ".tmp"
using Clock = std::chrono::steady_clock;
constexpr auto kLeasePause = std::chrono::milliseconds(10);
constexpr auto kMoment = std::chrono::milliseconds(500); // a longer wait is told

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

// How long the kernel gives a lease's holder to let go before it takes the lease away.
Clock::duration LeaseBreakTime() {
    long seconds = 0;
    if (!(std::ifstream("/proc/sys/fs/lease-break-time") >> seconds) || seconds < 0)
        seconds = 45; // the kernel's default
    return std::chrono::seconds(seconds);
}

// Opens an existing file without blocking. Another program's lease on it (a file server's client has
// it open) answers EWOULDBLOCK while the kernel asks the holder to let go, where a blocking open would
// wait: so the open is tried again after a pause until the holder lets go, or until the kernel takes
// the lease away after its lease-break time (and a second more for the kernel's clock).
int OpenPastLease(const std::string& path, int flags, const Notice& notice) {
    int fd = open(path.c_str(), flags | O_NONBLOCK);
    if (fd >= 0 || errno != EWOULDBLOCK)
        return fd;
    const Clock::time_point start = Clock::now();
    const Clock::time_point end = start + LeaseBreakTime() + std::chrono::seconds(1);
    bool told = !notice;
    do {
        std::this_thread::sleep_for(kLeasePause);
        if (!told && Clock::now() - start >= kMoment) {
            notice("waiting for another program to let go of '" + path + "'");
            told = true;
        }
        fd = open(path.c_str(), flags | O_NONBLOCK);
    } while (fd < 0 && errno == EWOULDBLOCK && Clock::now() < end);
    return fd;
}

// The file at the target, open for writing, and its status; no descriptor when there is none.
struct OldFile {
    Fd fd;
    struct stat info {};
};

// An existing target is replaced only when it is a regular file that the user may write and that has
// no other names. Opening it for writing (without truncating) asks the real question: modes, ACLs,
// read-only mounts and immutable files all answer here. Its kind is known before it is opened, so no
// device or FIFO is ever opened; a lease on it is waited for, as any program's open would.
bool OpenOld(const std::string& target, OldFile& old, std::string& error, const Notice& notice) {
    struct stat seen {};
    if (lstat(target.c_str(), &seen) != 0) {
        if (errno == ENOENT)
            return true;
        error = SystemError("cannot examine", target);
        return false;
    }
    if (!IsRegular(target, seen, error))
        return false;
    old.fd = OpenPastLease(target, O_WRONLY | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC, notice);
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
bool PrepareTemp(const std::string& temp_path, const std::string& target, std::string& error,
                 const Notice& notice) {
    OldFile old;
    if (!OpenOld(target, old, error, notice))
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

// The kernel's rule for links in shared folders (fs.protected_symlinks): in a folder that has the sticky
// bit and that others may write, a link is followed only when it belongs to the user or to the folder's
// owner. Links followed by hand escape that rule, so it is applied here, whatever the kernel's setting.
bool MayFollow(const std::string& link, const struct stat& info, std::string& error) {
    const std::string folder = FolderOf(link);
    struct stat shared {};
    if (stat(folder.c_str(), &shared) != 0) {
        error = SystemError("cannot examine", folder);
        return false;
    }
    const bool is_shared = (shared.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    if (!is_shared || info.st_uid == geteuid() || info.st_uid == shared.st_uid)
        return true;
    error = "'" + link + "' is a symbolic link of another user in the shared folder '" + folder +
            "'; it is not followed";
    return false;
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
        if (!MayFollow(current, info, error))
            return {};
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

bool ReplaceTarget(const std::string& temp_path, const std::string& target, std::string& error,
                   const Notice& notice) {
    if (!PrepareTemp(temp_path, target, error, notice)) {
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
