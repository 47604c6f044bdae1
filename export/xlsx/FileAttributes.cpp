#include "export/xlsx/FileAttributes.hpp"

#include <cerrno>
#include <cstring>
#include <map>

#include <sys/xattr.h>
#include <unistd.h>

namespace xlsx {

namespace {

using Xattrs = std::map<std::string, std::string>;

std::string Failure(const std::string& what, const std::string& target) {
    return "cannot give the new file the " + what + " of '" + target + "': " + std::strerror(errno);
}

// Reads a list or a value whose size `read(nullptr, 0)` tells; again when it grew in between.
template <class Read> bool ReadSized(std::string& bytes, Read read) {
    for (;;) {
        const ssize_t size = read(nullptr, 0);
        if (size <= 0) {
            bytes.clear();
            return size == 0;
        }
        bytes.resize(static_cast<std::size_t>(size));
        const ssize_t got = read(bytes.data(), bytes.size());
        if (got >= 0) {
            bytes.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
}

// Every extended attribute of the open file by name; a file system without them gives none.
bool ReadXattrs(int fd, Xattrs& xattrs) {
    std::string names;
    if (!ReadSized(names, [fd](char* list, std::size_t size) { return flistxattr(fd, list, size); }))
        return errno == ENOTSUP;
    for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
        const std::string name = names.c_str() + at;
        const auto read = [&](char* value, std::size_t size) {
            return fgetxattr(fd, name.c_str(), value, size);
        };
        if (!ReadSized(xattrs[name], read))
            return false;
    }
    return true;
}

// Gives `to` exactly the extended attributes of `from`: any it has that `from` lacks, such as an ACL
// inherited from the folder's default ACL, are removed.
bool CopyXattrs(int from, int to) {
    Xattrs wanted;
    Xattrs present;
    if (!ReadXattrs(from, wanted) || !ReadXattrs(to, present))
        return false;
    for (const auto& [name, value] : present) {
        if (!wanted.contains(name) && fremovexattr(to, name.c_str()) != 0)
            return false;
    }
    for (const auto& [name, value] : wanted) {
        const auto same = present.find(name);
        if ((same == present.end() || same->second != value) &&
            fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0)
            return false;
    }
    return true;
}

} // namespace

// In this order: a change of owner clears set-id bits and file capabilities, and an ACL sets the
// mode's group bits.
bool CarryAttributes(int from, const struct stat& from_info, int to, const std::string& target,
                     std::string& error) {
    const mode_t mode = from_info.st_mode & 07777;
    struct stat now {};
    if (fstat(to, &now) != 0 || ((now.st_uid != from_info.st_uid || now.st_gid != from_info.st_gid) &&
                                 fchown(to, from_info.st_uid, from_info.st_gid) != 0)) {
        error = Failure("owner and group", target);
        return false;
    }
    if (!CopyXattrs(from, to)) {
        error = Failure("ACL and extended attributes", target);
        return false;
    }
    if (fchmod(to, mode) != 0) {
        error = Failure("permissions", target);
        return false;
    }
    // A file system may ignore a change, or drop set-id bits of its own accord.
    if (fstat(to, &now) != 0 || now.st_uid != from_info.st_uid || now.st_gid != from_info.st_gid ||
        (now.st_mode & 07777) != mode) {
        error = "the new file did not keep the owner, group and permissions of '" + target + "'";
        return false;
    }
    return true;
}

} // namespace xlsx
