// One line of the bill of quantities, made from one QELM classification item: its articles, texts,
// flag words (what to measure and how the export marks it), unit and unit price, and its totals under
// the palette's filter.
#pragma once

#include "engine/Article.hpp"
#include "engine/GroupFlags.hpp"

#include "GS.hpp"

class ArticleGroup {
  public:
    short number = 0;
    GS::Array<Article> articleList;
    GS::UniString code;
    GS::UniString note;
    GS::UniString name;
    GroupFlags flags;
    GS::UniString line1;
    GS::UniString line2;
    GS::UniString measurementUnit;
    double unitPrice = 0.0;
    bool isExpanded = false;
    bool isForcedVisible = false;

    bool HasFlag(const GS::UniString& word) const;
    bool HasExportFlag() const;
    bool Has_FH_Flag() const;
    bool Has_VH_Flag() const;
    bool HasProMemoryFlag() const;
    bool HasSumOverTotalFlag() const;
    bool HasVolumeFlag() const;
    bool HasSurfaceFlag() const;
    bool HasLengthFlag() const;
    bool HasPieceFlag() const;
    bool HasWeightFlag() const;
    bool HasRiserFlag() const;
    bool HasTonFlag() const;
    bool HasKwFlag() const;
    bool HasDm2Flag() const;
    bool HasDm3Flag() const;

    void SetMeasurementUnit();

    bool DescriptionCompliesToFilter() const;
    // Articles passing the filter. 32 bits wide: a group may hold more than 32,767 articles.
    Int32 ComplyToFilterCount() const;
    bool CompliesToFilter() const;
    bool HasItems() const;
    bool IsVisible() const;

    // Totals over the articles passing the filter; -1 when nothing was added.
    double GetTotalLength() const;
    double GetTotalSurface() const;
    double GetTotalVolume() const;
    double GetTotalWeight() const;
    double GetTotalKw() const;
    Int64 GetTotalPieces() const;
    Int64 GetTotalRisers() const;

    // Moves on whenever any group is made, copied, assigned or destroyed: an index over a list of
    // groups that was built at one generation still describes that list while the generation stays.
    static UInt64 Generation();

  private:
    struct ChangeMark {
        ChangeMark() noexcept;
        ChangeMark(const ChangeMark&) noexcept;
        ChangeMark& operator=(const ChangeMark&) noexcept;
        ~ChangeMark();
    };
    [[no_unique_address]] ChangeMark changeMark;
};
