// Text handling of the worksheet adapter: cleaning UTF-8 for the workbook's XML and reading A1
// references.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace xlsx {

// Most characters a cell text may hold: the spreadsheet counts UTF-16 code units.
inline constexpr std::size_t kMaxCellTextUnits = 32767;
inline constexpr std::uint32_t kMaxRows = 1048576;
inline constexpr std::uint32_t kMaxColumns = 16384;

// Replaces `out` with `in` made safe for the workbook: every ill-formed UTF-8 sequence (stray or
// truncated bytes, overlong forms, surrogates, values above U+10FFFF) and every character XML cannot
// carry (controls other than tab, line feed and carriage return; U+FFFE, U+FFFF) becomes U+FFFD.
// Text that Excel would read as an escape (_xHHHH_) gets its underscore escaped so it shows as typed.
// Returns the length of the result in UTF-16 code units.
std::size_t CleanText(std::string_view in, std::string& out);

// A cell address: 0-based row and column.
struct CellAddress {
    std::uint32_t row = 0;
    std::uint32_t column = 0;
    bool operator==(const CellAddress&) const = default;
};

// Reads "A1" to "XFD4294967295" (column letters in either case, then a row number without leading
// zeros); nothing for anything else. Rows past the sheet's last row are read: the sheet refuses them.
std::optional<CellAddress> ParseCellReference(std::string_view reference);

// "A1" text of an address (for messages).
std::string FormatCellReference(CellAddress address);

} // namespace xlsx
