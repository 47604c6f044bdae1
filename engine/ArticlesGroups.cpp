// The groups' side of a take-off's result: the look-ups of groups by code, making the parent groups of
// visible groups visible, and the flag queries of a group by index.
#include "engine/Articles.hpp"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr const char* kNotFoundText = "Classificatie niet gevonden in de QELM lijst: ";

// The code of the level above, or "" when the code's length has no parent.
GS::UniString ParentCode(const GS::UniString& code) {
    switch (code.GetLength()) {
    case 6:
        if (code.EndsWith("00."))
            return code.GetPrefix(3);
        if (code.EndsWith("0."))
            return code.GetPrefix(3) + "00.";
        return code.GetPrefix(4) + "0.";
    case 9:
        if (code.EndsWith("0."))
            return code.GetPrefix(6);
        return code.GetPrefix(7) + "0.";
    case 12:
        return code.GetPrefix(9);
    default:
        return GS::UniString();
    }
}

std::u16string_view CodeUnits(const GS::UniString& text) {
    return {text.ToUStr(), text.GetLength()};
}

// Every group of allArticlesGroups by code: ordered by UTF-16 code units, so the codes that begin with
// one prefix lie side by side, and equal codes by ascending index.
struct CodeEntry {
    std::u16string code;
    GS::UIndex index;
};

struct CodeIndex {
    std::vector<CodeEntry> entries;
    UInt64 generation = 0;
    bool built = false;
};
constinit CodeIndex codeIndex;

bool EntryBefore(const CodeEntry& entry, std::pair<std::u16string_view, GS::UIndex> key) {
    const int order = std::u16string_view(entry.code).compare(key.first);
    return order < 0 || (order == 0 && entry.index < key.second);
}

// Built again on the first look-up after any group was made, copied, assigned or destroyed, so it never
// answers from an earlier list of groups.
const std::vector<CodeEntry>& CodeEntries() {
    if (codeIndex.built && codeIndex.generation == ArticleGroup::Generation())
        return codeIndex.entries;
    std::vector<CodeEntry>& entries = codeIndex.entries;
    entries.clear();
    entries.reserve(Articles::allArticlesGroups.GetSize());
    for (GS::UIndex i = 0; i < Articles::allArticlesGroups.GetSize(); ++i)
        entries.push_back({std::u16string(CodeUnits(Articles::allArticlesGroups[i].code)), i});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const CodeEntry& a, const CodeEntry& b) { return a.code < b.code; });
    codeIndex.generation = ArticleGroup::Generation();
    codeIndex.built = true;
    return entries;
}

using EntryIterator = std::vector<CodeEntry>::const_iterator;

// The entries from the first one at or after (code, index) to the end.
std::pair<EntryIterator, EntryIterator> EntriesFrom(const GS::UniString& code, GS::UIndex index) {
    const std::vector<CodeEntry>& entries = CodeEntries();
    const auto key = std::make_pair(CodeUnits(code), index);
    return {std::lower_bound(entries.begin(), entries.end(), key, EntryBefore), entries.end()};
}

// The highest index below `before` among the item groups with this code; the report group when none.
GS::UIndex NearestGroupBefore(const GS::UniString& code, GS::UIndex before) {
    const auto [after, end] = EntriesFrom(code, before);
    if (after == CodeEntries().begin())
        return QelmCode::kReportGroup;
    const CodeEntry& entry = *(after - 1);
    return entry.code == CodeUnits(code) ? entry.index : QelmCode::kReportGroup;
}

bool GroupHas(short group, bool (ArticleGroup::*test)() const) {
    if (group <= QelmCode::kReportGroup ||
        static_cast<GS::USize>(group) >= Articles::allArticlesGroups.GetSize())
        return false;
    return (Articles::allArticlesGroups[static_cast<GS::UIndex>(group)].*test)();
}

} // namespace

// ---- Look-ups by code ----

short Articles::GetClassificationIndex(GS::UniString code, GS::UniString& message) {
    const auto [found, end] = EntriesFrom(code, 0);
    if (found != end && found->code == CodeUnits(code)) {
        message.Clear();
        return static_cast<short>(found->index);
    }
    message = kNotFoundText + code;
    return QelmCode::kReportGroup;
}

void Articles::GetArticleGroupsStartingWith(GS::UniString prefix, GS::Array<short>& indices) {
    indices.Clear();
    std::vector<short> found;
    for (auto [entry, end] = EntriesFrom(prefix, 0);
         entry != end && entry->code.starts_with(CodeUnits(prefix)); ++entry)
        found.push_back(static_cast<short>(entry->index));
    std::sort(found.begin(), found.end());
    for (short index : found)
        indices.Push(index);
}

// ---- Higher-level groups ----

void Articles::AddHigherLevelArticles() {
    for (ArticleGroup& group : allArticlesGroups)
        group.isForcedVisible = group.CompliesToFilter();

    for (GS::UIndex i = allArticlesGroups.GetSize(); i-- > QelmCode::kReportGroup + 1;) {
        if (!allArticlesGroups[i].IsVisible())
            continue;
        const GS::UniString parent = ParentCode(allArticlesGroups[i].code);
        const GS::UIndex nearest = parent.IsEmpty() ? QelmCode::kReportGroup : NearestGroupBefore(parent, i);
        if (nearest != QelmCode::kReportGroup)
            allArticlesGroups[nearest].isForcedVisible = true;
    }
}

// ---- Group flag queries ----

bool Articles::HasSize(short group) {
    return GroupHas(group, &ArticleGroup::HasVolumeFlag) || GroupHas(group, &ArticleGroup::HasSurfaceFlag) ||
           GroupHas(group, &ArticleGroup::HasLengthFlag);
}

bool Articles::HasVolume(short group) {
    return GroupHas(group, &ArticleGroup::HasVolumeFlag);
}

bool Articles::HasSurface(short group) {
    return GroupHas(group, &ArticleGroup::HasSurfaceFlag);
}

bool Articles::HasLength(short group) {
    return GroupHas(group, &ArticleGroup::HasLengthFlag);
}

bool Articles::HasPieces(short group) {
    return GroupHas(group, &ArticleGroup::HasPieceFlag);
}

bool Articles::HasWeight(short group) {
    return GroupHas(group, &ArticleGroup::HasWeightFlag);
}

bool Articles::HasRiser(short group) {
    return GroupHas(group, &ArticleGroup::HasRiserFlag);
}

bool Articles::HasTon(short group) {
    return GroupHas(group, &ArticleGroup::HasTonFlag);
}

bool Articles::HasKw(short group) {
    return GroupHas(group, &ArticleGroup::HasKwFlag);
}

bool Articles::HasDm2(short group) {
    return GroupHas(group, &ArticleGroup::HasDm2Flag);
}

bool Articles::HasDm3(short group) {
    return GroupHas(group, &ArticleGroup::HasDm3Flag);
}
