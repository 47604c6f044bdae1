#include "palette/GsIO.hpp"

#include "DG.hpp"

#include <string>

namespace VaZaz::GsIO {

namespace {

constexpr Int32 kLogLevel = 1;
constexpr GS::USize kReadBlock = 4096;

// A line of the file's bytes, decoded in the host's default character code (the one Save writes).
GS::UniString DecodeLine(std::string& bytes) {
    if (!bytes.empty() && bytes.back() == '\r')
        bytes.pop_back();
    GS::UniString line = GS::UniString::FromUtf8(bytes);
    bytes.clear();
    return line;
}

} // namespace

CFile::CFile() {
    IO::Init(true, GS::UniString(), kLogLevel);
}

CFile::~CFile() {
    IO::End();
}

bool CFile::Save(IO::Location location, GS::Array<GS::UniString> lines) {
    IO::File file(location, IO::File::Create);
    if (file.Open(IO::File::WriteEmptyMode, IO::File::FailOnAccessDenied) != NoError)
        return false;
    // Whole lines: cutting a long line would also cut its line break and merge it with the next one.
    for (const GS::UniString& line : lines) {
        const std::string bytes = (line + "\r\n").ToCStr(CC_Default).Get();
        file.WriteBin(bytes.data(), static_cast<GS::USize>(bytes.size()));
    }
    file.Close();
    return true;
}

bool CFile::ReadCSV(IO::Location location, GS::Array<GS::UniString>& lines) {
    return GetText(location, lines);
}

bool CFile::GetText(IO::Location location, GS::Array<GS::UniString>& lines) {
    lines.Clear();
    IO::File file(location, IO::File::Fail);
    if (file.Open(IO::File::ReadMode, IO::File::FailOnAccessDenied) != NoError)
        return false;
    std::string current;
    char block[kReadBlock];
    GS::USize read = 0;
    while (file.ReadBin(block, kReadBlock, &read) == NoError && read > 0) {
        for (GS::USize i = 0; i < read; ++i) {
            if (block[i] == '\n')
                lines.Push(DecodeLine(current));
            else
                current += block[i];
        }
    }
    // The text after the last line break; a "\r" there is part of the text, not of a line break.
    lines.Push(GS::UniString::FromUtf8(current));
    file.Close();
    return true;
}

GS::UniString CFile::GetFileName(GS::UniString path) {
    IO::Name name;
    IO::RelativeLocation(path).GetLastName(&name);
    return name.ToString();
}

GSErrCode CFile::GetFolders(GS::Array<GS::UniString>& folders, const GS::UniString& path) {
    const IO::Location location(path);
    const IO::Folder folder(location, IO::Folder::Fail);
    RecursiveFileFolderFinder finder(folder);
    const GSErrCode result = finder.Do();
    if (result == NoError)
        folders = finder.folders;
    return result;
}

bool CFile::GetFolder(const GS::UniString& title, GS::UniString startPath, IO::Location* result) {
    DG::FolderDialog dialog;
    dialog.SetTitle(title);
    dialog.SetFolder(IO::Location(startPath));
    if (!dialog.Invoke())
        return false;
    if (result != nullptr)
        *result = dialog.GetFolder();
    return true;
}

GSErrCode RecursiveFileFolderFinder::FileFound(const IO::Location&, const IO::Name& name) {
    files.Push(name.ToString());
    return NoError;
}

GSErrCode RecursiveFileFolderFinder::FolderFound(const IO::Location&, const IO::Name& name) {
    folders.Push(name.ToString());
    return NoError;
}

} // namespace VaZaz::GsIO
