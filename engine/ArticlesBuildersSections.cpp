// Skin and section builders of beams and columns: the path is chosen by the segments; a basic section
// gives one article, a complex profile one per profile skin.
#include "engine/Articles.hpp"
#include "engine/ArticlesBuildersShared.hpp"
#include "engine/host/Main.hpp"

namespace {

using Segments = GS::Array<API_AssemblySegmentData>;

constexpr API_AttributeIndex kNoMaterial = -1;
constexpr const char* kNoThicknessMessage = "Geen classificatie met juiste dikte gevonden";
constexpr const char* kBeamUnresolvedMessage = "Balk is geen type 3";
constexpr const char* kColumnUnresolvedMessage = "Kolom is geen type 3";
constexpr const char* kBeamWidthProperty = "Breedte balk";
constexpr const char* kColumnThicknessProperty = "Dikte kolom";

bool IsSectionStructure(API_ModelElemStructureType structure) {
    return structure == API_BasicStructure || structure == API_ProfileStructure;
}

// The structure kind of the first segment that is basic or a complex profile; composite segments are
// passed over. -1 when there is none.
API_ModelElemStructureType FirstSectionStructure(const Segments& segments) {
    for (const API_AssemblySegmentData& segment : segments) {
        if (IsSectionStructure(segment.modelElemStructureType))
            return segment.modelElemStructureType;
    }
    return -1;
}

API_AttributeIndex FirstMaterialOf(const Segments& segments, bool (*accepts)(API_ModelElemStructureType)) {
    for (const API_AssemblySegmentData& segment : segments) {
        if (accepts(segment.modelElemStructureType))
            return segment.buildingMaterial;
    }
    return kNoMaterial;
}

bool IsBasic(API_ModelElemStructureType structure) {
    return structure == API_BasicStructure;
}

// The article of a section's material: its classification and its ID and description texts.
Article SectionArticle(API_AttributeIndex material, bool& classified) {
    Article article;
    API_Attribute attribute = builders::MaterialAttribute(material);
    classified = Articles::GetQELM_Classification(attribute, article);
    builders::ReadMaterialTexts(material, classified, article);
    return article;
}

bool HasLeadingNumber(const GS::UniString& materialId) {
    if (materialId.IsEmpty())
        return false;
    const GS::uchar_t first = materialId[0];
    return first == u'.' || (first >= u'0' && first <= u'9');
}

// The thickness match of a type-2 beam: the width from the beam's property, in millimetres for a round
// section. Skipped while any of its preconditions fails; the article then keeps its thickness-miss text.
void MatchBeamThickness(const API_Element& beam, Article& article) {
    if (!HasLeadingNumber(article.materialId) || beam.beam.modelElemStructureType == API_ProfileStructure)
        return;
    API_Element reread;
    if (!Main::GetElement(beam.header.guid, reread) || !reread.header.hasMemo)
        return;
    const double width = Main::GetUserDefinedProperty(beam.header.guid, kBeamWidthProperty);
    Segments segments;
    if (!builders::ReadBeamSegments(reread, segments) || segments.IsEmpty())
        return;
    article.SetThickness(width);
    Articles::SetType2Properties(article, segments[0].circleBased);
}

} // namespace

GS::UniString Articles::GetArticlesFromBeam(API_Element element, GS::Array<Article>& articles) {
    Segments segments;
    if (!builders::ReadBeamSegments(element, segments))
        return GS::UniString();
    const API_ModelElemStructureType structure = FirstSectionStructure(segments);
    if (structure == API_BasicStructure)
        GetArticlesFromBeamBasic(element, articles);
    else if (structure == API_ProfileStructure)
        GetArticlesFromBeamComplexProfile(element, articles);
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromColumn(API_Element element, GS::Array<Article>& articles) {
    Segments segments;
    if (!builders::ReadColumnSegments(element, segments))
        return GS::UniString();
    const API_ModelElemStructureType structure = FirstSectionStructure(segments);
    if (structure == API_BasicStructure)
        GetArticlesFromColumnBasic(element, articles);
    else if (structure == API_ProfileStructure)
        GetArticlesFromColumnComplexProfile(element, articles);
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromBeamBasic(API_Element element, GS::Array<Article>& articles) {
    Segments segments;
    builders::ReadBeamSegments(element, segments);
    bool classified = false;
    Article article = SectionArticle(FirstMaterialOf(segments, IsBasic), classified);

    if (classified) {
        articles.Push(article);
        return GS::UniString();
    }
    if (CompliesToClassification(article, m_vClassificationsType2, true)) {
        article.qelmType = QelmType::kThicknessPrefix;
        article.message = kNoThicknessMessage;
        MatchBeamThickness(element, article);
    } else if (CompliesToClassification(article, m_vClassificationsType3, false)) {
        article.qelmType = QelmType::kMaterialCode;
        article.code = article.materialId;
        article.groupIndex = GetClassificationIndex(article.materialId, article.message);
    } else {
        article.qelmType = QelmType::kUnresolved;
        article.message = kBeamUnresolvedMessage;
    }
    articles.Push(article);
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromColumnBasic(API_Element element, GS::Array<Article>& articles) {
    Segments segments;
    builders::ReadColumnSegments(element, segments);
    bool classified = false;
    // A classified material's number is tested like any other code.
    Article article = SectionArticle(FirstMaterialOf(segments, IsSectionStructure), classified);

    const bool type2Pattern = CompliesToType2Expression(article);
    if (CompliesToClassification(article, m_vClassificationsType3, false) && !type2Pattern) {
        article.qelmType = QelmType::kMaterialCode;
        article.code = article.materialId;
        article.groupIndex = GetClassificationIndex(article.materialId, article.message);
    } else if (type2Pattern || CompliesToClassification(article, m_vClassificationsType2, false)) {
        article.SetThickness(Main::GetUserDefinedProperty(element.header.guid, kColumnThicknessProperty));
        article.qelmType = QelmType::kThicknessPrefix;
        SetType2Properties(article, false);
    } else {
        article.qelmType = QelmType::kUnresolved;
        article.message = kColumnUnresolvedMessage;
    }
    articles.Push(article);
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromBeamComplexProfile(API_Element element, GS::Array<Article>& articles) {
    Segments segments;
    if (builders::ReadBeamSegments(element, segments) && FirstSectionStructure(segments) != -1)
        builders::AppendProfileSkins(element, articles);
    return GS::UniString();
}

GS::UniString Articles::GetArticlesFromColumnComplexProfile(API_Element element,
                                                            GS::Array<Article>& articles) {
    Segments segments;
    if (builders::ReadColumnSegments(element, segments) && FirstSectionStructure(segments) != -1)
        builders::AppendProfileSkins(element, articles);
    return GS::UniString();
}
