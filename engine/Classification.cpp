#include "engine/Classification.hpp"

#include "engine/host/TypeConv.hpp"

#include "DG.hpp"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>

constinit GS::Array<Classification> Classifications::Items;
constinit GS::Array<API_ClassificationSystem> Classifications::Systems;

namespace {

constexpr const char* kSystemName = "QELM";
constexpr const char* kMissingSystemText =
    "Importeer de QELM classificatie vanuit de Archicad 28 BE RXE template met de Classificatie Manager.";

// The "C" numeric locale, made once: prices read the same whatever the process locale is.
locale_t NumericCLocale() {
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return cLocale;
}

// Reads a number from the start of the text, with "," as well as "." for the decimal point; the rest
// is ignored. 0.0 when there is no number or it does not fit a double.
double ReadUnitPrice(GS::UniString text) {
    text.ReplaceAll(",", ".");
    const std::string narrow = TypeConv::String2Ansi(text);
    const char* start = narrow.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = strtod_l(start, &end, NumericCLocale());
    if (end == start || errno == ERANGE || !std::isfinite(value))
        return 0.0;
    return value;
}

void SetDescription(Classification& record, GS::UniString description) {
    for (const char* lineBreak : {"\r\n", "\n\r", "\n", "\r"})
        description.ReplaceAll(lineBreak, "|");
    GS::Array<GS::UniString> parts;
    TypeConv::Split(description, "|", parts);
    for (GS::UIndex i = 0; i < parts.GetSize() && i < 4; ++i) {
        GS::UniString part = parts[i];
        part.Trim();
        if (part.IsEmpty())
            continue;
        switch (i) {
        case 0:
            record.line1 = part;
            break;
        case 1:
            record.line2 = part;
            break;
        case 2:
            record.unitPrice = ReadUnitPrice(part);
            break;
        default:
            record.note = part;
            break;
        }
    }
}

GS::UniString FlagWords(const GS::UniString& line1, const GS::UniString& line2) {
    if (line1.IsEmpty() && line2.IsEmpty())
        return GS::UniString();
    GS::UniString words = "|";
    for (const GS::UniString* line : {&line1, &line2}) {
        if (!line->IsEmpty())
            words += *line + "|";
    }
    return words.ToLowerCase();
}

Classification ToClassification(const API_ClassificationItem& item) {
    Classification record;
    record.guid = item.guid;
    record.code = item.id;
    record.name = item.name;
    SetDescription(record, item.description);
    record.flags = FlagWords(record.line1, record.line2);
    return record;
}

void ReadSystem(const API_ClassificationSystem& system) {
    GS::Array<API_ClassificationItem> roots;
    if (ACAPI_Classification_GetClassificationSystemRootItems(system.guid, roots) != NoError)
        return;
    GS::Array<API_ClassificationItem> items;
    for (const API_ClassificationItem& root : roots) {
        items.Push(root);
        Classifications::GatherAllDescendantsOfClassification(root, items);
    }
    for (const API_ClassificationItem& item : items)
        Classifications::Items.Push(ToClassification(item));
}

} // namespace

bool Classifications::ReadFromSystem() {
    Items.Clear();
    Systems.Clear();
    GS::Array<API_ClassificationSystem> systems;
    bool found = false;
    if (ACAPI_Classification_GetClassificationSystems(systems) == NoError) {
        for (const API_ClassificationSystem& system : systems) {
            if (system.name != kSystemName)
                continue;
            found = true;
            Systems.Push(system);
            ReadSystem(system);
        }
    }
    if (!found)
        DGAlert(DG_ERROR, "Telvorm", kMissingSystemText, "", "Ok");
    return found;
}

void Classifications::GatherAllDescendantsOfClassification(const API_ClassificationItem& item,
                                                           GS::Array<API_ClassificationItem>& out) {
    // Items still to visit, the next one last; children go on in reverse so the first is visited first.
    GS::Array<API_ClassificationItem> pending;
    const auto pushChildren = [&pending](const API_ClassificationItem& parent) {
        GS::Array<API_ClassificationItem> children;
        if (ACAPI_Classification_GetClassificationItemChildren(parent.guid, children) != NoError)
            return;
        for (GS::UIndex i = children.GetSize(); i > 0; --i)
            pending.Push(std::move(children[i - 1]));
    };
    pushChildren(item);
    while (!pending.IsEmpty()) {
        API_ClassificationItem next = std::move(pending.GetLast());
        pending.DeleteLast();
        pushChildren(next);
        out.Push(std::move(next));
    }
}
