// Files of the stand-in host's file library over the machine's file system.
#include "FileLibrary.hpp"
#include "IO.hpp"

#include <cerrno>
#include <filesystem>

namespace IO {

namespace fs = std::filesystem;

namespace {

GSErrCode FromErrno(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return AccessDenied;
    default:
        return GeneralError;
    }
}

} // namespace

File::File(const Location& location, OnNotFound onNotFound) : location_(location) {
    if (location.IsEmpty()) {
        status_ = APIERR_BADNAME;
        return;
    }
    const fs::path path(hostplatform::detail::PathText(location));
    std::error_code error;
    const fs::file_status file = fs::status(path, error);
    if (fs::is_directory(file)) {
        status_ = onNotFound == Create ? AccessDenied : NotFound;
    } else if (!fs::exists(file)) {
        if (onNotFound != Create) {
            status_ = NotFound;
            return;
        }
        std::FILE* created = std::fopen(path.c_str(), "ab");
        status_ = created == nullptr ? FromErrno(errno) : NoError;
        if (created != nullptr)
            std::fclose(created);
    }
}

File::~File() {
    Close();
}

GSErrCode File::Open(OpenMode mode, AccessDeniedTreatment) {
    if (status_ != NoError)
        return status_;
    if (mode != ReadMode && mode != WriteEmptyMode)
        return BadMode;
    Close();
    const std::string path = hostplatform::detail::PathText(location_);
    stream_ = std::fopen(path.c_str(), mode == ReadMode ? "rb" : "wb");
    if (stream_ == nullptr)
        return FromErrno(errno);
    writable_ = mode == WriteEmptyMode;
    return NoError;
}

GSErrCode File::Close() {
    if (stream_ == nullptr)
        return NotOpen;
    const bool failed = std::fclose(stream_) != 0;
    stream_ = nullptr;
    return failed ? GeneralError : NoError;
}

GSErrCode File::ReadBin(char* destination, GS::USize count, GS::USize* read) {
    if (read != nullptr)
        *read = 0;
    if (stream_ == nullptr || writable_)
        return NotOpen;
    if (count == 0)
        return NoError;
    if (destination == nullptr)
        return APIERR_BADPARS;
    const auto got = static_cast<GS::USize>(std::fread(destination, 1, count, stream_));
    if (read != nullptr)
        *read = got;
    if (got > 0)
        return NoError;
    return std::ferror(stream_) != 0 ? GeneralError : EndOfFile;
}

GSErrCode File::WriteBin(const char* source, GS::USize count, GS::USize* written) {
    if (written != nullptr)
        *written = 0;
    if (stream_ == nullptr || !writable_)
        return NotOpen;
    if (count == 0)
        return NoError;
    if (source == nullptr)
        return APIERR_BADPARS;
    const auto put = static_cast<GS::USize>(std::fwrite(source, 1, count, stream_));
    if (written != nullptr)
        *written = put;
    return put == count ? NoError : GeneralError;
}

} // namespace IO
