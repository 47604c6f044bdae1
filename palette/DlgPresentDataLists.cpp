#include "palette/DlgPresentData.hpp"

#include "engine/Articles.hpp"
#include "engine/host/Main.hpp"
#include "palette/PaletteItems.hpp"

#include <algorithm>

namespace {

constexpr short kJustifyLeft = 0;
constexpr short kJustifyCenter = 256;
constexpr short kJustifyRight = 512;
constexpr short kTruncate = 4096;

constexpr short kStyleGroupWithoutFlags = 16;
constexpr short kStyleArticle = 32;
constexpr short kStyleNotShown = 2;
constexpr short kIconCollapsed = 32300;
constexpr short kIconExpanded = 32301;
constexpr unsigned short kWhite = 65535;
constexpr unsigned short kGrey = 62720;
constexpr GS::USize kMaxNumberText = 19;
// Rows are numbered with 16 bits.
constexpr Int32 kMaxRows = 32767;
// The add-on's strings; item 3 says how many rows are not shown, "%d" standing for the count.
constexpr short kStringsResId = 32000;
constexpr short kNotShownIndex = 3;

struct ColumnSpec {
    short* column;
    const char* caption;
    short width;
    short justification;
};

const ColumnSpec kArticleColumns[] = {
    {&COLUMN_ARTICLES_ICON, "", 20, kJustifyCenter},
    {&COLUMN_ARTICLES_ARTICLE_NR, "Artikelnr", 65, kJustifyLeft},
    {&COLUMN_ARTICLES_DESCRIPTION, "Omschrijving", 500, kJustifyLeft},
    {&COLUMN_ARTICLES_UNIT, "Eenheid", 60, kJustifyLeft},
    {&COLUMN_ARTICLES_NR, "n", 30, kJustifyCenter},
    {&COLUMN_ARTICLES_STORY, "Verdieping", 80, kJustifyLeft},
    {&COLUMN_ARTICLES_PIECES, "Stk", 40, kJustifyRight},
    {&COLUMN_ARTICLES_LENGTH, "Lengte", 70, kJustifyRight},
    {&COLUMN_ARTICLES_SURFACE, "Oppervlak", 70, kJustifyRight},
    {&COLUMN_ARTICLES_VOLUME, "Volume", 70, kJustifyRight},
    {&COLUMN_ARTICLES_WEIGHT, "Gewicht", 70, kJustifyRight},
    {&COLUMN_ARTICLES_OTHER, "Overig", 70, kJustifyRight},
    {&COLUMN_ARTICLES_QELM_TYPE, "Type", 70, kJustifyLeft},
    {&COLUMN_ARTICLES_ELEMENT, "Element", 70, kJustifyLeft},
    {&COLUMN_ARTICLES_INFO, "Info", 70, kJustifyLeft},
    {&COLUMN_ARTICLES_THICKNESS, "Dikte (cm)", 60, kJustifyCenter},
    {&COLUMN_ARTICLES_LAYER, "Layer", 130, kJustifyLeft},
};

const ColumnSpec kReportColumns[] = {
    {&COLUMN_REPORT_ICON, "", 20, kJustifyCenter},
    {&COLUMN_REPORT_ARTICLE_NR, "Artikelnr", 65, kJustifyLeft},
    {&COLUMN_REPORT_ELEMENT, "Element", 70, kJustifyLeft},
    {&COLUMN_REPORT_INFO, "Info", 70, kJustifyLeft},
    {&COLUMN_REPORT_DESCRIPTION, "Omschrijving", 100, kJustifyLeft},
    {&COLUMN_REPORT_ERROR, "Fout", 250, kJustifyLeft},
    {&COLUMN_REPORT_STORY, "Verdieping", 80, kJustifyLeft},
    {&COLUMN_REPORT_MATERIAL_ID, "Material ID", 70, kJustifyLeft},
    {&COLUMN_REPORT_MATERIAL_DESCR, "Mat. omschr.", 120, kJustifyLeft},
    {&COLUMN_REPORT_LAYER, "Layer", 130, kJustifyLeft},
    {&COLUMN_REPORT_THICKNESS, "Dikte (cm)", 60, kJustifyCenter},
    {&COLUMN_REPORT_SKIN, "Schil", 60, kJustifyLeft},
    {&COLUMN_REPORT_QELM_TYPE, "Type", 70, kJustifyLeft},
    {&COLUMN_REPORT_NR_COMPOSITES, "Composites", 70, kJustifyCenter},
};

// "|line1|line2|" of the lines that are shown; "" when none is.
GS::UniString UnitText(const ArticleGroup& group, bool showLine1, bool showLine2) {
    GS::UniString text = "|";
    if (showLine1)
        text += group.line1 + "|";
    if (showLine2)
        text += group.line2 + "|";
    return text.GetLength() > 1 ? text : GS::UniString();
}

// Pieces when counted, else risers when counted, else "".
GS::UniString CountText(Int64 pieces, Int64 risers) {
    if (pieces >= 0)
        return GS::UniString::Printf("%lld", static_cast<long long>(pieces));
    if (risers >= 0)
        return GS::UniString::Printf("%lld", static_cast<long long>(risers));
    return GS::UniString();
}

bool ValidGroup(Int32 index) {
    return index >= 0 && static_cast<GS::UIndex>(index) < Articles::allArticlesGroups.GetSize();
}

// The rows the group's expansion shows: its articles that pass the filter.
Int32 FilteredCount(const ArticleGroup& group) {
    Int32 count = 0;
    for (const Article& article : group.articleList)
        if (article.CompliesToFilter())
            ++count;
    return count;
}

// How many of the group's filtered rows to insert into room rows: all, or, when they do not fit, one
// less than room and a row that counts the rest.
struct RowFit {
    Int32 limit;
    Int32 notShown;
};
RowFit FitRows(const ArticleGroup& group, Int32 room) {
    if (static_cast<Int32>(group.articleList.GetSize()) <= room)
        return {room, 0};
    const Int32 filtered = FilteredCount(group);
    if (filtered <= room)
        return {room, 0};
    const Int32 limit = std::max<Int32>(room - 1, 0);
    return {limit, filtered - limit};
}

// Whether a row below a group's row is one of the group's: an article row or the count of those not shown.
bool BelongsTo(const RowRecord* record, Int32 groupIndex) {
    return record != nullptr && record->articleIndex != RowRecord::kGroupRow &&
           record->groupIndex == groupIndex;
}

// The article a record names; nullptr for a group row or a record that no longer fits the result.
const Article* ArticleOf(const RowRecord& record) {
    if (!ValidGroup(record.groupIndex) || record.articleIndex < 0)
        return nullptr;
    const auto& list = Articles::allArticlesGroups[static_cast<GS::UIndex>(record.groupIndex)].articleList;
    return static_cast<GS::UIndex>(record.articleIndex) < list.GetSize()
               ? &list[static_cast<GS::UIndex>(record.articleIndex)]
               : nullptr;
}

} // namespace

// ---- Columns ----

void DlgPresentData::SetTabData(short width, short justification, const GS::UniString& caption,
                                short& column) {
    if (shColumnIndex >= kColumnCapacity)
        return;
    TabField& field = tabFields[shColumnIndex];
    field.begin = shColumnIndex == 0 ? short{0} : tabFields[shColumnIndex - 1].end;
    field.end = static_cast<short>(field.begin + width);
    field.justification = justification;
    field.truncation = kTruncate;
    field.separator = false;
    field.disabled = false;
    columnCaptions.Push(caption);
    column = ++shColumnIndex;
}

void DlgPresentData::ApplyTabFields(short list) {
    DGListSetTabFieldCount(shDialogId, list, shColumnIndex);
    for (short tab = 1; tab <= shColumnIndex && tab <= kColumnCapacity; ++tab) {
        const TabField& field = tabFields[tab - 1];
        DGListSetTabFieldData(shDialogId, list, tab, field.begin, field.end, field.justification,
                              field.truncation, field.separator, !field.disabled);
        DGListSetHeaderItemFlags(shDialogId, list, tab,
                                 static_cast<short>(field.justification + field.truncation), true);
        DGListSetHeaderItemText(shDialogId, list, tab, columnCaptions[static_cast<GS::UIndex>(tab - 1)]);
    }
}

void DlgPresentData::SetTabData_Articles() {
    shColumnIndex = 0;
    columnCaptions.Clear();
    for (const ColumnSpec& entry : kArticleColumns)
        SetTabData(entry.width, entry.justification, entry.caption, *entry.column);
    ApplyTabFields(ListArticles);
}

void DlgPresentData::SetTabData_Report() {
    shColumnIndex = 0;
    columnCaptions.Clear();
    for (const ColumnSpec& entry : kReportColumns)
        SetTabData(entry.width, entry.justification, entry.caption, *entry.column);
    ApplyTabFields(ListReport);
}

// ---- Rows and their records ----

short DlgPresentData::InsertRow(short list, short pos, RowRecord record, short style) {
    if (!DGListInsertItem(shDialogId, list, pos))
        return 0;
    const short row = pos == -1 ? DGListGetItemCount(shDialogId, list) : pos;
    DGListSetItemUserData(shDialogId, list, row, reinterpret_cast<DGUserData>(new RowRecord(record)));
    DGListSetItemStyle(shDialogId, list, row, style);
    return row;
}

const RowRecord* DlgPresentData::RecordOf(short list, short row) const {
    return reinterpret_cast<const RowRecord*>(DGListGetItemUserData(shDialogId, list, row));
}

void DlgPresentData::ClearList(short list) {
    // 32-bit counters: a full list has 32767 rows, where a 16-bit counter would wrap.
    const Int32 count = DGListGetItemCount(shDialogId, list);
    for (Int32 row = 1; row <= count; ++row) {
        delete RecordOf(list, static_cast<short>(row));
        DGListSetItemUserData(shDialogId, list, static_cast<short>(row), 0);
    }
    DGListDeleteItem(shDialogId, list, 0);
}

void DlgPresentData::DeleteListSubItems(short list, short row) {
    const RowRecord* group = RecordOf(list, row);
    if (group == nullptr)
        return;
    const short scroll = DGListGetScrollPosition(shDialogId, list);
    const Int32 count = DGListGetItemCount(shDialogId, list);
    Int32 last = row;
    while (last < count && BelongsTo(RecordOf(list, static_cast<short>(last + 1)), group->groupIndex))
        ++last;
    // From the bottom up: a list moves the rows below every row it deletes.
    for (Int32 at = last; at > row; --at) {
        delete RecordOf(list, static_cast<short>(at));
        DGListDeleteItem(shDialogId, list, static_cast<short>(at));
    }
    DGListSetScrollPosition(shDialogId, list, scroll);
}

void DlgPresentData::SetListBackgroundColors(short list) {
    const Int32 count = DGListGetItemCount(shDialogId, list);
    for (Int32 row = 1; row <= count; ++row) {
        const unsigned short shade = row % 2 == 1 ? kWhite : kGrey;
        DGListSetItemBackgroundColor(shDialogId, list, static_cast<short>(row), shade, shade, shade);
    }
}

// ---- Cell texts ----

void DlgPresentData::SetArticleText(short row, short column, const GS::UniString& text) {
    if (column >= 1)
        DGListSetTabItemText(shDialogId, ListArticles, row, column, text);
}

void DlgPresentData::SetReportText(short row, short column, const GS::UniString& text) {
    if (column >= 1)
        DGListSetTabItemText(shDialogId, ListReport, row, column, text);
}

void DlgPresentData::SetArticleDoubleValueText(short row, short column, double value, short decimals) {
    if (value <= -1.0)
        return;
    static const char* const kFormats[] = {"%3.0f", "%3.1f", "%3.2f", "%3.3f", "%3.4f"};
    const char* format = decimals >= 1 && decimals <= 4 ? kFormats[decimals] : kFormats[0];
    SetArticleText(row, column, GS::UniString::Printf(format, value).GetPrefix(kMaxNumberText));
}

// ---- Filling the lists ----

void DlgPresentData::LoadList(bool expandAll) {
    ClearList(ListArticles);
    ClearList(ListReport);
    DGListDisableDraw(shDialogId, ListArticles);
    DGListDisableDraw(shDialogId, ListReport);

    Articles::AddHigherLevelArticles();
    GS::Array<Int32> groups;
    const Int32 groupCount = static_cast<Int32>(Articles::allArticlesGroups.GetSize());
    for (Int32 i = 0; i < groupCount; ++i) {
        if (!Articles::allArticlesGroups[static_cast<GS::UIndex>(i)].IsVisible())
            continue;
        if (i == QelmCode::kReportGroup)
            AddReportSubItems();
        else
            groups.Push(i);
    }
    // Every group row is placed before any article row; when the group rows alone do not fit, the last
    // row counts the rest.
    const Int32 visible = static_cast<Int32>(groups.GetSize());
    const Int32 shown = visible <= kMaxRows ? visible : kMaxRows - 1;
    for (Int32 k = 0; k < shown; ++k)
        AddGroupRow(groups[static_cast<GS::UIndex>(k)], expandAll, shown - k - 1 + (shown < visible ? 1 : 0));
    if (shown < visible)
        AddNotShownRow(ListArticles, -1, -1, visible - shown);

    SetListBackgroundColors(ListArticles);
    SetListBackgroundColors(ListReport);
    SetReportCaption();
    DGListEnableDraw(shDialogId, ListArticles);
    DGListEnableDraw(shDialogId, ListReport);
}

void DlgPresentData::AddGroupRow(Int32 groupIndex, bool expandAll, Int32 reserve) {
    ArticleGroup& group = Articles::allArticlesGroups[static_cast<GS::UIndex>(groupIndex)];
    group.isExpanded = expandAll;
    const short style = group.flags.IsEmpty() ? kStyleGroupWithoutFlags : 0;
    const short row = InsertRow(ListArticles, -1, RowRecord{groupIndex, RowRecord::kGroupRow}, style);
    if (row == 0)
        return;
    const bool hasItems = group.HasItems();
    SetArticleText(row, COLUMN_ARTICLES_ARTICLE_NR, group.code);
    if (hasItems)
        SetArticleText(row, COLUMN_ARTICLES_NR, GS::UniString::Printf("%d", group.ComplyToFilterCount()));
    SetArticleText(row, COLUMN_ARTICLES_DESCRIPTION, group.name);
    const GS::UniString unit = UnitText(group, !group.line1.IsEmpty(), !group.line2.IsEmpty());
    if (!unit.IsEmpty())
        SetArticleText(row, COLUMN_ARTICLES_UNIT, unit);
    SetArticleText(row, COLUMN_ARTICLES_PIECES, CountText(group.GetTotalPieces(), group.GetTotalRisers()));
    SetArticleDoubleValueText(row, COLUMN_ARTICLES_LENGTH, group.GetTotalLength(), 2);
    SetArticleDoubleValueText(row, COLUMN_ARTICLES_SURFACE, group.GetTotalSurface(), 2);
    SetArticleDoubleValueText(row, COLUMN_ARTICLES_VOLUME, group.GetTotalVolume(), 3);
    SetArticleDoubleValueText(row, COLUMN_ARTICLES_WEIGHT, group.GetTotalWeight(), 3);
    if (!hasItems)
        return;
    // A group without room for a row stays collapsed rather than open and empty.
    if (expandAll && !AddArticleSubItems(row, groupIndex, reserve))
        group.isExpanded = false;
    const DG::Icon icon(ACAPI_GetOwnResModule(), group.isExpanded ? kIconExpanded : kIconCollapsed);
    DGListSetTabItemIcon(shDialogId, ListArticles, row, COLUMN_ARTICLES_ICON, icon);
}

bool DlgPresentData::AddArticleSubItems(short row, Int32 groupIndex, Int32 reserve) {
    const Int32 room = kMaxRows - DGListGetItemCount(shDialogId, ListArticles) - reserve;
    return AddFilteredRows(ListArticles, row, groupIndex, room);
}

void DlgPresentData::AddReportSubItems() {
    const short rows = DGListGetItemCount(shDialogId, ListReport);
    AddFilteredRows(ListReport, rows, QelmCode::kReportGroup, kMaxRows - rows);
}

bool DlgPresentData::AddFilteredRows(short list, short row, Int32 groupIndex, Int32 room) {
    const RowFit fit = FitRows(Articles::allArticlesGroups[static_cast<GS::UIndex>(groupIndex)], room);
    if (fit.notShown > 0 && room < 1)
        return false;
    const Int32 inserted = InsertArticleRows(list, row, groupIndex, fit.limit);
    if (fit.notShown > 0)
        AddNotShownRow(list, static_cast<short>(row + 1 + inserted), groupIndex, fit.notShown);
    return true;
}

Int32 DlgPresentData::InsertArticleRows(short list, short row, Int32 groupIndex, Int32 limit) {
    const ArticleGroup& group = Articles::allArticlesGroups[static_cast<GS::UIndex>(groupIndex)];
    const Int32 count = static_cast<Int32>(group.articleList.GetSize());
    Int32 inserted = 0;
    for (Int32 index = 0; index < count && inserted < limit; ++index) {
        const Article& article = group.articleList[static_cast<GS::UIndex>(index)];
        if (!article.CompliesToFilter())
            continue;
        const short at = InsertRow(list, static_cast<short>(row + 1 + inserted), RowRecord{groupIndex, index},
                                   kStyleArticle);
        if (at == 0)
            break;
        ++inserted;
        if (list == ListArticles)
            SetArticleRowTexts(at, group, article);
        else
            SetReportRowTexts(at, article);
    }
    return inserted;
}

void DlgPresentData::SetArticleRowTexts(short row, const ArticleGroup& group, const Article& article) {
    SetArticleText(row, COLUMN_ARTICLES_ARTICLE_NR, article.code);
    SetArticleText(row, COLUMN_ARTICLES_ELEMENT, article.typeName);
    SetArticleText(row, COLUMN_ARTICLES_DESCRIPTION, article.elementID);
    const GS::UniString unit = UnitText(group, !article.groupLine1.IsEmpty(), !article.groupLine2.IsEmpty());
    if (!unit.IsEmpty())
        SetArticleText(row, COLUMN_ARTICLES_UNIT, unit);
    SetArticleText(row, COLUMN_ARTICLES_STORY, article.storyName);
    SetArticleText(row, COLUMN_ARTICLES_LAYER, article.layerName);
    SetArticleText(row, COLUMN_ARTICLES_QELM_TYPE, article.GetQELMtype());
    SetArticleText(row, COLUMN_ARTICLES_INFO, article.GetInfo());
    if (article.thickness > -1.0)
        SetArticleText(row, COLUMN_ARTICLES_THICKNESS, article.thicknessCm);
    SetArticleText(row, COLUMN_ARTICLES_PIECES, CountText(article.pieces, article.risers));
    SetArticleDoubleValueText(row, COLUMN_ARTICLES_LENGTH, article.length, 2);
    SetArticleDoubleValueText(row, COLUMN_ARTICLES_SURFACE, article.surface, 2);
    SetArticleDoubleValueText(row, COLUMN_ARTICLES_VOLUME, article.volume, 3);
    SetArticleDoubleValueText(row, COLUMN_ARTICLES_WEIGHT, article.weight, 3);
    SetArticleDoubleValueText(row, COLUMN_ARTICLES_OTHER, article.kw, 3);
}

void DlgPresentData::SetReportRowTexts(short row, const Article& article) {
    SetReportText(row, COLUMN_REPORT_ARTICLE_NR, article.code);
    SetReportText(row, COLUMN_REPORT_ELEMENT, article.typeName);
    SetReportText(row, COLUMN_REPORT_STORY, article.storyName);
    SetReportText(row, COLUMN_REPORT_DESCRIPTION, article.elementID);
    SetReportText(row, COLUMN_REPORT_MATERIAL_DESCR, article.GetMaterialDescription());
    SetReportText(row, COLUMN_REPORT_LAYER, article.layerName);
    SetReportText(row, COLUMN_REPORT_ERROR, article.message);
    SetReportText(row, COLUMN_REPORT_INFO, article.GetInfo());
    if (article.thickness > -1.0)
        SetReportText(row, COLUMN_REPORT_THICKNESS,
                      GS::UniString::Printf("%5.0f", article.thickness * 100.0));
    if (article.skinIndex >= 0)
        SetReportText(row, COLUMN_REPORT_SKIN, GS::UniString::Printf("Blad %d", article.skinIndex + 1));
    SetReportText(row, COLUMN_REPORT_QELM_TYPE, article.GetQELMtype());
    SetReportText(row, COLUMN_REPORT_NR_COMPOSITES, GS::UniString::Printf("%d", article.compositeCount));
}

void DlgPresentData::AddNotShownRow(short list, short pos, Int32 groupIndex, Int32 rows) {
    const short row = InsertRow(list, pos, RowRecord{groupIndex, RowRecord::kNotShownRow}, kStyleNotShown);
    if (row == 0)
        return;
    if (list == ListArticles)
        SetArticleText(row, COLUMN_ARTICLES_DESCRIPTION, NotShownText(rows));
    else
        SetReportText(row, COLUMN_REPORT_ERROR, NotShownText(rows));
}

GS::UniString DlgPresentData::NotShownText(Int32 rows) {
    GS::UniString text;
    if (!ACAPI_Resource_GetLocStr(&text, kStringsResId, kNotShownIndex, ACAPI_GetOwnResModule()))
        text = "%d";
    text.ReplaceAll("%d", GS::UniString::Printf("%d", rows));
    return text;
}

void DlgPresentData::SetReportCaption() {
    const short rows = DGListGetItemCount(shDialogId, ListReport);
    GS::UniString caption = "Meldingen";
    if (rows > 99)
        caption += " (99+)";
    else if (rows >= 1)
        caption += GS::UniString::Printf(" (%d)", rows);
    DGSetItemText(shDialogId, ItemReportTab, caption);
}

// ---- Expanding, selecting and hover texts ----

void DlgPresentData::HandleListClick(short list) {
    const short row = DGListGetSelected(shDialogId, list, 0);
    const RowRecord* record = row < 1 ? nullptr : RecordOf(list, row);
    if (record == nullptr || record->articleIndex != RowRecord::kGroupRow || !ValidGroup(record->groupIndex))
        return;
    const Int32 groupIndex = record->groupIndex;
    ArticleGroup& group = Articles::allArticlesGroups[static_cast<GS::UIndex>(groupIndex)];
    if (!group.HasItems())
        return;
    DGListDisableDraw(shDialogId, list);
    const bool wasExpanded = group.isExpanded;
    if (wasExpanded)
        DeleteListSubItems(list, row);
    group.isExpanded = !wasExpanded && AddArticleSubItems(row, groupIndex);
    DGListSetTabItemIcon(
        shDialogId, list, row, COLUMN_ARTICLES_ICON,
        DG::Icon(ACAPI_GetOwnResModule(), group.isExpanded ? kIconExpanded : kIconCollapsed));
    SetListBackgroundColors(list);
    DGListEnableDraw(shDialogId, list);
    if (!wasExpanded && !group.isExpanded)
        Alert(NotShownText(FilteredCount(group)));
}

short DlgPresentData::GetClickedColumnNumber(short list, DGMessageData msgData) const {
    const auto* click = reinterpret_cast<const DGItemClickData*>(msgData);
    if (click == nullptr)
        return 0;
    const Int32 columns = DGListGetHeaderItemCount(shDialogId, list);
    for (Int32 column = 1; column <= columns; ++column) {
        short begin = 0;
        short end = 0;
        DGListGetTabFieldData(shDialogId, list, static_cast<short>(column), &begin, &end, nullptr, nullptr,
                              nullptr, nullptr);
        if (begin < click->xPos && click->xPos < end)
            return static_cast<short>(column);
    }
    return 0;
}

void DlgPresentData::Select(short list) {
    const short row = DGListGetSelected(shDialogId, list, 0);
    const RowRecord* record = row < 1 ? nullptr : RecordOf(list, row);
    if (record == nullptr || record->articleIndex == RowRecord::kNotShownRow)
        return;
    GS::Array<API_Guid> guids;
    if (const Article* article = ArticleOf(*record)) {
        guids.Push(article->guid);
    } else if (record->articleIndex == RowRecord::kGroupRow && ValidGroup(record->groupIndex)) {
        for (const Article& member :
             Articles::allArticlesGroups[static_cast<GS::UIndex>(record->groupIndex)].articleList)
            if (member.CompliesToFilter())
                guids.Push(member.guid);
    }
    ACAPI_Selection_DeselectAll();
    Main::SelectElements(guids);
    ACAPI_View_ZoomToElements(guids);
}

short DlgPresentData::OnTooltip(short item, DGMessageData msgData) {
    if (item != ListArticles && item != ListReport)
        return 0;
    if (DGListGetItemCount(shDialogId, item) == 0)
        return SetTooltip(msgData, GS::UniString());
    return SetTooltip(msgData, GetAllArticlesTooltip(item, msgData));
}

GS::UniString DlgPresentData::GetAllArticlesTooltip(short list, DGMessageData msgData) const {
    const auto* data = reinterpret_cast<const DGToolTipData*>(msgData);
    if (data == nullptr || data->listRow < 1)
        return GS::UniString();
    const RowRecord* record = RecordOf(list, static_cast<short>(data->listRow));
    const Article* hovered = record == nullptr ? nullptr : ArticleOf(*record);
    if (hovered == nullptr)
        return GS::UniString();
    try {
        GS::UniString text = "'" + hovered->elementID + "' is geclassificeerd in:";
        const Int32 groupCount = static_cast<Int32>(Articles::allArticlesGroups.GetSize());
        for (Int32 i = 0; i < groupCount; ++i) {
            const ArticleGroup& group = Articles::allArticlesGroups[static_cast<GS::UIndex>(i)];
            for (const Article& article : group.articleList) {
                if (article.guid != hovered->guid)
                    continue;
                text += "\n" + group.code + "  " +
                        (i == QelmCode::kReportGroup ? article.message : group.name) + " (" +
                        article.GetQELMtype() + " )";
            }
        }
        return text;
    } catch (...) {
        return "ERROR";
    }
}

short DlgPresentData::SetTooltip(DGMessageData msgData, const GS::UniString& text) const {
    auto* data = reinterpret_cast<DGToolTipData*>(msgData);
    if (data == nullptr)
        return 0;
    data->tooltipText = text;
    return 1;
}

short DlgPresentData::SetTooltip(short item, DGMessageData msgData) const {
    GS::UniString anchor = DGGetItemAnchorString(shDialogId, item);
    const GS::UniString prefix = "DialogHelpAnchor-";
    if (anchor.BeginsWith(prefix))
        anchor.Delete(0, prefix.GetLength());
    if (anchor == "NO_TOOLTIP")
        return 0;
    return SetTooltip(msgData, anchor);
}
