#include "export/xlsx/WorkbookZipCheck.hpp"

#include "export/xlsx/XmlPartCheck.hpp"

#include <unzip.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstddef>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace xlsx {

namespace {

constexpr std::size_t kReadSize = 1 << 16;
constexpr std::string_view kSheetName = "xl/worksheets/sheet1.xml";

// The parts the library writes for the adapter's workbook: one worksheet whose strings are inline
// (constant-memory mode, so no shared strings), and no custom properties, links, comments or images,
// so no parts for those. A workbook that gains such content must add its parts here.
constexpr std::array<std::string_view, 9> kParts = {
    "[Content_Types].xml",
    "_rels/.rels",
    "xl/_rels/workbook.xml.rels",
    kSheetName,
    "xl/workbook.xml",
    "xl/theme/theme1.xml",
    "xl/styles.xml",
    "docProps/core.xml",
    "docProps/app.xml",
};
constexpr std::size_t kLongestPart = 26;
static_assert(std::all_of(kParts.begin(), kParts.end(),
                          [](std::string_view part) { return part.size() <= kLongestPart; }));

// How the library's zip writer writes every entry, in both of its headers.
constexpr uLong kVersionNeeded = 20; // deflate, no zip64
constexpr uLong kFlags = 0;          // no encryption, no data descriptor, no name encoding
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kLocalVersionAt = 4;
constexpr std::size_t kLocalFlagsAt = 6;

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

// Reads the open entry to its end, handing every piece to `take`. Unzip checks the CRC when the entry
// is closed, but only once it has given every byte the headers declare: data that ends early would
// otherwise pass unchecked.
template <class Take> bool ReadEntry(unzFile zip, ZPOS64_T declared, std::vector<char>& buffer, Take take) {
    ZPOS64_T total = 0;
    int read = 0;
    while ((read = unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size()))) > 0) {
        take(buffer.data(), static_cast<std::size_t>(read));
        total += static_cast<ZPOS64_T>(read);
    }
    const bool closed = unzCloseCurrentFile(zip) == UNZ_OK;
    return read == 0 && total == declared && closed;
}

// Reads and checks the open entry: the worksheet against the rows, the other parts for form.
bool CheckEntry(unzFile zip, std::string_view name, const unz_file_info64& info, const SheetDigest& digest,
                std::vector<char>& buffer) {
    const ZPOS64_T size = info.uncompressed_size;
    if (name == kSheetName) {
        SheetScan sheet(digest);
        return ReadEntry(zip, size, buffer,
                         [&](const char* data, std::size_t length) { sheet.feed(data, length); }) &&
               sheet.complete(info.crc);
    }
    XmlPartCheck part;
    return ReadEntry(zip, size, buffer,
                     [&](const char* data, std::size_t length) { part.feed(data, length); }) &&
           part.complete();
}

// The part's place in kParts, or kParts.size() for a name the library never writes.
std::size_t PartIndex(std::string_view name) {
    return static_cast<std::size_t>(std::find(kParts.begin(), kParts.end(), name) - kParts.begin());
}

// The central directory's record of the current entry, as the library writes it.
bool CentralAsWritten(const unz_file_info64& info) {
    return info.version_needed == kVersionNeeded && info.flag == kFlags &&
           info.compression_method == Z_DEFLATED && info.size_file_extra == 0 && info.size_file_comment == 0;
}

unsigned Little16(const unsigned char* bytes) {
    return static_cast<unsigned>(bytes[0] | (bytes[1] << 8));
}

// The open entry's local header, which unzip compares with the central directory only for the method,
// the name's length, the sizes and the CRC: the same name, version and flags. It lies before the
// entry's data, its name and its local extra field.
bool LocalAsWritten(unzFile zip, int fd, std::string_view name) {
    const ZPOS64_T data = unzGetCurrentFileZStreamPos64(zip);
    const int extra = unzGetLocalExtrafield(zip, nullptr, 0);
    const std::size_t size = kLocalHeaderSize + name.size();
    if (extra < 0 || data < size + static_cast<ZPOS64_T>(extra))
        return false;
    std::array<unsigned char, kLocalHeaderSize + kLongestPart> header{};
    const auto at = static_cast<off_t>(data - size - static_cast<ZPOS64_T>(extra));
    if (pread(fd, header.data(), size, at) != static_cast<ssize_t>(size))
        return false;
    return Little16(&header[kLocalVersionAt]) == kVersionNeeded &&
           Little16(&header[kLocalFlagsAt]) == kFlags &&
           std::equal(name.begin(), name.end(), header.begin() + kLocalHeaderSize);
}

// Walks the entries of an open zip, refusing any the library would not have written, and remembers
// which parts it saw (a bit each).
class EntryWalk {
  public:
    EntryWalk(unzFile zip, int fd, const std::string& path, const SheetDigest& sheet)
        : zip_(zip), fd_(fd), path_(path), sheet_(sheet), buffer_(kReadSize) {}

    // The current entry, read and checked; false with `error` set.
    bool check_current(std::string& error) {
        char name[kLongestPart + 1];
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip_, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK) {
            error = "the entry list of '" + path_ + "' is damaged";
            return false;
        }
        // Unzip leaves a name as long as the buffer, or longer, cut and unterminated.
        if (info.size_filename >= sizeof name) {
            error = "'" + path_ + "' holds an entry the workbook never has (a name of " +
                    std::to_string(info.size_filename) + " bytes)";
            return false;
        }
        const std::string_view entry(name, info.size_filename);
        const std::size_t index = PartIndex(entry);
        if (index == kParts.size() || (seen_ & (1u << index)) != 0) {
            error = "'" + path_ + "' holds an entry the workbook never has, or has it twice: '" +
                    std::string(entry) + "'";
            return false;
        }
        seen_ |= 1u << index;
        if (!CentralAsWritten(info) || unzOpenCurrentFile(zip_) != UNZ_OK ||
            !LocalAsWritten(zip_, fd_, entry) || !CheckEntry(zip_, entry, info, sheet_, buffer_)) {
            error = "entry '" + std::string(entry) + "' of '" + path_ + "' is damaged or incomplete";
            return false;
        }
        return true;
    }

    // The first part that was not seen, or "" when every one was.
    std::string_view missing() const {
        for (std::size_t index = 0; index < kParts.size(); ++index)
            if ((seen_ & (1u << index)) == 0)
                return kParts[index];
        return {};
    }

  private:
    unzFile zip_;
    int fd_;
    const std::string& path_;
    const SheetDigest& sheet_;
    std::vector<char> buffer_;
    unsigned seen_ = 0;
};

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
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        unzClose(zip);
        error = "'" + path + "' cannot be read";
        return false;
    }
    EntryWalk walk(zip, fd, path, sheet);
    int rc = unzGoToFirstFile(zip);
    while (rc == UNZ_OK && walk.check_current(error))
        rc = unzGoToNextFile(zip);
    unzClose(zip);
    close(fd);
    if (rc == UNZ_OK)
        return false;
    if (rc != UNZ_END_OF_LIST_OF_FILE) {
        error = "the entry list of '" + path + "' is damaged";
        return false;
    }
    if (const std::string_view part = walk.missing(); !part.empty()) {
        error = "'" + path + "' lacks the part '" + std::string(part) + "'";
        return false;
    }
    return true;
}

} // namespace xlsx
