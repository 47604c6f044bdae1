#include "engine/ArticleGroup.hpp"

#include "engine/host/Main.hpp"

namespace {

// The group's unit from its flag words: the first rule with one of its words present wins.
struct UnitRule {
    const char* unit;
    const char* word;
    const char* alternative; // nullptr when the unit has one word only
};
constexpr UnitRule kUnitRules[] = {
    {"st", "st", nullptr}, {"m", "m", nullptr},         {"m2", "m2", "dm2"},     {"m3", "m3", "dm3"},
    {"kg", "kg", nullptr}, {"trede", "trede", nullptr}, {"ton", "ton", nullptr}, {"kw", "kw", nullptr},
};

// Sum of one quantity over the filtered articles measured in it; -1.0 when none was.
double SumMeasured(const GS::Array<Article>& articles, double Article::*quantity) {
    double total = 0.0;
    bool added = false;
    for (const Article& article : articles) {
        if (article.CompliesToFilter() && article.*quantity > -1.0) {
            total += article.*quantity;
            added = true;
        }
    }
    return added ? total : -1.0;
}

Int64 CountMeasured(const GS::Array<Article>& articles, Int32 Article::*count) {
    Int64 total = 0;
    bool added = false;
    for (const Article& article : articles) {
        if (article.CompliesToFilter() && article.*count >= 0) {
            total += article.*count;
            added = true;
        }
    }
    return added ? total : -1;
}

} // namespace

bool ArticleGroup::HasFlag(const GS::UniString& word) const {
    return flags.Contains("|" + word + "|");
}

bool ArticleGroup::HasExportFlag() const {
    return HasFlag("export");
}
bool ArticleGroup::Has_FH_Flag() const {
    return HasFlag("fh");
}
bool ArticleGroup::Has_VH_Flag() const {
    return HasFlag("vh");
}
bool ArticleGroup::HasProMemoryFlag() const {
    return HasFlag("pm");
}
bool ArticleGroup::HasSumOverTotalFlag() const {
    return HasFlag("sog");
}
bool ArticleGroup::HasVolumeFlag() const {
    return HasFlag("m3");
}
bool ArticleGroup::HasSurfaceFlag() const {
    return HasFlag("m2");
}
bool ArticleGroup::HasLengthFlag() const {
    return HasFlag("m");
}
bool ArticleGroup::HasPieceFlag() const {
    return HasFlag("st");
}
bool ArticleGroup::HasWeightFlag() const {
    return HasFlag("kg");
}
bool ArticleGroup::HasRiserFlag() const {
    return HasFlag("trede");
}
bool ArticleGroup::HasTonFlag() const {
    return HasFlag("ton");
}
bool ArticleGroup::HasKwFlag() const {
    return HasFlag("kw");
}
bool ArticleGroup::HasDm2Flag() const {
    return HasFlag("dm2");
}
bool ArticleGroup::HasDm3Flag() const {
    return HasFlag("dm3");
}

void ArticleGroup::SetMeasurementUnit() {
    measurementUnit.Clear();
    for (const UnitRule& rule : kUnitRules) {
        if (HasFlag(rule.word) || (rule.alternative != nullptr && HasFlag(rule.alternative))) {
            measurementUnit = rule.unit;
            return;
        }
    }
}

bool ArticleGroup::DescriptionCompliesToFilter() const {
    return Main::usFilterText.IsEmpty() || name.ToLowerCase().Contains(Main::usFilterText);
}

Int32 ArticleGroup::ComplyToFilterCount() const {
    if (DescriptionCompliesToFilter())
        return static_cast<Int32>(articleList.GetSize());
    Int32 count = 0;
    for (const Article& article : articleList) {
        if (article.CompliesToFilter())
            ++count;
    }
    return count;
}

bool ArticleGroup::CompliesToFilter() const {
    return ComplyToFilterCount() > 0;
}

bool ArticleGroup::HasItems() const {
    return ComplyToFilterCount() > 0;
}

bool ArticleGroup::IsVisible() const {
    if (isForcedVisible || ComplyToFilterCount() > 0)
        return true;
    if (!HasExportFlag() || Main::bOnlySelectedElements)
        return false;
    return Main::usFilterText.IsEmpty();
}

double ArticleGroup::GetTotalLength() const {
    return SumMeasured(articleList, &Article::length);
}
double ArticleGroup::GetTotalSurface() const {
    return SumMeasured(articleList, &Article::surface);
}
double ArticleGroup::GetTotalVolume() const {
    return SumMeasured(articleList, &Article::volume);
}
double ArticleGroup::GetTotalWeight() const {
    return SumMeasured(articleList, &Article::weight);
}
double ArticleGroup::GetTotalKw() const {
    return SumMeasured(articleList, &Article::kw);
}

Int64 ArticleGroup::GetTotalPieces() const {
    if (HasSumOverTotalFlag())
        return 1;
    return CountMeasured(articleList, &Article::pieces);
}

Int64 ArticleGroup::GetTotalRisers() const {
    return CountMeasured(articleList, &Article::risers);
}
