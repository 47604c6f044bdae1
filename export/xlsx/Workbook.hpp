// One workbook of one worksheet, written by streaming (libxlsxwriter's constant-memory mode) and
// saved safely: either the target file is replaced by a complete, checked workbook, or it is left
// byte-for-byte as it was and no temporary file remains.
//
// The target is named when the workbook is made, because the library writes to a file it is given at
// the start: a temporary file reserved beside the target, in the same folder (the library's own
// scratch files go there too). A target that is a symbolic link stands for the file it points to,
// which is the one written, beside which the temporary file is made, and the link stays. When that
// folder is missing or not writable, the workbook still takes every cell (and checks it) but save()
// fails.
//
// A workbook is used by one thread at a time. Neither operation throws.
#pragma once

#include "export/xlsx/SafeSave.hpp"
#include "export/xlsx/Worksheet.hpp"

#include <memory>
#include <string>

struct lxw_workbook;

namespace xlsx {

struct SheetDigest;

class Workbook {
  public:
    // `target_path` is a UTF-8 (narrow) file path.
    explicit Workbook(std::string target_path);
    // Abandons the workbook when it was neither saved nor abandoned.
    ~Workbook();
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    // The one worksheet; stays valid for the life of the workbook.
    Worksheet& active_sheet() { return *sheet_; }

    // Writes the last row, closes the workbook into the temporary file, checks the library's result
    // and that the file is a complete, readable zip of exactly the parts the library writes, each
    // whole, whose worksheet holds every row written, in order (see WorkbookZipCheck), and only then
    // renames it over the target. A target the user may not write, or one with other names (hard
    // links), is not replaced; one that another program holds a lease on is waited for, and a wait of
    // more than a moment is told to `notice`. Any failure, also the sheet's own status(), removes the
    // temporary file, leaves the target untouched and is returned. Once saved (or failed), the workbook
    // is closed.
    Status save(const Notice& notice = {});

    // Drops everything written, touches no target and leaves no temporary file.
    void abandon();

    bool is_open() const { return open_; }
    const std::string& target_path() const { return target_; }

  private:
    bool digest_sheet(SheetDigest& digest) const;
    void release_library();

    std::string target_;
    std::string file_; // the target with its symbolic links followed
    std::string temp_;
    std::string scratch_folder_;
    Status setup_;
    lxw_workbook* library_ = nullptr;
    std::unique_ptr<Worksheet> sheet_;
    bool open_ = true;
};

} // namespace xlsx
