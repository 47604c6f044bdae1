#include "export/xlsx/Workbook.hpp"

#include "export/xlsx/CNumericScope.hpp"
#include "export/xlsx/SafeSave.hpp"
#include "export/xlsx/WorkbookZipCheck.hpp"

#include <xlsxwriter.h>

#include <cstdio>

namespace xlsx {

Workbook::Workbook(std::string target_path) : target_(std::move(target_path)) {
    std::string error;
    file_ = ResolveLinks(target_, error);
    if (!file_.empty() && !IsReplaceable(file_, error))
        file_.clear(); // nothing is created beside a device or a FIFO
    if (!file_.empty())
        temp_ = ReserveTempBeside(file_, error);
    if (file_.empty()) {
        setup_ = Status{Error::replace_failed, error};
    } else if (temp_.empty()) {
        setup_ = Status{Error::temp_file, error};
    } else {
        scratch_folder_ = FolderOf(temp_);
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = scratch_folder_.data();
        options.use_zip64 = LXW_FALSE;
        library_ = workbook_new_opt(temp_.c_str(), &options);
        if (library_ == nullptr) {
            DiscardTemp(temp_);
            temp_.clear();
            setup_ = Status{Error::library, "the spreadsheet library could not start a workbook"};
        }
    }
    sheet_.reset(new Worksheet(library_));
}

Workbook::~Workbook() {
    abandon();
}

Status Workbook::save(const Notice& notice) {
    if (!open_)
        return Status{Error::closed, "the workbook was already saved or abandoned"};
    if (!setup_.ok()) {
        abandon();
        return setup_;
    }
    Status sheet = sheet_->finish();
    SheetDigest digest;
    if (sheet.ok() && !digest_sheet(digest))
        sheet = Status{Error::incomplete_file, "the worksheet's scratch file in '" + scratch_folder_ +
                                                   "' could not be written (disk full?)"};
    if (!sheet.ok()) {
        abandon();
        return sheet;
    }
    sheet_->detach();
    lxw_error rc = LXW_NO_ERROR;
    {
        const CNumericScope c_numbers;
        rc = workbook_close(library_); // frees the workbook whatever the result
    }
    library_ = nullptr;
    open_ = false;
    std::string error;
    if (rc != LXW_NO_ERROR) {
        DiscardTemp(temp_);
        return Status{Error::library, std::string("the spreadsheet library could not write '") + temp_ +
                                          "': " + lxw_strerror(rc)};
    }
    if (!CheckWorkbookZip(temp_, digest, error)) {
        DiscardTemp(temp_);
        return Status{Error::incomplete_file, error};
    }
    if (!ReplaceTarget(temp_, file_, error, notice))
        return Status{Error::replace_failed, error};
    return Status{};
}

void Workbook::abandon() {
    if (!open_)
        return;
    open_ = false;
    release_library();
    sheet_->detach();
    DiscardTemp(temp_);
}

// The library streams the rows into a scratch file and does not look at write errors there, so a
// full disk would silently cut the sheet short. Once that file is known whole, its digest is what the
// saved worksheet must hold between <sheetData> and </sheetData>, besides the merged ranges.
bool Workbook::digest_sheet(SheetDigest& digest) const {
    digest.merges = sheet_->merged_ranges();
    lxw_worksheet* sheet = sheet_->library_sheet();
    if (sheet == nullptr || sheet->optimize_tmpfile == nullptr)
        return true;
    {
        const CNumericScope c_numbers;
        lxw_worksheet_write_single_row(sheet); // the library holds the last row until it closes
    }
    FILE* scratch = sheet->optimize_tmpfile;
    return std::fflush(scratch) == 0 && std::ferror(scratch) == 0 && DigestRows(fileno(scratch), digest);
}

// Frees the library's workbook without writing it. The library does not close the scratch file of a
// constant-memory worksheet when it frees one, so that is done here first.
void Workbook::release_library() {
    if (library_ == nullptr)
        return;
    if (lxw_worksheet* sheet = sheet_->library_sheet();
        sheet != nullptr && sheet->optimize_tmpfile != nullptr) {
        std::fclose(sheet->optimize_tmpfile);
        sheet->optimize_tmpfile = nullptr;
        sheet->file = nullptr;
    }
    lxw_workbook_free(library_);
    library_ = nullptr;
}

} // namespace xlsx
