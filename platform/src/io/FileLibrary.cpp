// The file library's session state: IO::Init and IO::End, and the host's registry of file types.
#include "FileLibrary.hpp"
#include "FileTypeRegistry.hpp"

namespace hostplatform::detail {

namespace {

Int32& InitDepth() {
    static Int32 depth = 0;
    return depth;
}

} // namespace

std::vector<RegisteredFileType>& FileTypeRegistry() {
    static std::vector<RegisteredFileType> registry;
    return registry;
}

const FTM::FileType* FindRegisteredType(FTM::TypeID id) {
    for (const RegisteredFileType& registered : FileTypeRegistry())
        if (registered.id == id)
            return &registered.type;
    return nullptr;
}

void ResetFileLibrary() {
    FileTypeRegistry().clear();
    InitDepth() = 0;
}

std::string PathText(const IO::Location& location) {
    GS::UniString path;
    location.ToPath(&path);
    return path.ToUtf8();
}

} // namespace hostplatform::detail

namespace hostplatform {

Int32 IOInitDepth() {
    return detail::InitDepth();
}

std::vector<FileTypeRecord> RegisteredFileTypes() {
    std::vector<FileTypeRecord> records;
    for (const detail::RegisteredFileType& registered : detail::FileTypeRegistry())
        records.push_back(FileTypeRecord{registered.id, registered.group, registered.manager.ToUtf8(),
                                         registered.type.GetDescription().ToUtf8(),
                                         registered.type.GetExtension().ToUtf8()});
    return records;
}

} // namespace hostplatform

namespace IO {

GSErrCode Init(bool, const GS::UniString&, Int32) {
    ++hostplatform::detail::InitDepth();
    return NoError;
}

GSErrCode End() {
    Int32& depth = hostplatform::detail::InitDepth();
    if (depth == 0)
        return GeneralError;
    --depth;
    return NoError;
}

} // namespace IO
