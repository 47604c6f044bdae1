#include "hostplatform/ProjectLoader.hpp"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hostplatform {

namespace {

const char* const kNotRegular = "cannot read the file: it is not a regular file";

// "1 GiB", "16 MiB": a limit as people read it.
std::string SizeText(UInt64 bytes) {
    constexpr UInt64 kGiB = UInt64{1} << 30;
    return bytes % kGiB == 0 ? std::to_string(bytes / kGiB) + " GiB" : std::to_string(bytes >> 20) + " MiB";
}

[[noreturn]] void Fail(const char* what) {
    throw ProjectFileError(what + std::string(std::strerror(errno)));
}

// Closes the descriptor when it goes.
struct OpenFile {
    int fd;
    ~OpenFile() {
        if (fd >= 0)
            close(fd);
    }
};

// The rest of the file, in blocks up to the limit: the file may grow, and some report no size.
std::string ReadToEnd(int fd, UInt64 expected, UInt64 maxBytes, const std::string& tooLarge) {
    std::string text;
    text.reserve(static_cast<size_t>(expected));
    char block[1 << 16];
    for (;;) {
        const ssize_t got = read(fd, block, sizeof block);
        if (got == 0)
            return text;
        if (got < 0 && errno != EINTR)
            Fail("cannot read the file: ");
        if (got > 0)
            text.append(block, static_cast<size_t>(got));
        if (text.size() > maxBytes)
            throw ProjectFileError(tooLarge);
    }
}

} // namespace

std::string ReadRegularFile(const std::string& path, UInt64 maxBytes) {
    // Opened once, without blocking, and only then examined: a pipe put in the file's place after a
    // check by name would block an open for ever, and a device may never end.
    const OpenFile file{open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) {
        if (errno == ENXIO) // a socket, or a device with nothing behind it
            throw ProjectFileError(kNotRegular);
        Fail("cannot open the file: ");
    }
    struct stat status {};
    if (fstat(file.fd, &status) != 0)
        Fail("cannot read the file: ");
    if (S_ISDIR(status.st_mode))
        throw ProjectFileError("cannot read the file: it is a directory");
    if (!S_ISREG(status.st_mode))
        throw ProjectFileError(kNotRegular);
    const std::string tooLarge = "cannot read the file: it is larger than " + SizeText(maxBytes);
    if (static_cast<UInt64>(status.st_size) > maxBytes)
        throw ProjectFileError(tooLarge);
    return ReadToEnd(file.fd, static_cast<UInt64>(status.st_size), maxBytes, tooLarge);
}

} // namespace hostplatform
