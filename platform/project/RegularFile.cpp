#include "hostplatform/ProjectLoader.hpp"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <thread>

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

using Clock = std::chrono::steady_clock;
constexpr auto kLeasePause = std::chrono::milliseconds(10);
constexpr auto kMoment = std::chrono::milliseconds(500); // a longer wait is told

// How long the kernel gives a lease's holder to let go before it takes the lease away.
Clock::duration LeaseBreakTime() {
    long seconds = 0;
    if (!(std::ifstream("/proc/sys/fs/lease-break-time") >> seconds) || seconds < 0)
        seconds = 45; // the kernel's default
    return std::chrono::seconds(seconds);
}

// Opens the file for reading without blocking. Another program's lease on it (a file server's client
// has it open) answers EWOULDBLOCK while the kernel asks the holder to let go, where a blocking open
// would wait: so the open is tried again after a pause until the holder lets go, or until the kernel
// takes the lease away after its lease-break time (and a second more for the kernel's clock).
int OpenPastLease(const std::string& path) {
    constexpr int kFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = open(path.c_str(), kFlags);
    if (fd >= 0 || errno != EWOULDBLOCK)
        return fd;
    const Clock::time_point start = Clock::now();
    const Clock::time_point end = start + LeaseBreakTime() + std::chrono::seconds(1);
    bool told = false;
    do {
        std::this_thread::sleep_for(kLeasePause);
        if (!told && Clock::now() - start >= kMoment) {
            std::fprintf(stderr, "%s: waiting for another program to let go of '%s'\n",
                         program_invocation_short_name, path.c_str());
            told = true;
        }
        fd = open(path.c_str(), kFlags);
    } while (fd < 0 && errno == EWOULDBLOCK && Clock::now() < end);
    return fd;
}

void RefuseAllButRegular(const struct stat& status) {
    if (S_ISDIR(status.st_mode))
        throw ProjectFileError("cannot read the file: it is a directory");
    if (!S_ISREG(status.st_mode))
        throw ProjectFileError(kNotRegular);
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
    // Looked at by name first, so that a folder, device or FIFO is never opened: opening a FIFO lets a
    // writer that waits on it go on, into a pipe that no one reads.
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        Fail("cannot open the file: ");
    RefuseAllButRegular(status);
    // Then opened without blocking, and the descriptor examined again: a pipe put in the file's place
    // after the look would block an open for ever.
    const OpenFile file{OpenPastLease(path)};
    if (file.fd < 0) {
        if (errno == ENXIO) // a socket, or a device with nothing behind it
            throw ProjectFileError(kNotRegular);
        Fail("cannot open the file: ");
    }
    if (fstat(file.fd, &status) != 0)
        Fail("cannot read the file: ");
    RefuseAllButRegular(status);
    const std::string tooLarge = "cannot read the file: it is larger than " + SizeText(maxBytes);
    if (static_cast<UInt64>(status.st_size) > maxBytes)
        throw ProjectFileError(tooLarge);
    return ReadToEnd(file.fd, static_cast<UInt64>(status.st_size), maxBytes, tooLarge);
}

} // namespace hostplatform
