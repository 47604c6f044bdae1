#include "engine/ArticleGroup.hpp"

#include "engine/host/Main.hpp"

namespace {

UInt64 generation = 0;

// The group's unit from its flag words: the first rule with one of its words present wins.
struct UnitRule {
    const char* unit;
    GroupFlags::Word word;
    GroupFlags::Word alternative;
};
constexpr UnitRule kUnitRules[] = {
    {"st", GroupFlags::Piece, GroupFlags::None},  {"m", GroupFlags::Length, GroupFlags::None},
    {"m2", GroupFlags::Surface, GroupFlags::Dm2}, {"m3", GroupFlags::Volume, GroupFlags::Dm3},
    {"kg", GroupFlags::Weight, GroupFlags::None}, {"trede", GroupFlags::Riser, GroupFlags::None},
    {"ton", GroupFlags::Ton, GroupFlags::None},   {"kw", GroupFlags::Kw, GroupFlags::None},
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

UInt64 ArticleGroup::Generation() {
    return generation;
}

ArticleGroup::ChangeMark::ChangeMark() noexcept {
    ++generation;
}
ArticleGroup::ChangeMark::ChangeMark(const ChangeMark&) noexcept {
    ++generation;
}
ArticleGroup::ChangeMark& ArticleGroup::ChangeMark::operator=(const ChangeMark&) noexcept {
    ++generation;
    return *this;
}
ArticleGroup::ChangeMark::~ChangeMark() {
    ++generation;
}

bool ArticleGroup::HasFlag(const GS::UniString& word) const {
    return flags.Has(word);
}

bool ArticleGroup::HasExportFlag() const {
    return flags.Has(GroupFlags::Export);
}
bool ArticleGroup::Has_FH_Flag() const {
    return flags.Has(GroupFlags::FH);
}
bool ArticleGroup::Has_VH_Flag() const {
    return flags.Has(GroupFlags::VH);
}
bool ArticleGroup::HasProMemoryFlag() const {
    return flags.Has(GroupFlags::ProMemory);
}
bool ArticleGroup::HasSumOverTotalFlag() const {
    return flags.Has(GroupFlags::SumOverTotal);
}
bool ArticleGroup::HasVolumeFlag() const {
    return flags.Has(GroupFlags::Volume);
}
bool ArticleGroup::HasSurfaceFlag() const {
    return flags.Has(GroupFlags::Surface);
}
bool ArticleGroup::HasLengthFlag() const {
    return flags.Has(GroupFlags::Length);
}
bool ArticleGroup::HasPieceFlag() const {
    return flags.Has(GroupFlags::Piece);
}
bool ArticleGroup::HasWeightFlag() const {
    return flags.Has(GroupFlags::Weight);
}
bool ArticleGroup::HasRiserFlag() const {
    return flags.Has(GroupFlags::Riser);
}
bool ArticleGroup::HasTonFlag() const {
    return flags.Has(GroupFlags::Ton);
}
bool ArticleGroup::HasKwFlag() const {
    return flags.Has(GroupFlags::Kw);
}
bool ArticleGroup::HasDm2Flag() const {
    return flags.Has(GroupFlags::Dm2);
}
bool ArticleGroup::HasDm3Flag() const {
    return flags.Has(GroupFlags::Dm3);
}

void ArticleGroup::SetMeasurementUnit() {
    measurementUnit.Clear();
    for (const UnitRule& rule : kUnitRules) {
        if (flags.Has(rule.word) || flags.Has(rule.alternative)) {
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
