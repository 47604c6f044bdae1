#include "engine/Articles.hpp"
#include "engine/host/HostReads.hpp"
#include "engine/host/Main.hpp"
#include "engine/host/TypeConv.hpp"

#include <algorithm>
#include <regex>
#include <string>

namespace {

constexpr const char* kQelmSystemName = "QELM";
constexpr const char* kQelmPropertyPrefix = "QELM ";
constexpr const char* kThicknessMissText = "Geen classificatie met juiste dikte gevonden";

using hostaccess::ClassificationPairs;

// The ID of the first item of the QELM system among the pairs that isVisible accepts. Pairs whose
// system or item cannot be read are passed over.
template <typename IsVisible>
bool FindVisibleQelmItem(const ClassificationPairs& pairs, IsVisible isVisible, GS::UniString& itemId) {
    for (const auto& pair : pairs) {
        const auto system = hostaccess::ReadSystem(pair.first);
        // Only an item of the QELM system can be the answer: the others need not be asked about.
        if (!system || system->name != kQelmSystemName || !isVisible(pair.second))
            continue;
        if (const auto item = hostaccess::ReadItem(pair.second)) {
            itemId = item->id;
            return true;
        }
    }
    return false;
}

bool IsDigit(GS::uchar_t ch) {
    return ch >= u'0' && ch <= u'9';
}

// Article numbers are pairs of digits, each closed by a dot: "20.13.05." or a shorter prefix of it.
bool IsValidArticleNumber(const GS::UniString& candidate) {
    for (GS::UIndex i = 0; i < candidate.GetLength(); ++i) {
        const bool valid = i % 3 == 2 ? candidate[i] == u'.' : IsDigit(candidate[i]);
        if (!valid)
            return false;
    }
    return true;
}

// Walls, columns, beams, slabs, roofs, shells and openings get their articles from the builders
// unless they are skeleton construction.
bool IsBuilderType(API_ElemTypeID type) {
    switch (type) {
    case API_WallID:
    case API_ColumnID:
    case API_BeamID:
    case API_SlabID:
    case API_RoofID:
    case API_ShellID:
    case API_OpeningID:
        return true;
    default:
        return false;
    }
}

// The article numbers of one QELM property value: the text before the first blank of each part.
void AppendArticlesFromValue(GS::UniString text, const GS::UniString& propertyName,
                             GS::Array<Article>& articles) {
    text.ReplaceAll("]", "");
    text.ReplaceAll("[", "");
    GS::Array<GS::UniString> parts;
    TypeConv::Split(text, text.Contains("; ") ? GS::UniString("; ") : GS::UniString(", "), parts);
    for (const GS::UniString& part : parts) {
        const GS::UIndex blank = part.FindFirst(u' ');
        if (blank == GS::MaxUIndex || blank == 0)
            continue;
        const GS::UniString candidate = part.GetPrefix(blank);
        if (!IsValidArticleNumber(candidate))
            continue;
        Article article;
        article.code = candidate;
        article.groupIndex = Articles::GetClassificationIndex(candidate, article.message);
        article.propertyName = propertyName;
        article.qelmType = QelmType::kProperty;
        articles.Push(article);
    }
}

} // namespace

bool Articles::GetQELM_Classification(API_Guid& elementGuid, GS::UniString& code, short& groupIndex,
                                      GS::UniString& message) {
    const auto pairs = hostaccess::ReadElementItems(elementGuid);
    if (!pairs)
        return false;
    const auto isVisible = [&elementGuid](const API_Guid& item) {
        return hostaccess::IsElementItemVisible(elementGuid, item);
    };
    GS::UniString itemId;
    if (!FindVisibleQelmItem(*pairs, isVisible, itemId))
        return false;
    code = itemId;
    groupIndex = GetClassificationIndex(itemId, message);
    return true;
}

bool Articles::GetQELM_Classification(API_Element& element, GS::UniString& code, short& groupIndex,
                                      GS::UniString& message) {
    return GetQELM_Classification(element.header.guid, code, groupIndex, message);
}

bool Articles::GetQELM_Classification(API_Attribute& buildingMaterial, Article& article) {
    const API_Attr_Head& header = buildingMaterial.header;
    const auto pairs = hostaccess::ReadMaterialItems(header);
    if (!pairs)
        return false;
    const auto isVisible = [&header](const API_Guid& item) {
        return hostaccess::IsMaterialItemVisible(header, item);
    };
    GS::UniString itemId;
    if (!FindVisibleQelmItem(*pairs, isVisible, itemId))
        return false;
    article.code = itemId;
    article.groupIndex = GetClassificationIndex(itemId, article.message);
    article.qelmType = QelmType::kMaterialCode;
    return true;
}

bool Articles::AppendQELM_ClassificationArticle(API_Guid elementGuid, GS::Array<Article>& articles) {
    Article article;
    if (!GetQELM_Classification(elementGuid, article.code, article.groupIndex, article.message))
        return false;
    article.qelmType = QelmType::kOwnClassification;
    articles.Push(article);
    return true;
}

bool Articles::CompliesToType2Expression(const Article& article) {
    // Built once: constructing the automaton costs far more than one match.
    static const std::regex type2Pattern(R"(^[\d]{2}[.][\d]{2}[.](xx|[0-9]x)[.])", std::regex::ECMAScript);
    return std::regex_match(TypeConv::String2Ansi(article.code), type2Pattern);
}

bool Articles::CompliesToClassification(Article& article,
                                        const GS::Array<ClassificationCondition>& conditions,
                                        bool mustContainX) {
    if (mustContainX && !article.code.Contains(u'x'))
        return false;
    return std::any_of(
        conditions.begin(), conditions.end(),
        [&article](const ClassificationCondition& condition) { return condition.Complies(article.code); });
}

void Articles::SetType2Properties(Article& article, bool millimetres) {
    GS::USize prefixLength = 0;
    const GS::UniString& materialId = article.materialId;
    while (prefixLength < materialId.GetLength() &&
           (IsDigit(materialId[prefixLength]) || materialId[prefixLength] == u'.'))
        ++prefixLength;
    GS::Array<short> indices;
    GetArticleGroupsStartingWith(article.code.GetPrefix(prefixLength), indices);

    article.message = kThicknessMissText;
    const GS::UniString thickness =
        (millimetres ? article.thicknessMm : article.thicknessCm) + (millimetres ? " mm" : " cm");
    const GS::UniString afterBlank = " " + thickness;
    const GS::UniString afterSlash = "/" + thickness;
    for (short index : indices) {
        const ArticleGroup& group = allArticlesGroups[static_cast<GS::UIndex>(index)];
        GS::UniString name = group.name;
        name.Trim();
        name.SetToLowerCase();
        if (name.EndsWith(afterBlank) || name.EndsWith(afterSlash)) {
            article.code = group.code;
            article.groupIndex = group.number;
            article.message.Clear();
            return;
        }
    }
}

void Articles::GetArticlesFromQELM_Properties(API_Element& element, GS::Array<Article>& articles) {
    const API_Guid& guid = element.header.guid;
    const auto definitions = hostaccess::ReadDefinitions(guid, API_PropertyDefinitionFilter_UserDefined);
    if (!definitions)
        return;
    GS::Array<API_Guid> keptIds;
    GS::Array<GS::UniString> keptNames;
    for (const API_PropertyDefinition& definition : *definitions) {
        if (Main::StartsWith(definition.name, kQelmPropertyPrefix) &&
            hostaccess::IsDefinitionVisible(guid, definition.guid)) {
            keptIds.Push(definition.guid);
            keptNames.Push(definition.name);
        }
    }
    if (keptIds.IsEmpty())
        return;
    const auto properties = hostaccess::ReadValues(guid, keptIds);
    if (!properties)
        return;
    // The host answers in the order of the requested definitions; a short answer names no more.
    const GS::USize count = std::min(properties->GetSize(), keptNames.GetSize());
    for (GS::UIndex i = 0; i < count; ++i) {
        const auto text = hostaccess::ReadValueText(guid, (*properties)[i]);
        if (!text || text->IsEmpty())
            continue;
        AppendArticlesFromValue(*text, keptNames[i], articles);
    }
}

void Articles::GetArticlesFromQELM_Classification(API_Element& element, bool skeleton,
                                                  GS::Array<Article>& articles) {
    if (!skeleton && IsBuilderType(element.header.type.typeID))
        return;
    for (const Article& article : articles) {
        if (article.qelmType == QelmType::kMaterialCode)
            return;
    }
    AppendQELM_ClassificationArticle(element.header.guid, articles);
}
