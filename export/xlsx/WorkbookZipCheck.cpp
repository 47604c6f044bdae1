#include "export/xlsx/WorkbookZipCheck.hpp"

#include "export/xlsx/XmlPartCheck.hpp"

#include <unzip.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace xlsx {

namespace {

constexpr std::size_t kReadSize = 1 << 16;
const char* const kSheetName = "xl/worksheets/sheet1.xml";

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The worksheet entry: well formed before and after the rows, with the digest's number of merged
// ranges, and between <sheetData> and </sheetData> exactly the rows of the digest. The rows are not
// scanned: their CRC, combined with the CRCs of the bytes around them, must give the entry's CRC,
// which unzip checks against the bytes.
class SheetScan {
  public:
    explicit SheetScan(const SheetDigest& digest)
        : digest_(digest), rows_left_(digest.rows_size), xml_("sheetData", "mergeCells") {}

    void feed(const char* data, std::size_t size) {
        while (size > 0) {
            const std::size_t taken = part_ == Part::rows ? pass_rows(size) : check(data, size);
            data += taken;
            size -= taken;
        }
    }

    bool complete(uLong entry_crc) const {
        if (!xml_.complete() || static_cast<std::uint64_t>(xml_.tally()) != digest_.merges)
            return false;
        if (part_ != Part::tail)
            return digest_.rows_size == 0 && xml_.split_was_empty();
        const uLong with_rows =
            crc32_combine(head_crc_, digest_.rows_crc, static_cast<z_off_t>(digest_.rows_size));
        return crc32_combine(with_rows, tail_crc_, static_cast<z_off_t>(tail_size_)) == entry_crc;
    }

  private:
    enum class Part { head, rows, tail };

    std::size_t pass_rows(std::size_t size) {
        const auto taken = static_cast<std::size_t>(std::min<std::uint64_t>(size, rows_left_));
        rows_left_ -= taken;
        if (rows_left_ == 0)
            part_ = Part::tail;
        return taken;
    }

    std::size_t check(const char* data, std::size_t size) {
        const std::size_t taken = xml_.feed(data, size);
        uLong& crc = part_ == Part::head ? head_crc_ : tail_crc_;
        crc = crc32(crc, reinterpret_cast<const Bytef*>(data), static_cast<uInt>(taken));
        if (part_ == Part::tail)
            tail_size_ += taken;
        else if (xml_.at_split())
            part_ = rows_left_ == 0 ? Part::tail : Part::rows;
        return taken;
    }

    SheetDigest digest_;
    std::uint64_t rows_left_;
    XmlPartCheck xml_;
    Part part_ = Part::head;
    uLong head_crc_ = 0;
    uLong tail_crc_ = 0;
    std::uint64_t tail_size_ = 0;
};

// Reads the current entry to its end, handing every piece to `take`; closing it checks the CRC.
template <class Take> bool ReadEntry(unzFile zip, std::vector<char>& buffer, Take take) {
    if (unzOpenCurrentFile(zip) != UNZ_OK)
        return false;
    int read = 0;
    while ((read = unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size()))) > 0)
        take(buffer.data(), static_cast<std::size_t>(read));
    const bool closed = unzCloseCurrentFile(zip) == UNZ_OK;
    return read == 0 && closed;
}

// Reads and checks the current entry: the worksheet against the rows, other XML parts for form.
bool CheckEntry(unzFile zip, const std::string& name, uLong crc, const SheetDigest& digest,
                std::vector<char>& buffer) {
    if (name == kSheetName) {
        SheetScan sheet(digest);
        return ReadEntry(zip, buffer, [&](const char* data, std::size_t size) { sheet.feed(data, size); }) &&
               sheet.complete(crc);
    }
    if (!EndsWith(name, ".xml") && !EndsWith(name, ".rels"))
        return ReadEntry(zip, buffer, [](const char*, std::size_t) {});
    XmlPartCheck part;
    return ReadEntry(zip, buffer, [&](const char* data, std::size_t size) { part.feed(data, size); }) &&
           part.complete();
}

} // namespace

bool DigestRows(int fd, SheetDigest& digest) {
    digest.rows_size = 0;
    uLong crc = 0;
    std::vector<Bytef> buffer(kReadSize);
    for (;;) {
        const ssize_t read = pread(fd, buffer.data(), buffer.size(), static_cast<off_t>(digest.rows_size));
        if (read == 0) {
            digest.rows_crc = static_cast<std::uint32_t>(crc);
            return true;
        }
        if (read < 0 && errno != EINTR)
            return false;
        if (read > 0) {
            crc = crc32(crc, buffer.data(), static_cast<uInt>(read));
            digest.rows_size += static_cast<std::uint64_t>(read);
        }
    }
}

bool CheckWorkbookZip(const std::string& path, const SheetDigest& sheet, std::string& error) {
    unzFile zip = unzOpen64(path.c_str());
    if (zip == nullptr) {
        error = "'" + path + "' is not a complete zip file";
        return false;
    }
    std::vector<char> buffer(kReadSize);
    bool content_types = false;
    bool has_sheet = false;
    int rc = unzGoToFirstFile(zip);
    for (; rc == UNZ_OK; rc = unzGoToNextFile(zip)) {
        char name[256] = {};
        unz_file_info64 info{};
        const bool named =
            unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) == UNZ_OK;
        if (!named || !CheckEntry(zip, name, info.crc, sheet, buffer)) {
            error = "entry '" + std::string(name) + "' of '" + path + "' is damaged or incomplete";
            unzClose(zip);
            return false;
        }
        content_types = content_types || std::strcmp(name, "[Content_Types].xml") == 0;
        has_sheet = has_sheet || std::strcmp(name, kSheetName) == 0;
    }
    unzClose(zip);
    if (rc != UNZ_END_OF_LIST_OF_FILE) {
        error = "the entry list of '" + path + "' is damaged";
        return false;
    }
    if (!content_types || !has_sheet) {
        error = "'" + path + "' lacks the content types or the worksheet";
        return false;
    }
    return true;
}

} // namespace xlsx
