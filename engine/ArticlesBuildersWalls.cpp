// Skin and section builders of walls: the whole wall, the skins of its composite or of its complex
// profile, and the resolution of a wall skin by its layer, material description and thickness.
#include "engine/Articles.hpp"
#include "engine/ArticlesBuildersShared.hpp"
#include "engine/host/HostReads.hpp"

namespace {

constexpr const char* kNoWallLayerMessage = "Geen laag startend met 21 of 22 gevonden";
constexpr const char* kNoDescriptionMessage = "Geen classificatie met beschrijving gevonden";
constexpr const char* kNoThicknessMessage = "Geen classificatie met juiste dikte gevonden";
constexpr const char* kWallUnresolvedMessage = "Schil is geen type 1, 2 of 3";

// The four wall layers (lower case) and the code prefix of their groups.
struct WallLayer {
    const char* layer;
    const char* codePrefix;
};
constexpr WallLayer kWallLayers[] = {
    {"21 buitenwanden", "20.2"},
    {"22 ws binnenwanden", "20.3"},
    {"22 c binnenwanden", "20.4"},
    {"22 nc binnenwanden", "20.5"},
};

const char* CodePrefixOfLayer(const GS::UniString& layerName) {
    const GS::UniString layer = layerName.ToLowerCase();
    for (const WallLayer& row : kWallLayers) {
        if (layer == row.layer)
            return row.codePrefix;
    }
    return nullptr;
}

// Type 1: the first group under the layer's prefix whose name holds the material description and ends
// with the skin's thickness in centimetres.
void ResolveByLayer(Article& article, const GS::UniString& layerName) {
    article.qelmType = QelmType::kWallLayer;
    const char* prefix = CodePrefixOfLayer(layerName);
    if (prefix == nullptr) {
        article.code = QelmCode::kUnknown;
        article.message = kNoWallLayerMessage;
        return;
    }
    article.code = prefix;
    GS::Array<short> indices;
    Articles::GetArticleGroupsStartingWith(prefix, indices);
    article.message = kNoDescriptionMessage;
    const GS::UniString thicknessEnd = "dikte " + article.thicknessCm + " cm";
    for (short index : indices) {
        const ArticleGroup& group = Articles::allArticlesGroups[static_cast<GS::UIndex>(index)];
        GS::UniString name = group.name;
        name.Trim();
        name.SetToLowerCase();
        if (!name.Contains(article.materialDescription))
            continue;
        article.message = kNoThicknessMessage;
        if (name.EndsWith(thicknessEnd)) {
            article.code = group.code;
            article.groupIndex = group.number;
            article.message.Clear();
            return;
        }
    }
}

} // namespace

GS::UniString Articles::GetArticlesFromWall(API_Element element, bool skeleton, GS::Array<Article>& articles,
                                            GS::UniString layerName) {
    switch (element.wall.modelElemStructureType) {
    case API_BasicStructure:
        GetArticlesFromWallBasic(element, articles, layerName);
        break;
    case API_CompositeStructure:
        if (!skeleton)
            GetArticlesFromWallComposites(element, articles, layerName);
        break;
    case API_ProfileStructure:
        // Outside skeleton construction a profiled wall is measured by the skins of its composite.
        if (skeleton)
            GetArticlesFromWallComplexProfiles(element, articles, layerName);
        else
            GetArticlesFromWallComposites(element, articles, layerName);
        break;
    default:
        break;
    }
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromWallBasic(API_Element element, GS::Array<Article>& articles,
                                                 GS::UniString layerName) {
    const double thickness = (element.wall.thickness + element.wall.thickness1) * 0.5;
    GetWallClassification(articles, layerName, WallTypeBasic, thickness, element.wall.buildingMaterial, -1);
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromWallComposites(API_Element element, GS::Array<Article>& articles,
                                                      GS::UniString layerName) {
    const auto skins = hostaccess::ReadCompositeSkins(element.wall.composite);
    if (!skins)
        return GS::UniString();
    for (GS::UIndex i = 0; i < skins->GetSize(); ++i)
        GetWallClassification(articles, layerName, WallTypeComposite, (*skins)[i].thickness,
                              (*skins)[i].material, static_cast<short>(i));
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromWallComplexProfiles(API_Element element, GS::Array<Article>& articles,
                                                           GS::UniString) {
    builders::AppendProfileSkins(element, articles);
    return GS::UniString();
}

void Articles::GetWallClassification(GS::Array<Article>& articles, GS::UniString layerName, walltype type,
                                     double thickness, API_AttributeIndex material, short skinIndex) {
    Article article;
    layerName.Trim();
    article.layerName = layerName;
    article.wallType = type;
    article.skinIndex = skinIndex;
    article.SetThickness(thickness);
    API_Attribute attribute = builders::MaterialAttribute(material);
    const bool classified = GetQELM_Classification(attribute, article);
    builders::ReadMaterialTexts(material, classified, article);
    if (!classified)
        GetWallSkinClassification(article, layerName);
    articles.Push(article);
}

void Articles::GetWallSkinClassification(Article& article, GS::UniString layerName) {
    if (article.materialId == QelmCode::kLayerResolvedMaterial) {
        ResolveByLayer(article, layerName);
        // Type 2 is tried before and after type 3, so its branch appears twice.
        // NOLINTNEXTLINE(bugprone-branch-clone)
    } else if (CompliesToType2Expression(article)) {
        article.qelmType = QelmType::kThicknessPrefix;
        SetType2Properties(article, false);
    } else if (CompliesToClassification(article, m_vClassificationsType3, false)) {
        article.qelmType = QelmType::kMaterialCode;
        article.code = article.materialId;
        article.groupIndex = GetClassificationIndex(article.materialId, article.message);
    } else if (CompliesToClassification(article, m_vClassificationsType2, false)) {
        article.qelmType = QelmType::kThicknessPrefix;
        SetType2Properties(article, false);
    } else {
        article.qelmType = QelmType::kUnresolved;
        article.message = kWallUnresolvedMessage;
    }
}
