// The stand-in host's input-output library over the machine's file system: locations (POSIX paths),
// names, files, folders and folder walks. Every call returns an error code, NoError (0) on success.
#pragma once

#include "API/Types.hpp"
#include "GS.hpp"

#include <cstdio>

namespace IO {

// Errors of the file and folder calls (location errors use APIERR_BADPARS and APIERR_BADNAME).
enum : GSErrCode {
    GeneralError = -2130509823,
    NotFound,     // the file or folder does not exist
    AccessDenied, // the file system refused the operation
    NotOpen,      // a read or write on a file that is not open, or not open for it
    EndOfFile,    // a read found no byte left
    BadMode       // an open mode or option this library does not offer
};

// Starts and ends the library. The stand-in counts the starts that are not ended yet
// (hostplatform::IOInitDepth); the file calls work with or without it.
GSErrCode Init(bool startFileSystem, const GS::UniString& logPath, Int32 logLevel);
GSErrCode End();

// One name of a path: a file or folder name without separators.
class Name {
  public:
    Name() = default;
    Name(const GS::UniString& text) : text_(text) {}

    const GS::UniString& ToString() const { return text_; }
    bool IsEmpty() const { return text_.IsEmpty(); }

  private:
    GS::UniString text_;
};

// A place in the file system, named by its path (UTF-16). An empty location names nothing.
class Location {
  public:
    Location() = default;
    explicit Location(const GS::UniString& path) : path_(path) {}

    // The location's path; APIERR_BADPARS for a null argument, APIERR_BADNAME for an empty location
    // (the argument is then emptied).
    GSErrCode ToPath(GS::UniString* path) const {
        if (path == nullptr)
            return APIERR_BADPARS;
        *path = path_;
        return path_.IsEmpty() ? APIERR_BADNAME : NoError;
    }

    bool IsEmpty() const { return path_.IsEmpty(); }

    // The last name of the path, trailing separators ignored; APIERR_BADNAME for an empty location or
    // the root (the name is then emptied), APIERR_BADPARS for a null argument.
    GSErrCode GetLastLocalName(Name* name) const;
    // Appends one name; APIERR_BADNAME for an empty name or one holding a separator.
    GSErrCode AppendToLocal(const Name& name);

    friend bool operator==(const Location& a, const Location& b) { return a.path_ == b.path_; }

  private:
    GS::UniString path_;
};

// A path that is not anchored anywhere (a file name, or folders and a file name).
class RelativeLocation {
  public:
    explicit RelativeLocation(const GS::UniString& path) : path_(path) {}

    // The last name of the path, as Location::GetLastLocalName.
    GSErrCode GetLastName(Name* name) const;

  private:
    GS::UniString path_;
};

// A file at a location. The constructor looks the file up (OnNotFound::Create makes an empty one when
// it is missing); GetStatus tells the outcome, and Open fails with it when it is not NoError.
class File {
  public:
    enum OnNotFound { Fail = 0, Create = 1 };
    // ReadMode reads from the start; WriteEmptyMode empties the file and writes from the start.
    enum OpenMode { ReadMode = 0, WriteEmptyMode = 2 };
    // Every treatment reports a refused open as AccessDenied.
    enum AccessDeniedTreatment { FailOnAccessDenied = 2 };

    explicit File(const Location& location, OnNotFound onNotFound = Fail);
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    GSErrCode GetStatus() const { return status_; }
    GSErrCode Open(OpenMode mode, AccessDeniedTreatment treatment = FailOnAccessDenied);
    bool IsOpen() const { return stream_ != nullptr; }
    GSErrCode Close();

    // Reads up to count bytes: NoError while at least one byte came, EndOfFile when none was left.
    GSErrCode ReadBin(char* destination, GS::USize count, GS::USize* read = nullptr);
    GSErrCode WriteBin(const char* source, GS::USize count, GS::USize* written = nullptr);

  private:
    Location location_;
    GSErrCode status_ = NoError;
    std::FILE* stream_ = nullptr;
    bool writable_ = false;
};

// A folder at a location. The constructor looks the folder up (OnNotFound::Create makes it, with its
// missing parents); GetStatus tells the outcome.
class Folder {
  public:
    enum OnNotFound { Fail = 0, Create = 1 };

    explicit Folder(const Location& location, OnNotFound onNotFound = Fail);

    GSErrCode GetStatus() const { return status_; }
    const Location& GetLocation() const { return location_; }

    // Whether the folder holds a file or folder of that name.
    bool Contains(const Name& name) const;
    // Makes a sub-folder; NoError when it exists already.
    GSErrCode CreateFolder(const Name& name);
    // Deletes a file, or a sub-folder with all it holds; NotFound when there is no such entry.
    GSErrCode Delete(const Name& name);

  private:
    Location location_;
    GSErrCode status_ = NoError;
};

// Walks a folder's whole tree depth first, the entries of each folder in the order of their names,
// a folder's contents right after the folder. Symbolic links are reported as files, never followed.
// A non-zero result of FileFound or FolderFound stops the walk and is returned by Do.
class TreeEnumerator {
  public:
    explicit TreeEnumerator(const Folder& folder)
        : root_(folder.GetLocation()), status_(folder.GetStatus()) {}
    virtual ~TreeEnumerator() = default;

    // The folder's status when it is not NoError; else the walk's outcome.
    GSErrCode Do();

  protected:
    virtual GSErrCode FileFound(const Location& location, const Name& name);
    virtual GSErrCode FolderFound(const Location& location, const Name& name);

  private:
    GSErrCode Walk(const Location& folder);

    Location root_;
    GSErrCode status_;
};

} // namespace IO
