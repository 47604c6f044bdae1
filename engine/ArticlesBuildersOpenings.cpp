// Skin and section builder of openings: one article per opening, after checks of how it sits in its
// host; only an opening that passes every check is looked up in the QELM classification.
#include "engine/Articles.hpp"
#include "engine/host/Main.hpp"

namespace {

constexpr const char* kNotThroughMessage = "De opening is niet door de gehele vloer- of wand geplaatst.";
constexpr const char* kVerticalInWallMessage = "Een opening in een wand mag niet verticaal zijn.";
constexpr const char* kHorizontalInSlabMessage = "Een opening in een vloer mag niet horizontaal zijn.";
constexpr const char* kNoWallOrSlabMessage = "De opening is niet in een vloer of wand geplaatst.";
constexpr const char* kCustomPolygonMessage = "Een opening mag geen custom profiel bevatten.";

// The report text of the opening's placement; "" when it passes. The last failing check decides.
GS::UniString CheckPlacement(const API_OpeningType& opening) {
    GS::UniString message;
    if (opening.limitType != APIOpeningLimit_Infinite)
        message = kNotThroughMessage;
    API_Element owner;
    if (Main::GetElement(opening.owner, owner)) {
        switch (owner.header.type.typeID) {
        case API_WallID:
            if (opening.direction == APIOpeningDirection_Vertical)
                message = kVerticalInWallMessage;
            break;
        case API_SlabID:
            if (opening.direction == APIOpeningDirection_Horizontal)
                message = kHorizontalInSlabMessage;
            break;
        default:
            message = kNoWallOrSlabMessage;
            break;
        }
    }
    if (opening.basePolygonType == APIOpeningBasePolygon_Custom)
        message = kCustomPolygonMessage;
    return message;
}

} // namespace

GS::UniString Articles::GetArticlesFromOpening(API_Element element, GS::Array<Article>& articles) {
    Article article;
    GS::UniString message;
    API_Element opening;
    if (Main::GetElement(element.header.guid, opening))
        message = CheckPlacement(opening.opening);
    if (message.IsEmpty()) {
        GS::UniString code;
        short groupIndex = -1;
        if (GetQELM_Classification(element.header.guid, code, groupIndex, message)) {
            article.code = code;
            article.groupIndex = groupIndex;
            article.qelmType = QelmType::kOwnClassification;
        }
    }
    article.message = message;
    articles.Push(article);
    return GS::UniString();
}
