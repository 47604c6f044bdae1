#include "hostplatform/ProjectLoader.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace hostplatform {

namespace {

// "1 GiB", "16 MiB": a limit as people read it.
std::string SizeText(UInt64 bytes) {
    constexpr UInt64 kGiB = UInt64{1} << 30;
    return bytes % kGiB == 0 ? std::to_string(bytes / kGiB) + " GiB" : std::to_string(bytes >> 20) + " MiB";
}

} // namespace

std::string ReadRegularFile(const std::string& path, UInt64 maxBytes) {
    // Checked before opening: a pipe would block the open, and a device may never end.
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        throw ProjectFileError(std::string("cannot open the file: ") + std::strerror(errno));
    if (S_ISDIR(status.st_mode))
        throw ProjectFileError("cannot read the file: it is a directory");
    if (!S_ISREG(status.st_mode))
        throw ProjectFileError("cannot read the file: it is not a regular file");
    const std::string tooLarge = "cannot read the file: it is larger than " + SizeText(maxBytes);
    if (static_cast<UInt64>(status.st_size) > maxBytes)
        throw ProjectFileError(tooLarge);
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw ProjectFileError(std::string("cannot open the file: ") + std::strerror(errno));
    // Read in blocks up to the limit: the file may grow, and some report no size.
    std::string text;
    text.reserve(static_cast<size_t>(status.st_size));
    char block[1 << 16];
    while (file.read(block, sizeof block) || file.gcount() > 0) {
        text.append(block, static_cast<size_t>(file.gcount()));
        if (text.size() > maxBytes)
            throw ProjectFileError(tooLarge);
    }
    if (file.bad())
        throw ProjectFileError(std::string("cannot read the file: ") + std::strerror(errno));
    return text;
}

} // namespace hostplatform
