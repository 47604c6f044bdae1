// Text files, file names and folders over the host's input-output library and folder dialog.
//
// A CFile object keeps the host's input-output library started for as long as it lives (IO::Init in
// the constructor, IO::End in the destructor); the palette's export holds one for its whole run. Texts
// are written and read in the host's default character code.
#pragma once

#include "GS.hpp"
#include "IO.hpp"

namespace VaZaz::GsIO {

class CFile {
  public:
    CFile();
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Creates or empties the file and writes each line followed by "\r\n". False, with nothing written,
    // when the file cannot be opened for writing; write errors after that are not looked at.
    bool Save(IO::Location location, GS::Array<GS::UniString> lines);
    // The same as GetText: the lines of the file, not split into fields.
    bool ReadCSV(IO::Location location, GS::Array<GS::UniString>& lines);
    // The file's lines without their "\n" or "\r\n"; the text after the last line break is the last
    // line, also when it is empty (an empty file gives one empty line). False, with lines empty, when
    // the file cannot be opened for reading.
    bool GetText(IO::Location location, GS::Array<GS::UniString>& lines);
    // The last name of the path ("" for a path without one).
    GS::UniString GetFileName(GS::UniString path);
    // The names of all folders in the tree below the path, depth first. The folders are replaced only
    // when the walk succeeds; the walk's error code is returned.
    GSErrCode GetFolders(GS::Array<GS::UniString>& folders, const GS::UniString& path);
    // The host's folder chooser, starting in startPath; true, with the folder stored through result
    // (when that is set), when the user confirmed one.
    bool GetFolder(const GS::UniString& title, GS::UniString startPath, IO::Location* result);
};

// Collects the names of every file and folder below a folder.
class RecursiveFileFolderFinder : public IO::TreeEnumerator {
  public:
    explicit RecursiveFileFolderFinder(const IO::Folder& folder) : IO::TreeEnumerator(folder) {}

    GS::Array<GS::UniString> files;
    GS::Array<GS::UniString> folders;

  protected:
    GSErrCode FileFound(const IO::Location& location, const IO::Name& name) override;
    GSErrCode FolderFound(const IO::Location& location, const IO::Name& name) override;
};

} // namespace VaZaz::GsIO
