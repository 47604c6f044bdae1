#include "engine/Articles.hpp"
#include "engine/Classification.hpp"
#include "engine/calculation/Calculation.hpp"
#include "engine/host/HostReads.hpp"
#include "engine/host/HostUtil.hpp"
#include "engine/host/Main.hpp"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

GS::Array<API_ElemTypeID> m_vElementtypeTypes;
GS::Array<API_Guid> vAllElementGuids;
GS::Array<ArticleGroup> Articles::allArticlesGroups;
Int32 Articles::articleCount = 0;
Int32 Articles::reportCount = 0;

namespace {

constexpr const char* kMixedUnitsText = "Meerdere eenheden gevonden";
constexpr const char* kUnreadQuantitiesText = "Hoeveelheden niet leesbaar";
constexpr const char* kProcessTitle = "Informatie ophalen";
// Group numbers are 16-bit: items past this many are not made into groups.
constexpr GS::USize kMaxItemGroups = 32767;

// What the evaluation does with an element of a type before the shared steps.
enum class TypeStep {
    None,
    Wall,
    Slab,
    Roof,
    Shell,
    Column,
    Beam,
    Opening,
    LibPart,
    Object,
    Stair,
};

struct ElementTypeRow {
    API_ElemTypeID type;
    const char* typeName;
    TypeStep step;
};

// The collected types, in collection order.
constexpr ElementTypeRow kElementTypes[] = {
    {API_WallID, "Wall", TypeStep::Wall},          {API_SlabID, "Slab", TypeStep::Slab},
    {API_RoofID, "Roof", TypeStep::Roof},          {API_ShellID, "Shell", TypeStep::Shell},
    {API_ColumnID, "Column", TypeStep::Column},    {API_MorphID, "Morph", TypeStep::None},
    {API_BeamID, "Beam", TypeStep::Beam},          {API_ObjectID, "Object", TypeStep::Object},
    {API_OpeningID, "Opening", TypeStep::Opening}, {API_WindowID, "Window", TypeStep::LibPart},
    {API_DoorID, "Door", TypeStep::LibPart},       {API_CurtainWallID, "CurtainWall", TypeStep::None},
    {API_SkylightID, "Skylight", TypeStep::None},  {API_StairID, "Stair", TypeStep::Stair},
    {API_RailingID, "Railing", TypeStep::None},    {API_MeshID, "Mesh", TypeStep::None},
    {API_ZoneID, "Zone", TypeStep::None},          {API_LampID, "Lamp", TypeStep::None},
};

const ElementTypeRow* FindTypeRow(API_ElemTypeID type) {
    for (const ElementTypeRow& row : kElementTypes) {
        if (row.type == type)
            return &row;
    }
    return nullptr;
}

bool IsPlateOrWall(API_ElemTypeID type) {
    return type == API_WallID || type == API_SlabID || type == API_RoofID || type == API_ShellID;
}

// ---- Evaluating one element ----

struct ElementState {
    Article base;
    GS::Array<Article> articles;
    GS::UniString layerText;
    bool skeleton = false;
    bool include = true;
    bool quantitiesRead = false;
};

void ReadLayer(const API_Element& element, ElementState& state) {
    const auto layer = hostaccess::ReadAttribute(API_LayerID, element.header.layer);
    if (!layer)
        return;
    state.layerText = layer->header.name;
    state.layerText.Trim();
    state.base.layerName = state.layerText;
}

void FillBaseArticle(API_Element& element, ElementState& state) {
    Article& base = state.base;
    base.guid = element.header.guid;
    base.elemType = element.header.type.typeID;
    base.groupIndex = QelmCode::kReportGroup;
    base.storyIndex = element.header.floorInd;
    base.storyName = Main::GetStoryName(element);
    base.elementID = Main::GetElementID(element);
}

// True when the element carries its own QELM item; its one article is then in the list.
bool AddOwnClassification(API_Element& element, ElementState& state) {
    GS::UniString code;
    short groupIndex = -1;
    GS::UniString message;
    API_Guid guid = element.header.guid;
    Articles::GetQELM_Classification(guid, code, groupIndex, message);
    state.base.code = code;
    if (code.IsEmpty())
        return false;
    state.base.groupIndex = groupIndex;
    state.base.message = message;
    state.base.qelmType = QelmType::kOwnClassification;
    state.articles.Push(state.base);
    return true;
}

void AddStairClassification(const API_Element& element, ElementState& state) {
    try {
        if (!element.stair.hasSecondClassification)
            return;
        Articles::AppendQELM_ClassificationArticle(element.stair.classificationSource, state.articles);
    } catch (...) {
        // The stair simply gets no second article.
    }
}

void RunPlateStep(API_Element& element, ElementState& state, TypeStep step) {
    if (AddOwnClassification(element, state))
        return;
    state.skeleton = Articles::IsSkeletonBuild(element);
    switch (step) {
    case TypeStep::Wall:
        Articles::GetArticlesFromWall(element, state.skeleton, state.articles, state.layerText);
        break;
    case TypeStep::Slab:
        Articles::GetArticlesFromSlab(element, state.skeleton, state.articles);
        break;
    case TypeStep::Roof:
        Articles::GetArticlesFromRoof(element, state.skeleton, state.articles);
        break;
    default:
        Articles::GetArticlesFromShell(element, state.skeleton, state.articles);
        break;
    }
}

void RunTypeStep(API_Element& element, ElementState& state, TypeStep step) {
    switch (step) {
    case TypeStep::Wall:
    case TypeStep::Slab:
    case TypeStep::Roof:
    case TypeStep::Shell:
        RunPlateStep(element, state, step);
        break;
    case TypeStep::Column:
        if (!AddOwnClassification(element, state))
            Articles::GetArticlesFromColumn(element, state.articles);
        break;
    case TypeStep::Beam:
        if (!AddOwnClassification(element, state))
            Articles::GetArticlesFromBeam(element, state.articles);
        break;
    case TypeStep::Opening:
        Articles::GetArticlesFromOpening(element, state.articles);
        break;
    case TypeStep::LibPart:
        state.base.libPartName = Main::GetLibPartName(element.header.guid);
        break;
    case TypeStep::Object:
        Main::GetObjectSizeParameters(element, state.base);
        state.base.libPartName = Main::GetLibPartName(element.header.guid);
        state.include = !Articles::IsExcluded(state.base);
        break;
    case TypeStep::Stair:
        AddStairClassification(element, state);
        break;
    case TypeStep::None:
        break;
    }
}

void TakeElementFields(const Article& base, Article& article) {
    article.guid = base.guid;
    article.elemType = base.elemType;
    article.typeName = base.typeName;
    article.elementID = base.elementID;
    article.layerName = base.layerName;
    article.storyIndex = base.storyIndex;
    article.storyName = base.storyName;
    article.compositeCount = base.compositeCount;
    article.libPartName = base.libPartName;
    article.size1 = base.size1;
    article.size2 = base.size2;
    article.size3 = base.size3;
    article.size4 = base.size4;
    article.zoneNames = base.zoneNames;
    article.zoneNumbers = base.zoneNumbers;
}

void TakeMeasureFlags(const ArticleGroup& group, Article& article) {
    article.volumeFlag = group.HasVolumeFlag();
    article.surfaceFlag = group.HasSurfaceFlag();
    article.lengthFlag = group.HasLengthFlag();
    article.pieceFlag = group.HasPieceFlag();
    article.weightFlag = group.HasWeightFlag();
    article.riserFlag = group.HasRiserFlag();
    article.tonFlag = group.HasTonFlag();
    article.kwFlag = group.HasKwFlag();
    article.dm2Flag = group.HasDm2Flag();
    article.dm3Flag = group.HasDm3Flag();
}

bool IsGroupIndex(short groupIndex) {
    return groupIndex >= 0 && static_cast<GS::USize>(groupIndex) < Articles::allArticlesGroups.GetSize();
}

// The element's articles are filed unmeasured; the report list says why.
void ReportUnreadQuantities(Article report) {
    report.groupIndex = QelmCode::kReportGroup;
    report.code.Clear();
    report.message = kUnreadQuantitiesText;
    Articles::AddToList(std::move(report));
}

void FileArticles(ElementState& state) {
    if (state.articles.IsEmpty()) {
        state.base.message = Article::NoClassificationMessage();
        Articles::AddToList(std::move(state.base));
        return;
    }
    const bool skip = Articles::CheckForArticlesToSkip(state.articles);
    for (Article& article : state.articles) {
        if (article.groupIndex <= QelmCode::kReportGroup && skip)
            continue;
        TakeElementFields(state.base, article);
        // An index outside the list has no flags to take; AddToList drops such an article.
        if (IsGroupIndex(article.groupIndex)) {
            TakeMeasureFlags(Articles::allArticlesGroups[static_cast<GS::UIndex>(article.groupIndex)],
                             article);
            if (article.groupIndex > QelmCode::kReportGroup)
                article.CalculatePropertyValues(true);
        }
        Articles::AddToList(std::move(article));
    }
    // A report line like any other: none for an element whose articles are skipped.
    if (!state.quantitiesRead && !skip)
        ReportUnreadQuantities(state.base);
}

void EvaluateElement(hostaccess::TakeoffCache& cache, const API_Guid& guid) {
    cache.BeginElement(guid);
    API_Element element;
    if (!Main::GetElement(guid, element))
        return;

    ElementState state;
    FillBaseArticle(element, state);
    ReadLayer(element, state);
    state.quantitiesRead = Calculation::GetElementParameters(element);
    state.base.compositeCount = static_cast<short>(Calculation::composites.GetSize() & 0xFFFFu);
    if (Articles::SkipObject(state.layerText))
        return;

    const ElementTypeRow* row = FindTypeRow(state.base.elemType);
    if (row != nullptr) {
        state.base.typeName = row->typeName;
        RunTypeStep(element, state, row->step);
    }
    state.base.GetZoneNames();
    if (!state.include)
        return;

    Articles::GetArticlesFromQELM_Properties(element, state.articles);
    Articles::GetArticlesFromQELM_Classification(element, state.skeleton, state.articles);
    FileArticles(state);
}

// The systems and items of the QELM tree just read need not be asked for again.
void KeepClassificationTree(hostaccess::TakeoffCache& cache) {
    for (const API_ClassificationSystem& system : Classifications::Systems)
        cache.systems.Keep(system.guid, system);
    for (const Classification& record : Classifications::Items) {
        API_ClassificationItem item;
        item.guid = record.guid;
        item.id = record.code;
        item.name = record.name;
        cache.items.Keep(record.guid, item);
    }
}

// ---- Filing order ----

// Articles are appended while filing; one stable sort per group at the end of the run gives the order
// of a sorted insert by lower-cased element ID in which equal keys keep their filing order. The articles
// of one element are mostly filed together, so their key is lower-cased once; the sort moves indices,
// and each article moves once into its place.
void SortByElementID(GS::Array<Article>& articles) {
    std::vector<GS::UniString> keys;
    keys.reserve(articles.GetSize());
    for (GS::UIndex i = 0; i < articles.GetSize(); ++i) {
        const bool sameElement = i > 0 && articles[i].elementID == articles[i - 1].elementID;
        keys.push_back(sameElement ? keys.back() : articles[i].elementID.ToLowerCase());
    }
    if (std::is_sorted(keys.begin(), keys.end()))
        return;
    std::vector<GS::UIndex> order(keys.size());
    std::iota(order.begin(), order.end(), GS::UIndex{0});
    std::stable_sort(order.begin(), order.end(),
                     [&keys](GS::UIndex a, GS::UIndex b) { return keys[a] < keys[b]; });
    GS::Array<Article> sorted;
    sorted.Reserve(articles.GetSize());
    for (const GS::UIndex index : order)
        sorted.Push(std::move(articles[index]));
    articles = std::move(sorted);
}

// Group 0 keeps its report lines in filing order.
void SortFiledGroups() {
    for (GS::UIndex i = 1; i < Articles::allArticlesGroups.GetSize(); ++i)
        SortByElementID(Articles::allArticlesGroups[i].articleList);
}

// From 16 to 16,384 articles a list grows four-fold where it would double: each growth moves every article
// the list holds, so a group moves a third as many while it fills. Past that it doubles again, so that no
// list's room becomes large enough for the allocator to map it afresh for every take-off.
void PushArticle(GS::Array<Article>& list, Article&& article) {
    const GS::USize size = list.GetSize();
    const bool powerOfFour = (size & (size - 1)) == 0 && (size & 0x55555555u) != 0;
    if (powerOfFour && size >= 16 && size <= 4096)
        list.Reserve(size * 4);
    list.Push(std::move(article));
}

void DropResult() {
    Articles::articleCount = 0;
    Articles::reportCount = 0;
    Articles::allArticlesGroups.Clear();
}

} // namespace

// ---- Reading the model ----

bool Articles::ReadElementsFromModel(bool selectionOnly) {
    if (!Classifications::ReadFromSystem())
        return false;
    CreateAllArticleGroups();
    GetAllElementGuids(selectionOnly);
    return true;
}

void Articles::CreateAllArticleGroups() {
    allArticlesGroups.Clear();
    ArticleGroup unknown;
    unknown.number = QelmCode::kReportGroup;
    unknown.code = QelmCode::kUnknown;
    allArticlesGroups.Push(unknown);

    const GS::USize itemCount = std::min(Classifications::Items.GetSize(), kMaxItemGroups);
    if (itemCount < Classifications::Items.GetSize())
        WriteReport("%u QELM items past group %u were not made into groups",
                    Classifications::Items.GetSize() - itemCount, kMaxItemGroups);
    allArticlesGroups.Reserve(itemCount + 1);
    for (GS::UIndex i = 0; i < itemCount; ++i) {
        const Classification& item = Classifications::Items[i];
        ArticleGroup group;
        group.number = static_cast<short>(i + 1);
        group.code = item.code;
        group.name = item.name;
        group.note = item.note;
        group.flags = item.flags;
        group.line1 = item.line1;
        group.line2 = item.line2;
        group.unitPrice = item.unitPrice;
        group.SetMeasurementUnit();
        allArticlesGroups.Push(std::move(group));
    }
}

void Articles::GetElementTypes(GS::Array<API_ElemTypeID>& types) {
    types.Clear();
    for (const ElementTypeRow& row : kElementTypes)
        types.Push(row.type);
}

void Articles::GetAllElementGuids(bool selectionOnly) {
    vAllElementGuids.Clear();
    GetElementTypes(m_vElementtypeTypes);

    if (!selectionOnly) {
        for (const API_ElemTypeID type : m_vElementtypeTypes) {
            GS::Array<API_Guid> guids;
            if (ACAPI_Element_GetElemList(API_ElemType(type), &guids, 0, APINULLGuid) != NoError)
                continue;
            for (const API_Guid& guid : guids)
                vAllElementGuids.Push(guid);
        }
        return;
    }

    API_SelectionInfo selectionInfo;
    GS::Array<API_Neig> neigs;
    const GSErrCode error = ACAPI_Selection_Get(&selectionInfo, &neigs, true, true, API_Inside);
    BMKillHandle(&selectionInfo.marquee.coords);
    if (error != NoError || selectionInfo.typeID == API_SelEmpty || neigs.IsEmpty())
        return;
    for (const API_Neig& neig : neigs) {
        API_Elem_Head header;
        header.type = API_ElemType(Neig_To_ElemID(neig.neigID));
        header.guid = neig.guid;
        if (ACAPI_Element_GetHeader(&header, 0) != NoError)
            continue;
        if (m_vElementtypeTypes.Contains(header.type.typeID))
            vAllElementGuids.Push(neig.guid);
    }
}

// ---- Evaluating the elements ----

bool Articles::EvaluateElements() {
    const Int32 count = static_cast<Int32>(vAllElementGuids.GetSize());
    bool cancelled = false;

    // Dropped with everything it read when the run ends, however it ends.
    hostaccess::TakeoffCache cache;
    KeepClassificationTree(cache);

    const GS::UniString title(kProcessTitle);
    Int32 phaseCount = 1;
    ACAPI_ProcessWindow_InitProcessWindow(&title, &phaseCount);
    const GS::UniString subtitle = GS::UniString::Printf("%d elementen", static_cast<int>(count));
    Int32 maxValue = count;
    ACAPI_ProcessWindow_SetNextProcessPhase(&subtitle, &maxValue);

    for (Int32 i = 0; i < count; ++i) {
        Int32 position = i;
        ACAPI_ProcessWindow_SetNextProcessPhase(&subtitle, &position);
        EvaluateElement(cache, vAllElementGuids[static_cast<GS::UIndex>(i)]);
        if (ACAPI_ProcessWindow_IsProcessCanceled()) {
            DropResult();
            cancelled = true;
            break;
        }
    }

    ACAPI_ProcessWindow_CloseProcessWindow();
    if (!cancelled)
        SortFiledGroups();
    return cancelled;
}

bool Articles::CheckForArticlesToSkip(GS::Array<Article>& articles) {
    for (const Article& article : articles) {
        for (const GS::UniString& prefix : m_vErrorMessageExclusions) {
            if (article.Starts(prefix))
                return true;
        }
    }
    return false;
}

// Appends; EvaluateElements puts each group in element-ID order once all elements are filed.
void Articles::AddToList(Article article) {
    if (!IsGroupIndex(article.groupIndex))
        return;
    const bool windowOrDoor = article.elemType == API_WindowID || article.elemType == API_DoorID;
    if (article.groupIndex == QelmCode::kReportGroup && windowOrDoor && IsExcluded(article))
        return;
    if (article.materialId == QelmCode::kNotTakenOffMaterial ||
        article.materialId == QelmCode::kNotTakenOff || article.code == QelmCode::kNotTakenOff)
        return;
    if (IsPlateOrWall(article.elemType) && article.materialId == QelmCode::kProMemoryMaterial)
        return;

    ArticleGroup& group = allArticlesGroups[static_cast<GS::UIndex>(article.groupIndex)];
    if (article.code.IsEmpty())
        article.code = group.code;
    article.groupLine1 = group.line1;
    article.groupLine2 = group.line2;

    ArticleGroup& unknown = allArticlesGroups[QelmCode::kReportGroup];
    if (article.groupIndex == QelmCode::kReportGroup) {
        PushArticle(unknown.articleList, std::move(article));
        ++reportCount;
        return;
    }
    if (!group.articleList.IsEmpty() && group.measurementUnit != article.unit) {
        article.groupIndex = QelmCode::kReportGroup;
        article.message =
            GS::UniString(kMixedUnitsText) + " (" + group.measurementUnit + " en " + article.unit + ")";
        PushArticle(unknown.articleList, std::move(article));
        ++reportCount;
        return;
    }
    if (group.articleList.IsEmpty()) {
        group.measurementUnit = article.unit;
        group.line2 = article.unit;
    }
    PushArticle(group.articleList, std::move(article));
    ++articleCount;
}
