// The groups' side of a take-off's result: making the parent groups of visible groups visible, and
// the flag queries of a group by index.
#include "engine/Articles.hpp"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

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

// Group indices from 1 up by code, ascending, so the nearest one before a group is found by search.
std::unordered_map<GS::UniString, std::vector<GS::UIndex>> IndicesByCode() {
    std::unordered_map<GS::UniString, std::vector<GS::UIndex>> byCode;
    for (GS::UIndex i = 1; i < Articles::allArticlesGroups.GetSize(); ++i)
        byCode[Articles::allArticlesGroups[i].code].push_back(i);
    return byCode;
}

bool GroupHas(short group, bool (ArticleGroup::*test)() const) {
    if (group < 1 || static_cast<GS::USize>(group) >= Articles::allArticlesGroups.GetSize())
        return false;
    return (Articles::allArticlesGroups[static_cast<GS::UIndex>(group)].*test)();
}

} // namespace

// ---- Higher-level groups ----

void Articles::AddHigherLevelArticles() {
    for (ArticleGroup& group : allArticlesGroups)
        group.isForcedVisible = group.CompliesToFilter();

    const auto byCode = IndicesByCode();
    for (GS::UIndex i = allArticlesGroups.GetSize(); i-- > 1;) {
        if (!allArticlesGroups[i].IsVisible())
            continue;
        const GS::UniString parent = ParentCode(allArticlesGroups[i].code);
        const auto found = parent.IsEmpty() ? byCode.end() : byCode.find(parent);
        if (found == byCode.end())
            continue;
        const std::vector<GS::UIndex>& indices = found->second;
        const auto after = std::lower_bound(indices.begin(), indices.end(), i);
        if (after != indices.begin())
            allArticlesGroups[*(after - 1)].isForcedVisible = true;
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
