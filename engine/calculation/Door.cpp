#include "engine/calculation/Door.hpp"

#include "engine/calculation/HoleReveal.hpp"
#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr Int32 kOuterWidth = 0;
constexpr Int32 kOuterHeight = 2;
constexpr Int32 kOuterArea = 13;

double Par(const Article& article, const char* name) {
    return ParameterValue(article, name);
}

std::optional<double> RevealBelowSillWidth(Article& article) {
    return OuterRevealPerimeter(Par(article, "gs_sill_width"));
}

std::optional<double> OuterRevealLength(Article&) {
    return OuterRevealPerimeter();
}

std::optional<double> RevealAreaBelowSillWidth(Article& article) {
    const std::optional<double> depth = ReadRevealDepth(article);
    if (!depth) {
        return std::nullopt;
    }
    return OuterRevealPerimeter(Par(article, "gs_sill_width")) * *depth;
}

std::optional<double> OuterRevealArea(Article& article) {
    return OuterRevealPerimeter() * Par(article, "gs_wido_sill");
}

constexpr UnitChoice kChoices[] = {
    {"m - uitbekleding dagkant - buiten minus dorpelhoogte", ChoiceField::Length, "m", RevealBelowSillWidth},
    {"m - uitbekleding dagkant - buiten", ChoiceField::Length, "m", OuterRevealLength},
    {"m - property uitbekleding binnenkant buitenschrijnwerk", ChoiceField::Length, "m",
     UserProperty<"Uitbekleding binnenkant buitenschrijnwerk">},
    {"m2 - dagmaat buiten", ChoiceField::Surface, "m2", QuantityValue<kOuterArea>},
    {"m2 - uitbekleding dagkant - buiten minus dorpelhoogte", ChoiceField::Surface, "m2",
     RevealAreaBelowSillWidth},
    {"m2 - uitbekleding dagkant - buiten", ChoiceField::Surface, "m2", OuterRevealArea},
    {"m2 - uitbekleding dagkant - binnen", ChoiceField::Surface, "m2", InnerRevealArea},
    kPiecesChoice,
};

constexpr const char* kInnerLiningNames[] = {"QELM binnenschilderwerken",
                                             "QELM uitbekleding buitenramen/en -deuren",
                                             "QELM wandbepleistering dagkanten"};
constexpr const char* kSillNames[] = {"QELM raam - en deurdorpels"};
constexpr const char* kOuterLiningNames[] = {"QELM buitenschilderwerken", "QELM uitbekleding dagkanten"};

constexpr const char* kInnerFinishNames[] = {"QELM binnenschilderwerken", "QELM behangwerken"};
constexpr const char* kRevealLiningNames[] = {
    "QELM uitbekleding binnenkant buitenschrijnwerk", "QELM wandbepleistering dagkanten",
    "QELM gevelbekleding dagkant ramen/deuren", "QELM uitbekleding dagkanten"};
constexpr const char* kSillVolumeNames[] = {"QELM garagepoortdorpels", "QELM raam - en deurdorpels"};

double IntermediateSill(Article& article) {
    article.size2 = Calculation::Value(kOuterWidth);
    if (const std::optional<WallOpening> opening = ReadWallOpening(article)) {
        article.size4 = opening->wallThickness;
    }
    return Property(article, "Tussendorpel binnendeur");
}

double SurfaceByProperty(Article& article) {
    if (article.propertynameMatches("QELM tussendorpel binnendeur")) {
        return IntermediateSill(article);
    }
    if (NameMatchesAny(article, kInnerFinishNames)) {
        return InnerFinishArea(article);
    }
    if (article.propertynameMatches("QELM buitenschilderwerken")) {
        return OuterPaintworkArea(article);
    }
    if (NameMatchesAny(article, kRevealLiningNames)) {
        return RevealLiningArea(article);
    }
    if (article.propertynameMatches("QELM retour gevelmetselwerk")) {
        return ReturnBrickworkArea(article);
    }
    return SillArea(article);
}

} // namespace

bool Door::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

double Door::GetLengthProperty(Article& article) {
    if (NameMatchesAny(article, kInnerLiningNames)) {
        return Property(article, "Uitbekleding binnenkant buitenschrijnwerk");
    }
    if (NameMatchesAny(article, kSillNames)) {
        return Property(article, "Lengte dorpel");
    }
    if (NameMatchesAny(article, kOuterLiningNames)) {
        return Property(article, "Uitbekleding buitenkant buitenschrijnwerk");
    }
    return -1.0;
}

double Door::GetSurfaceProperty(Article& article) {
    if (article.qelmType == QelmType::kOwnClassification) {
        article.size2 = Calculation::Value(kOuterWidth);
        article.size3 = Calculation::Value(kOuterHeight);
        return Calculation::Value(kOuterArea);
    }
    if (article.qelmType == QelmType::kProperty) {
        return SurfaceByProperty(article);
    }
    return -1.0;
}

double Door::GetVolumeProperty(Article& article) {
    const double sillWidth = Par(article, "gs_sill_width");
    const double sillThickness = Par(article, "gs_sill_thk");
    article.size2 = Calculation::Value(kOuterWidth);
    article.size3 = sillThickness;
    article.size4 = sillWidth;
    if (!NameMatchesAny(article, kSillVolumeNames)) {
        return -1.0;
    }
    return Calculation::Value(kOuterWidth) * sillWidth * sillThickness;
}

Int32 Door::GetPiecesProperty(Article&) {
    return 1;
}
