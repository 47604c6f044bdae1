// Helpers of the export tests: a scratch folder, files and folder listings, the XML of a saved
// workbook's worksheet, and a forked child for what a test must not do in its own process.
#pragma once

#include "export/xlsx/WorkbookZipCheck.hpp"
#include "tests/support/InChild.hpp"

#include <unzip.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <stdlib.h>
#include <unistd.h>

namespace xlsx_test {

class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "xlsx-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Every name in the folder, hidden ones included.
inline std::set<std::string> ListFolder(const std::string& path) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path))
        names.insert(entry.path().filename().string());
    return names;
}

inline std::size_t OpenFileCount() {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                                  std::filesystem::directory_iterator()));
}

// The entry's bytes, or "" when the zip or the entry cannot be read.
inline std::string ReadZipEntry(const std::string& zip_path, const std::string& entry) {
    unzFile zip = unzOpen64(zip_path.c_str());
    if (zip == nullptr)
        return {};
    std::string bytes;
    if (unzLocateFile(zip, entry.c_str(), 1) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        std::vector<char> buffer(1 << 16);
        int read = 0;
        while ((read = unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size()))) > 0)
            bytes.append(buffer.data(), static_cast<std::size_t>(read));
        unzCloseCurrentFile(zip);
    }
    unzClose(zip);
    return bytes;
}

inline std::string SheetXml(const std::string& zip_path) {
    return ReadZipEntry(zip_path, "xl/worksheets/sheet1.xml");
}

// Every entry of a zip by name; empty when it cannot be read.
inline std::map<std::string, std::string> ZipEntries(const std::string& zip_path) {
    std::map<std::string, std::string> entries;
    unzFile zip = unzOpen64(zip_path.c_str());
    if (zip == nullptr)
        return entries;
    for (int rc = unzGoToFirstFile(zip); rc == UNZ_OK; rc = unzGoToNextFile(zip)) {
        char name[256] = {};
        unzGetCurrentFileInfo64(zip, nullptr, name, sizeof name, nullptr, 0, nullptr, 0);
        entries[name] = ReadZipEntry(zip_path, name);
    }
    unzClose(zip);
    return entries;
}

// The digest of a saved worksheet: what it holds between <sheetData> and </sheetData>, and its merged
// ranges.
inline xlsx::SheetDigest SheetDigestOf(const std::string& sheet_xml) {
    xlsx::SheetDigest digest;
    for (auto at = sheet_xml.find("<mergeCell "); at != std::string::npos;
         at = sheet_xml.find("<mergeCell ", at + 1))
        ++digest.merges;
    const auto start = sheet_xml.find("<sheetData>");
    const auto end = sheet_xml.find("</sheetData>");
    if (start != std::string::npos && end != std::string::npos) {
        const std::string rows = sheet_xml.substr(start + 11, end - start - 11);
        digest.rows_size = rows.size();
        digest.rows_crc = static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(rows.data()), static_cast<uInt>(rows.size())));
    }
    return digest;
}

using test_support::InChild;

// The <c> element of one cell in a sheet's XML ("" when the cell was not written).
inline std::string CellXml(const std::string& xml, const std::string& reference) {
    const auto start = xml.find("<c r=\"" + reference + "\"");
    if (start == std::string::npos)
        return {};
    const auto open_end = xml.find('>', start);
    if (xml[open_end - 1] == '/')
        return xml.substr(start, open_end + 1 - start);
    const auto close = xml.find("</c>", start);
    return xml.substr(start, close + 4 - start);
}

} // namespace xlsx_test
