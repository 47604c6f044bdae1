// Reads a saved workbook's one worksheet back for the export tests: each written cell with its value
// and the facets of its cell format (number format, font, fill, border, alignment), and the merged
// ranges. Reads exactly what libxlsxwriter writes (inline strings, one <cellXfs>), not any workbook.
#pragma once

#include "tests/export/xlsx/XlsxTestUtil.hpp"

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace xlsx_test {

struct CellFont {
    std::string name;
    double size = 0.0;
    bool bold = false;
    bool italic = false;
};

struct SheetCell {
    bool exists = false;
    bool hasValue = false;
    bool isText = false;
    std::string text;
    double number = 0.0;
    std::string formula;      // without "="
    std::string numberFormat; // "" for General
    CellFont font;
    std::string fillRgb;     // "" for no fill, else "FFRRGGBB"
    bool thinBorder = false; // thin on all four sides
    bool anyBorder = false;
    std::string horizontal; // "" for none
};

class SheetReader {
  public:
    explicit SheetReader(const std::string& path) {
        const std::string styles = ReadZipEntry(path, "xl/styles.xml");
        const std::string sheet = SheetXml(path);
        loaded_ = !styles.empty() && !sheet.empty();
        ReadStyles(styles);
        ReadCells(sheet);
        ReadMerges(sheet);
    }

    bool loaded() const { return loaded_; }
    // The cell; exists is false for a cell the file does not hold.
    const SheetCell& operator[](const std::string& reference) const {
        static const SheetCell none;
        const auto found = cells_.find(reference);
        return found == cells_.end() ? none : found->second;
    }
    const std::vector<std::string>& merges() const { return merges_; }
    // Cells of a row, by reference.
    std::vector<std::string> RowCells(int row) const {
        std::vector<std::string> refs;
        for (const auto& [ref, cell] : cells_)
            if (RowOf(ref) == row)
                refs.push_back(ref);
        return refs;
    }
    int LastRow() const {
        int last = 0;
        for (const auto& [ref, cell] : cells_)
            last = std::max(last, RowOf(ref));
        return last;
    }

  private:
    struct Xf {
        int numFmt = 0;
        int font = 0;
        int fill = 0;
        int border = 0;
        std::string horizontal;
    };

    static int RowOf(const std::string& ref) {
        const auto digit = ref.find_first_of("0123456789");
        return std::atoi(ref.c_str() + digit);
    }

    static std::string Attribute(const std::string& element, const std::string& name) {
        const std::string key = " " + name + "=\"";
        const auto start = element.find(key);
        if (start == std::string::npos)
            return {};
        const auto from = start + key.size();
        return element.substr(from, element.find('"', from) - from);
    }

    static std::string Unescape(std::string text) {
        const std::pair<const char*, const char*> entities[] = {
            {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
        for (const auto& [entity, plain] : entities) {
            for (auto at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
                text.replace(at, std::string(entity).size(), plain);
        }
        return text;
    }

    // The elements "<tag ...>...</tag>" or "<tag .../>" inside the section "<section ...>...</section>".
    static std::vector<std::string> Elements(const std::string& xml, const std::string& section,
                                             const std::string& tag) {
        std::vector<std::string> found;
        const auto begin = xml.find("<" + section);
        const auto end = xml.find("</" + section + ">", begin);
        if (begin == std::string::npos || end == std::string::npos)
            return found;
        const std::string body = xml.substr(begin, end - begin);
        for (auto at = body.find("<" + tag); at != std::string::npos; at = body.find("<" + tag, at + 1)) {
            const char next = body[at + tag.size() + 1];
            if (next != ' ' && next != '>' && next != '/')
                continue;
            const auto open_end = body.find('>', at);
            const auto stop =
                body[open_end - 1] == '/' ? open_end + 1 : body.find("</" + tag + ">", at) + tag.size() + 3;
            found.push_back(body.substr(at, stop - at));
        }
        return found;
    }

    void ReadStyles(const std::string& xml) {
        std::map<int, std::string> codes = {{0, ""}, {1, "0"}, {2, "0.00"}};
        for (const std::string& fmt : Elements(xml, "numFmts", "numFmt"))
            codes[std::atoi(Attribute(fmt, "numFmtId").c_str())] = Unescape(Attribute(fmt, "formatCode"));
        numFmts_ = codes;
        for (const std::string& font : Elements(xml, "fonts", "font")) {
            CellFont f;
            f.bold = font.find("<b/>") != std::string::npos;
            f.italic = font.find("<i/>") != std::string::npos;
            const auto sz = font.find("<sz ");
            f.size = std::atof(Attribute(font.substr(sz, font.find('>', sz) - sz), "val").c_str());
            const auto name = font.find("<name ");
            f.name = Attribute(font.substr(name, font.find('>', name) - name), "val");
            fonts_.push_back(f);
        }
        for (const std::string& fill : Elements(xml, "fills", "fill")) {
            const bool solid = fill.find("patternType=\"solid\"") != std::string::npos;
            const auto fg = fill.find("<fgColor ");
            fills_.push_back(solid && fg != std::string::npos ? Attribute(fill.substr(fg), "rgb") : "");
        }
        for (const std::string& border : Elements(xml, "borders", "border")) {
            int thin = 0;
            bool any = false;
            for (const char* side : {"left", "right", "top", "bottom"}) {
                const auto at = border.find(std::string("<") + side);
                const std::string style =
                    Attribute(border.substr(at, border.find('>', at) - at + 1), "style");
                thin += style == "thin";
                any = any || !style.empty();
            }
            borders_.push_back({thin == 4, any});
        }
        for (const std::string& xf : Elements(xml, "cellXfs", "xf")) {
            Xf x;
            x.numFmt = std::atoi(Attribute(xf, "numFmtId").c_str());
            x.font = std::atoi(Attribute(xf, "fontId").c_str());
            x.fill = std::atoi(Attribute(xf, "fillId").c_str());
            x.border = std::atoi(Attribute(xf, "borderId").c_str());
            const auto alignment = xf.find("<alignment");
            if (alignment != std::string::npos)
                x.horizontal = Attribute(xf.substr(alignment), "horizontal");
            xfs_.push_back(x);
        }
    }

    void ReadCells(const std::string& xml) {
        for (const std::string& c : Elements(xml, "sheetData", "c")) {
            SheetCell cell;
            cell.exists = true;
            const auto open_end = c.find('>');
            const std::string open = c.substr(0, open_end + 1);
            const std::string style = Attribute(open, "s");
            Apply(style.empty() ? 0 : std::atoi(style.c_str()), cell);
            const auto t = c.find("<t");
            const auto v = c.find("<v>");
            const auto f = c.find("<f>");
            if (Attribute(open, "t") == "inlineStr" && t != std::string::npos) {
                const auto from = c.find('>', t) + 1;
                cell.text = Unescape(c.substr(from, c.find("</t>", from) - from));
                cell.isText = cell.hasValue = true;
            } else if (v != std::string::npos) {
                cell.number = std::atof(c.substr(v + 3, c.find("</v>", v) - v - 3).c_str());
                cell.hasValue = true;
            }
            if (f != std::string::npos)
                cell.formula = Unescape(c.substr(f + 3, c.find("</f>", f) - f - 3));
            cells_[Attribute(open, "r")] = cell;
        }
    }

    void ReadMerges(const std::string& xml) {
        for (const std::string& merge : Elements(xml, "mergeCells", "mergeCell"))
            merges_.push_back(Attribute(merge, "ref"));
    }

    void Apply(int xfIndex, SheetCell& cell) const {
        if (xfIndex < 0 || xfIndex >= static_cast<int>(xfs_.size()))
            return;
        const Xf& xf = xfs_[xfIndex];
        const auto code = numFmts_.find(xf.numFmt);
        cell.numberFormat = code == numFmts_.end() ? "?" : code->second;
        if (xf.font < static_cast<int>(fonts_.size()))
            cell.font = fonts_[xf.font];
        if (xf.fill < static_cast<int>(fills_.size()))
            cell.fillRgb = fills_[xf.fill];
        if (xf.border < static_cast<int>(borders_.size())) {
            cell.thinBorder = borders_[xf.border].first;
            cell.anyBorder = borders_[xf.border].second;
        }
        cell.horizontal = xf.horizontal;
    }

    bool loaded_ = false;
    std::map<int, std::string> numFmts_;
    std::vector<CellFont> fonts_;
    std::vector<std::string> fills_;
    std::vector<std::pair<bool, bool>> borders_;
    std::vector<Xf> xfs_;
    std::map<std::string, SheetCell> cells_;
    std::vector<std::string> merges_;
};

} // namespace xlsx_test
