// The format cache of one workbook: one libxlsxwriter format per distinct combination of style facets.
// The library shares formats by pointer and reads them only when the workbook is closed, so a format
// must never change after a cell used it: each one is made complete, once, and then only looked up.
#pragma once

#include "export/xlsx/XlsxStyle.hpp"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct lxw_workbook;
struct lxw_format;

namespace xlsx {

class FormatCache {
  public:
    // Texts (number format codes, font names) are interned: the same text always gives the same id.
    // Id 0 is the empty text, which as a number format means "General".
    std::uint32_t intern(std::string_view text);
    const std::string& text(std::uint32_t id) const { return texts_[id]; }

    // The format for `key` in `workbook`, made on first use; nullptr for the default style (no format
    // needed) and when the library cannot make one (out of memory). `workbook` must be the same for
    // every call on one cache.
    lxw_format* format_for(lxw_workbook* workbook, const StyleKey& key);

    std::size_t format_count() const { return formats_.size(); }

    // The library call that makes a new format (workbook_add_format). Tests put one that refuses in its
    // place to see the refusal reach save(); nothing else changes it.
    static lxw_format* (*add_format)(lxw_workbook* workbook);

  private:
    lxw_format* make_format(lxw_workbook* workbook, const StyleKey& key) const;

    std::vector<std::string> texts_{std::string()};
    std::unordered_map<std::string, std::uint32_t> ids_{{std::string(), 0}};
    std::unordered_map<StyleKey, lxw_format*, StyleKeyHash> formats_;
};

} // namespace xlsx
