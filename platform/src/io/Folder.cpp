// Folders and folder walks of the stand-in host's file library over the machine's file system.
#include "FileLibrary.hpp"
#include "IO.hpp"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace IO {

namespace fs = std::filesystem;

namespace {

fs::path PathOf(const Location& location) {
    return fs::path(hostplatform::detail::PathText(location));
}

bool IsValidName(const Name& name) {
    return !name.IsEmpty() && !name.ToString().Contains(u'/');
}

} // namespace

Folder::Folder(const Location& location, OnNotFound onNotFound) : location_(location) {
    if (location.IsEmpty()) {
        status_ = APIERR_BADNAME;
        return;
    }
    std::error_code error;
    const fs::file_status folder = fs::status(PathOf(location), error);
    if (fs::is_directory(folder))
        return;
    if (onNotFound != Create)
        status_ = NotFound;
    else if (fs::exists(folder) || !fs::create_directories(PathOf(location), error))
        status_ = AccessDenied;
}

bool Folder::Contains(const Name& name) const {
    std::error_code error;
    return status_ == NoError && IsValidName(name) &&
           fs::exists(fs::symlink_status(PathOf(location_) / name.ToString().ToUtf8(), error));
}

GSErrCode Folder::CreateFolder(const Name& name) {
    if (status_ != NoError)
        return status_;
    if (!IsValidName(name))
        return APIERR_BADNAME;
    const fs::path path = PathOf(location_) / name.ToString().ToUtf8();
    std::error_code error;
    if (fs::is_directory(fs::status(path, error)))
        return NoError;
    return fs::create_directory(path, error) ? NoError : AccessDenied;
}

GSErrCode Folder::Delete(const Name& name) {
    if (status_ != NoError)
        return status_;
    if (!IsValidName(name))
        return APIERR_BADNAME;
    if (!Contains(name))
        return NotFound;
    std::error_code error;
    fs::remove_all(PathOf(location_) / name.ToString().ToUtf8(), error);
    return error ? AccessDenied : NoError;
}

GSErrCode TreeEnumerator::Do() {
    return status_ != NoError ? status_ : Walk(root_);
}

GSErrCode TreeEnumerator::FileFound(const Location&, const Name&) {
    return NoError;
}

GSErrCode TreeEnumerator::FolderFound(const Location&, const Name&) {
    return NoError;
}

GSErrCode TreeEnumerator::Walk(const Location& folder) {
    std::error_code error;
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(PathOf(folder), error), end; !error && it != end; it.increment(error))
        entries.push_back(*it);
    if (error)
        return AccessDenied;
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
    for (const fs::directory_entry& entry : entries) {
        const Name name(GS::UniString::FromUtf8(entry.path().filename().string()));
        Location location = folder;
        location.AppendToLocal(name);
        const bool isFolder = entry.symlink_status(error).type() == fs::file_type::directory;
        GSErrCode result = isFolder ? FolderFound(location, name) : FileFound(location, name);
        if (result == NoError && isFolder)
            result = Walk(location);
        if (result != NoError)
            return result;
    }
    return NoError;
}

} // namespace IO
