#include "export/xlsx/XlsxFormats.hpp"

#include <xlsxwriter.h>

#include <bit>

namespace xlsx {

namespace {

std::size_t Mix(std::size_t seed, std::uint64_t value) {
    // 64-bit golden-ratio mixing; the keys are small, so this is cheap and spreads well.
    value *= 0x9E3779B97F4A7C15ull;
    return (seed ^ (value >> 29)) * 0xBF58476D1CE4E5B9ull + value;
}

std::uint8_t LibraryBorder(BorderStyle style) {
    switch (style) {
    case BorderStyle::none:
        return LXW_BORDER_NONE;
    case BorderStyle::thin:
        return LXW_BORDER_THIN;
    case BorderStyle::medium:
        return LXW_BORDER_MEDIUM;
    case BorderStyle::thick:
        return LXW_BORDER_THICK;
    case BorderStyle::dashed:
        return LXW_BORDER_DASHED;
    case BorderStyle::dotted:
        return LXW_BORDER_DOTTED;
    case BorderStyle::double_line:
        return LXW_BORDER_DOUBLE;
    case BorderStyle::hair:
        return LXW_BORDER_HAIR;
    }
    return LXW_BORDER_NONE;
}

std::uint8_t LibraryAlign(HAlign align) {
    switch (align) {
    case HAlign::general:
        return LXW_ALIGN_NONE;
    case HAlign::left:
        return LXW_ALIGN_LEFT;
    case HAlign::center:
        return LXW_ALIGN_CENTER;
    case HAlign::right:
        return LXW_ALIGN_RIGHT;
    }
    return LXW_ALIGN_NONE;
}

} // namespace

std::size_t StyleKeyHash::operator()(const StyleKey& key) const noexcept {
    const std::uint64_t sides = static_cast<std::uint64_t>(key.border.left) |
                                static_cast<std::uint64_t>(key.border.right) << 8 |
                                static_cast<std::uint64_t>(key.border.top) << 16 |
                                static_cast<std::uint64_t>(key.border.bottom) << 24;
    const std::uint64_t flags =
        static_cast<std::uint64_t>(key.halign) | static_cast<std::uint64_t>(key.has_font) << 8 |
        static_cast<std::uint64_t>(key.bold) << 9 | static_cast<std::uint64_t>(key.italic) << 10 |
        static_cast<std::uint64_t>(key.has_fill) << 11;
    std::size_t seed = Mix(0, key.number_format);
    seed = Mix(seed, key.font_name);
    seed = Mix(seed, std::bit_cast<std::uint64_t>(key.font_size));
    seed = Mix(seed, key.fill_rgb);
    seed = Mix(seed, sides << 32 | flags);
    return seed;
}

lxw_format* (*FormatCache::add_format)(lxw_workbook*) = workbook_add_format;

std::uint32_t FormatCache::intern(std::string_view text) {
    auto [it, inserted] = ids_.try_emplace(std::string(text), static_cast<std::uint32_t>(texts_.size()));
    if (inserted)
        texts_.push_back(it->first);
    return it->second;
}

lxw_format* FormatCache::format_for(lxw_workbook* workbook, const StyleKey& key) {
    if (key.is_default() || workbook == nullptr)
        return nullptr;
    auto found = formats_.find(key);
    if (found != formats_.end())
        return found->second;
    lxw_format* format = make_format(workbook, key);
    if (format != nullptr)
        formats_.emplace(key, format);
    return format;
}

lxw_format* FormatCache::make_format(lxw_workbook* workbook, const StyleKey& key) const {
    lxw_format* format = add_format(workbook);
    if (format == nullptr)
        return nullptr;
    if (key.number_format != 0)
        format_set_num_format(format, texts_[key.number_format].c_str());
    if (key.halign != HAlign::general)
        format_set_align(format, LibraryAlign(key.halign));
    format_set_left(format, LibraryBorder(key.border.left));
    format_set_right(format, LibraryBorder(key.border.right));
    format_set_top(format, LibraryBorder(key.border.top));
    format_set_bottom(format, LibraryBorder(key.border.bottom));
    if (key.has_font) {
        format_set_font_name(format, texts_[key.font_name].c_str());
        format_set_font_size(format, key.font_size);
        if (key.bold)
            format_set_bold(format);
        if (key.italic)
            format_set_italic(format);
    }
    if (key.has_fill) {
        format_set_pattern(format, LXW_PATTERN_SOLID);
        // The library reads colour 0 as "unset"; black has its own value.
        format_set_bg_color(format,
                            key.fill_rgb == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : key.fill_rgb);
    }
    return format;
}

} // namespace xlsx
