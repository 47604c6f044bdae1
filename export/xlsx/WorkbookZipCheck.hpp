// The check of a saved workbook before it replaces the target: a complete zip that holds exactly the
// parts the library writes for the adapter's workbook, as it writes them, every part whole, and the
// worksheet holding every row written.
#pragma once

#include <cstdint>
#include <string>

namespace xlsx {

// What a saved worksheet must hold: the bytes of its rows, as the library streams them into its
// scratch file, and the number of merged ranges the library was given.
struct SheetDigest {
    std::uint64_t rows_size = 0;
    std::uint32_t rows_crc = 0; // CRC-32, as zip uses
    std::uint64_t merges = 0;
};

// Sets the digest's rows to everything in the open file `fd`, read from its start; false when it
// cannot be read.
bool DigestRows(int fd, SheetDigest& digest);

// True when `path` is a complete zip that holds exactly the parts the library writes for the adapter's
// one-sheet workbook (no more, none twice, none missing), each entry deflated, without flags or a
// version beyond the library's, named alike in its local header and the central directory, and read
// back with a correct CRC; whose every part is well formed (see XmlPartCheck); and whose worksheet
// holds exactly the rows of `sheet` between <sheetData> and </sheetData> and its number of merged
// ranges; else false with `error` set. A full disk can leave a well-formed zip around a part with a
// block missing; a write-back that fails after the rows were digested can leave a block of them read
// back as zeros, the length unchanged.
bool CheckWorkbookZip(const std::string& path, const SheetDigest& sheet, std::string& error);

} // namespace xlsx
