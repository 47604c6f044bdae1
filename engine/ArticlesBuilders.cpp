// Skin and section builders, part one: the host reads they share, the skeleton test, the skin article
// and the builders of slabs, roofs and shells. Walls, beams and columns, and openings follow in
// ArticlesBuildersWalls.cpp, ArticlesBuildersSections.cpp and ArticlesBuildersOpenings.cpp.
#include "engine/Articles.hpp"
#include "engine/ArticlesBuildersShared.hpp"
#include "engine/calculation/Calculation.hpp"
#include "engine/host/HostReads.hpp"
#include "engine/host/HostRecords.hpp"

#include <algorithm>

namespace {

constexpr double kProfileSkinThickness = -1.0;
constexpr const char* kProfileTypeMessage =
    "Type 1 en 2 wordt niet ondersteund in combinatie met complex profiles. Raadpleeg helpcenter > "
    "troubleshooting.";
constexpr const char* kSkinUnresolvedMessage = "Element is geen type 2 of 3";

// Codes of a composite element's own classification that make it skeleton construction.
constexpr const char* kSkeletonCodePrefixes[] = {"03.1",      "03.2",   "20.13", "26.21.10.",
                                                 "26.21.22.", "26.31.", "36.",   "28."};
// Of these the group's surface flag decides.
constexpr const char* kSurfaceDecidedPrefix = "51.";

// The record's count may claim more segments than the block holds; never read past the block.
template <typename SegmentType>
void CopySegments(SegmentType* block, UInt32 declaredCount, GS::Array<API_AssemblySegmentData>& segments) {
    if (block == nullptr)
        return;
    const GSSize bytes = BMGetPtrSize(reinterpret_cast<GSPtr>(block));
    const UInt32 fitting = bytes > 0 ? static_cast<UInt32>(bytes) / sizeof(SegmentType) : 0;
    const UInt32 count = std::min(declaredCount, fitting);
    for (UInt32 i = 0; i < count; ++i)
        segments.Push(block[i].assemblySegmentData);
}

GS::UniString LowerTrimmed(GS::UniString text) {
    text.Trim();
    text.SetToLowerCase();
    return text;
}

bool IsSkeletonCode(const GS::UniString& code, short groupIndex) {
    for (const char* prefix : kSkeletonCodePrefixes) {
        if (code.BeginsWith(prefix))
            return true;
    }
    if (!code.BeginsWith(kSurfaceDecidedPrefix))
        return false;
    return groupIndex >= 0 && static_cast<GS::UIndex>(groupIndex) < Articles::allArticlesGroups.GetSize() &&
           Articles::allArticlesGroups[static_cast<GS::UIndex>(groupIndex)].HasSurfaceFlag();
}

bool IsComposite(const API_Element& element) {
    switch (element.header.type.typeID) {
    case API_WallID:
        return element.wall.modelElemStructureType == API_CompositeStructure;
    case API_SlabID:
        return element.slab.modelElemStructureType == API_CompositeStructure;
    case API_RoofID:
        return element.roof.shellBase.modelElemStructureType == API_CompositeStructure;
    case API_ShellID:
        return element.shell.shellBase.modelElemStructureType == API_CompositeStructure;
    default:
        return false;
    }
}

// Slabs, roofs and shells: a basic one is one article, a composite one an article per skin unless it is
// skeleton construction, a complex profile none.
enum class PlatePath { Basic, Composites, None };

PlatePath ChoosePlatePath(API_ModelElemStructureType structure, bool skeleton) {
    if (structure == API_BasicStructure)
        return PlatePath::Basic;
    if (structure == API_CompositeStructure && !skeleton)
        return PlatePath::Composites;
    return PlatePath::None;
}

// A skin whose material has no QELM classification: type 2 by its "x" code, type 3 by its code as it is.
void ResolveUnclassifiedSkin(Article& article) {
    if (Articles::CompliesToClassification(article, m_vClassificationsType2, true)) {
        article.qelmType = QelmType::kThicknessPrefix;
        Articles::SetType2Properties(article, false);
    } else if (Articles::CompliesToClassification(article, m_vClassificationsType3, false)) {
        article.qelmType = QelmType::kMaterialCode;
        article.code = article.materialId;
        article.groupIndex = Articles::GetClassificationIndex(article.materialId, article.message);
    } else {
        article.qelmType = QelmType::kUnresolved;
        article.message = kSkinUnresolvedMessage;
    }
}

void AppendPlateSkins(API_AttributeIndex composite, GS::Array<Article>& articles) {
    const auto skins = hostaccess::ReadCompositeSkins(composite);
    if (!skins)
        return;
    for (GS::UIndex i = 0; i < skins->GetSize(); ++i)
        Articles::GetSkinClassification(articles, WallTypeComposite, (*skins)[i].thickness,
                                        (*skins)[i].material, static_cast<short>(i));
}

} // namespace

// ---- Host reads shared by the builders ----

API_Attribute builders::MaterialAttribute(API_AttributeIndex material) {
    API_Attribute attribute{};
    attribute.header.typeID = API_BuildingMaterialID;
    attribute.header.index = material;
    return attribute;
}

bool builders::ReadMaterialTexts(API_AttributeIndex material, bool classified, Article& article) {
    const auto attribute = hostaccess::ReadAttribute(API_BuildingMaterialID, material);
    if (!attribute)
        return false;
    article.materialId = LowerTrimmed(classified ? article.code : attribute->buildingMaterial.id);
    article.code = article.materialId;
    article.materialDescription = LowerTrimmed(attribute->buildingMaterial.description);
    // Only the default text goes: a classified number without a group keeps saying so.
    if (!classified)
        article.message.Clear();
    return true;
}

bool builders::ReadBeamSegments(const API_Element& beam, GS::Array<API_AssemblySegmentData>& segments) {
    segments.Clear();
    const auto memo = hostaccess::ReadMemo(beam.header.guid);
    if (!memo)
        return false;
    CopySegments(memo->beamSegments, beam.beam.nSegments, segments);
    return true;
}

bool builders::ReadColumnSegments(const API_Element& column, GS::Array<API_AssemblySegmentData>& segments) {
    segments.Clear();
    const auto memo = hostaccess::ReadMemo(column.header.guid);
    if (!memo)
        return false;
    CopySegments(memo->columnSegments, column.column.nSegments, segments);
    return true;
}

void builders::AppendProfileSkins(const API_Element& element, GS::Array<Article>& articles) {
    Calculation::GetElementParameters(element);
    const GS::Array<API_CompositeQuantity>& rows = Calculation::composites;
    for (GS::UIndex i = 0; i < rows.GetSize(); ++i) {
        Articles::GetSkinClassification(articles, WallTypeComplexProfile, kProfileSkinThickness,
                                        rows[i].buildMatIndices, static_cast<short>(i));
        Article& skin = articles.GetLast();
        if (skin.qelmType == QelmType::kWallLayer || skin.qelmType == QelmType::kThicknessPrefix)
            skin.message = kProfileTypeMessage;
    }
}

// ---- Skeleton test and skin article ----

bool Articles::IsSkeletonBuild(API_Element& element) {
    if (element.header.type.typeID == API_WallID &&
        element.wall.modelElemStructureType == API_ProfileStructure)
        return true;
    if (!IsComposite(element))
        return false;
    GS::UniString code;
    short groupIndex = -1;
    GS::UniString message;
    if (!GetQELM_Classification(element.header.guid, code, groupIndex, message))
        return false;
    return IsSkeletonCode(code, groupIndex);
}

void Articles::GetSkinClassification(GS::Array<Article>& articles, walltype type, double thickness,
                                     API_AttributeIndex material, short skinIndex) {
    Article article;
    article.wallType = type;
    article.SetThickness(thickness);
    // Every skin keeps its own row, even when its material cannot be read: a classified skin measured
    // as the whole element would count the element once per skin.
    article.skinIndex = skinIndex;
    API_Attribute attribute = builders::MaterialAttribute(material);
    const bool classified = GetQELM_Classification(attribute, article);
    builders::ReadMaterialTexts(material, classified, article);

    if (!classified)
        ResolveUnclassifiedSkin(article);
    articles.Push(article);
}

// ---- Slabs, roofs and shells ----

GS::UniString Articles::GetArticlesFromSlab(API_Element element, bool skeleton,
                                            GS::Array<Article>& articles) {
    switch (ChoosePlatePath(element.slab.modelElemStructureType, skeleton)) {
    case PlatePath::Basic:
        GetArticlesFromSlabBasic(element, articles);
        break;
    case PlatePath::Composites:
        GetArticlesFromSlabComposites(element, articles);
        break;
    case PlatePath::None:
        break;
    }
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromRoof(API_Element element, bool skeleton,
                                            GS::Array<Article>& articles) {
    switch (ChoosePlatePath(element.roof.shellBase.modelElemStructureType, skeleton)) {
    case PlatePath::Basic:
        GetArticlesFromRoofBasic(element, articles);
        break;
    case PlatePath::Composites:
        GetArticlesFromRoofComposites(element, articles);
        break;
    case PlatePath::None:
        break;
    }
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromShell(API_Element element, bool skeleton,
                                             GS::Array<Article>& articles) {
    switch (ChoosePlatePath(element.shell.shellBase.modelElemStructureType, skeleton)) {
    case PlatePath::Basic:
        GetArticlesFromShellBasic(element, articles);
        break;
    case PlatePath::Composites:
        GetArticlesFromShellComposites(element, articles);
        break;
    case PlatePath::None:
        break;
    }
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromSlabBasic(API_Element element, GS::Array<Article>& articles) {
    GetSkinClassification(articles, WallTypeBasic, element.slab.thickness, element.slab.buildingMaterial, -1);
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromRoofBasic(API_Element element, GS::Array<Article>& articles) {
    const API_ShellBaseType& base = element.roof.shellBase;
    GetSkinClassification(articles, WallTypeBasic, base.thickness, base.buildingMaterial, -1);
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromShellBasic(API_Element element, GS::Array<Article>& articles) {
    const API_ShellBaseType& base = element.shell.shellBase;
    GetSkinClassification(articles, WallTypeBasic, base.thickness, base.buildingMaterial, -1);
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromSlabComposites(API_Element element, GS::Array<Article>& articles) {
    AppendPlateSkins(element.slab.composite, articles);
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromRoofComposites(API_Element element, GS::Array<Article>& articles) {
    AppendPlateSkins(element.roof.shellBase.composite, articles);
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromShellComposites(API_Element element, GS::Array<Article>& articles) {
    AppendPlateSkins(element.shell.shellBase.composite, articles);
    return GS::UniString();
}
