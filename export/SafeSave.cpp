#include "export/SafeSave.hpp"

#include <unzip.h>

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
constexpr int kRandomLength = 8;
constexpr std::size_t kTempNameExtra = 2 + kRandomLength + 4; // ".", ".", random, ".tmp"

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

// An existing file is replaced only when the user may write it and it has no other names.
bool MayReplace(const std::string& target, const struct stat& existing, std::string& error) {
    if (existing.st_nlink > 1) {
        error = "'" + target + "' has " + std::to_string(existing.st_nlink - 1) +
                " other name(s) (hard links); saving would split them";
        return false;
    }
    // Opening it for writing (without truncating) asks the real question: modes, ACLs, read-only
    // mounts and immutable files all answer here.
    const int fd = open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = "'" + target + "' cannot be written: " + std::strerror(errno);
        return false;
    }
    close(fd);
    return true;
}

// What the check keeps of an entry while reading it: its start, its end, and whether a marker occurs.
class EntryScan {
  public:
    explicit EntryScan(std::string marker) : marker_(std::move(marker)), found_(marker_.empty()) {}

    void feed(const char* data, std::size_t size) {
        if (head_.size() < kKeep)
            head_.append(data, std::min(size, kKeep - head_.size()));
        tail_.append(data, size);
        if (tail_.size() > kKeep)
            tail_.erase(0, tail_.size() - kKeep);
        if (!found_) {
            window_.append(data, size);
            found_ = window_.find(marker_) != std::string::npos;
            if (window_.size() >= marker_.size())
                window_.erase(0, window_.size() - (marker_.size() - 1));
        }
    }

    bool found() const { return found_; }

    // An XML part written to its end closes its root element.
    bool xml_complete() const {
        std::size_t open = head_.find('<');
        while (open != std::string::npos && open + 1 < head_.size() &&
               (head_[open + 1] == '?' || head_[open + 1] == '!'))
            open = head_.find('<', open + 1);
        if (open == std::string::npos)
            return false;
        const std::size_t end = head_.find_first_of(" \t\r\n/>", open + 1);
        if (end == std::string::npos)
            return false;
        const std::string closing = "</" + head_.substr(open + 1, end - open - 1) + ">";
        const std::size_t last = tail_.find_last_not_of(" \t\r\n");
        return last != std::string::npos && last + 1 >= closing.size() &&
               tail_.compare(last + 1 - closing.size(), closing.size(), closing) == 0;
    }

  private:
    static constexpr std::size_t kKeep = 512;
    std::string marker_;
    bool found_;
    std::string head_;
    std::string tail_;
    std::string window_;
};

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Reads the current entry to its end; closing it checks the CRC.
bool ReadEntry(unzFile zip, std::vector<char>& buffer, EntryScan& scan) {
    if (unzOpenCurrentFile(zip) != UNZ_OK)
        return false;
    int read = 0;
    while ((read = unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size()))) > 0)
        scan.feed(buffer.data(), static_cast<std::size_t>(read));
    const bool closed = unzCloseCurrentFile(zip) == UNZ_OK;
    return read == 0 && closed;
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

std::string ReserveTempBeside(const std::string& target, std::string& error) {
    const auto slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") {
        error = "'" + target + "' does not name a file";
        return {};
    }
    const std::string stem = TempStem(FolderOf(target), name);
    for (int attempt = 0; attempt < 64; ++attempt) {
        const std::string candidate = stem + RandomSuffix() + ".tmp";
        const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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

bool CheckWorkbookZip(const std::string& path, std::uint32_t last_row, std::string& error) {
    unzFile zip = unzOpen64(path.c_str());
    if (zip == nullptr) {
        error = "'" + path + "' is not a complete zip file";
        return false;
    }
    const std::string sheet_name = "xl/worksheets/sheet1.xml";
    const std::string row_marker =
        last_row == 0 ? std::string() : "<row r=\"" + std::to_string(last_row) + "\"";
    std::vector<char> buffer(1 << 16);
    bool content_types = false;
    bool sheet = false;
    int rc = unzGoToFirstFile(zip);
    for (; rc == UNZ_OK; rc = unzGoToNextFile(zip)) {
        char name[256] = {};
        const bool named =
            unzGetCurrentFileInfo64(zip, nullptr, name, sizeof name, nullptr, 0, nullptr, 0) == UNZ_OK;
        const bool is_sheet = named && name == sheet_name;
        EntryScan scan(is_sheet ? row_marker : std::string());
        const bool is_xml = EndsWith(name, ".xml") || EndsWith(name, ".rels");
        if (!named || !ReadEntry(zip, buffer, scan) || (is_xml && !scan.xml_complete()) || !scan.found()) {
            error = "entry '" + std::string(name) + "' of '" + path + "' is damaged or incomplete";
            unzClose(zip);
            return false;
        }
        content_types = content_types || std::strcmp(name, "[Content_Types].xml") == 0;
        sheet = sheet || is_sheet;
    }
    unzClose(zip);
    if (rc != UNZ_END_OF_LIST_OF_FILE) {
        error = "the entry list of '" + path + "' is damaged";
        return false;
    }
    if (!content_types || !sheet) {
        error = "'" + path + "' lacks the content types or the worksheet";
        return false;
    }
    return true;
}

bool ReplaceTarget(const std::string& temp_path, const std::string& target, std::string& error) {
    struct stat existing {};
    if (stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        if (!MayReplace(target, existing, error)) {
            DiscardTemp(temp_path);
            return false;
        }
        chmod(temp_path.c_str(), existing.st_mode & 07777);
    }
    if (!SyncPath(temp_path, O_RDONLY)) {
        error = SystemError("cannot flush", temp_path);
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
