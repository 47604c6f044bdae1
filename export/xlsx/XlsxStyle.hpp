// Style facets of a worksheet cell (alignment, border, font, fill, number format) as the worksheet
// adapter takes them, and the facet tuple that identifies one shared cell format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace xlsx {

enum class HAlign : std::uint8_t { general, left, center, right };

enum class BorderStyle : std::uint8_t { none, thin, medium, thick, dashed, dotted, double_line, hair };

// One style per side; no border colour (the spreadsheet's automatic colour).
struct Border {
    BorderStyle left = BorderStyle::none;
    BorderStyle right = BorderStyle::none;
    BorderStyle top = BorderStyle::none;
    BorderStyle bottom = BorderStyle::none;

    static constexpr Border all(BorderStyle style) { return Border{style, style, style, style}; }
    bool operator==(const Border&) const = default;
};

// Replaces the whole font of a cell: name (UTF-8), size in points (finite, above 0), bold, italic.
struct Font {
    std::string name;
    double size = 11.0;
    bool bold = false;
    bool italic = false;
};

// Light grey of the spreadsheet's standard indexed palette (indexed colour 22).
inline constexpr std::uint32_t kIndexedGrey22 = 0xC0C0C0;

// A solid pattern fill of one RGB colour (0xRRGGBB).
struct Fill {
    std::uint32_t rgb = 0;

    static constexpr Fill solid(std::uint32_t rgb) { return Fill{rgb & 0xFFFFFFu}; }
};

// The facets of one cell with texts replaced by interned ids: equal keys share one library format.
// Id 0 of number_format means "General"; font_name and font_size count only when has_font is set.
struct StyleKey {
    std::uint32_t number_format = 0;
    std::uint32_t font_name = 0;
    double font_size = 0.0;
    std::uint32_t fill_rgb = 0;
    Border border;
    HAlign halign = HAlign::general;
    bool has_font = false;
    bool bold = false;
    bool italic = false;
    bool has_fill = false;

    bool operator==(const StyleKey&) const = default;
    bool is_default() const { return *this == StyleKey{}; }
};

struct StyleKeyHash {
    std::size_t operator()(const StyleKey& key) const noexcept;
};

} // namespace xlsx
