#include "engine/calculation/Window.hpp"

#include "engine/calculation/HoleReveal.hpp"
#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr Int32 kOuterWidth = 0;
constexpr Int32 kInnerWidth = 1;
constexpr Int32 kOuterHeight = 2;
constexpr Int32 kOuterArea = 13;

double Par(const Article& article, const char* name) {
    return ParameterValue(article, name);
}

std::optional<double> OuterRevealLength(Article&) {
    return OuterRevealPerimeter();
}

std::optional<double> RevealBelowSill(Article& article) {
    return OuterRevealPerimeter(SillHeight(article));
}

std::optional<double> OuterRevealArea(Article& article) {
    return OuterRevealPerimeter() * Par(article, "gs_sill_width");
}

std::optional<double> RevealAreaBelowSill(Article& article) {
    const std::optional<double> depth = ReadRevealDepth(article);
    if (!depth) {
        return std::nullopt;
    }
    return OuterRevealPerimeter(SillHeight(article)) * *depth;
}

constexpr UnitChoice kChoices[] = {
    {"m - property uitbekleding binnenkant buitenschrijnwerk", ChoiceField::Length, "m",
     UserProperty<"Uitbekleding binnenkant buitenschrijnwerk">},
    {"m - uitbekleding dagkant - buiten", ChoiceField::Length, "m", OuterRevealLength},
    {"m - uitbekleding dagkant - buiten minus dorpelhoogte", ChoiceField::Length, "m", RevealBelowSill},
    {"m2 - dagmaat buiten", ChoiceField::Surface, "m2", QuantityValue<kOuterArea>},
    {"m2 - uitbekleding dagkant - buiten", ChoiceField::Surface, "m2", OuterRevealArea},
    {"m2 - uitbekleding dagkant - buiten minus dorpelhoogte", ChoiceField::Surface, "m2",
     RevealAreaBelowSill},
    {"m2 - uitbekleding dagkant - binnen", ChoiceField::Surface, "m2", InnerRevealArea},
    kPiecesChoice,
};

constexpr const char* kInnerLiningNames[] = {
    "QELM binnenschilderwerken", "QELM uitbekleding buitenramen/en -deuren",
    "QELM uitbekleding binnenkant buitenschrijnwerk", "QELM wandbepleistering dagkanten"};
constexpr const char* kOuterLiningNames[] = {"QELM buitenschilderwerken", "QELM uitbekleding dagkanten"};
constexpr const char* kSillNames[] = {"QELM raam - en deurdorpels", "QELM raamdorpels"};

constexpr const char* kRevealLiningNames[] = {
    "QELM uitbekleding binnenkant buitenschrijnwerk", "QELM wandbepleistering dagkanten",
    "QELM gevelbekleding dagkant ramen/deuren", "QELM uitbekleding dagkanten"};
constexpr const char* kInnerFinishNames[] = {"QELM binnenschilderwerken", "QELM behangwerken"};

double WindowBoardArea(Article& article) {
    const double boardWidth = Par(article, "gs_board_width");
    article.size2 = Calculation::Value(kInnerWidth);
    article.size4 = boardWidth;
    return Calculation::Value(kInnerWidth) * boardWidth;
}

} // namespace

bool Window::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

double Window::GetLengthProperty(Article& article) {
    if (NameMatchesAny(article, kInnerLiningNames)) {
        return Property(article, "Uitbekleding binnenkant buitenschrijnwerk");
    }
    if (NameMatchesAny(article, kOuterLiningNames)) {
        return Property(article, "Uitbekleding buitenkant buitenschrijnwerk");
    }
    if (NameMatchesAny(article, kSillNames)) {
        return Property(article, "Lengte dorpel");
    }
    if (article.propertynameMatches("QELM ventilatierooster")) {
        return Property(article, "Lengte ventilatierooster");
    }
    if (article.propertynameMatches("QELM venstertabletten")) {
        return Calculation::Value(kInnerWidth);
    }
    return -1.0;
}

double Window::GetSurfaceProperty(Article& article) {
    if (article.qelmType == QelmType::kOwnClassification || article.propertynameMatches("QELM zonnewering")) {
        article.size2 = Calculation::Value(kOuterWidth);
        article.size3 = Calculation::Value(kOuterHeight);
        return Calculation::Value(kOuterArea);
    }
    if (article.propertynameMatches("QELM raam - en deurdorpels")) {
        return SillArea(article);
    }
    if (article.propertynameMatches("QELM venstertabletten")) {
        return WindowBoardArea(article);
    }
    if (NameMatchesAny(article, kRevealLiningNames)) {
        return RevealLiningArea(article);
    }
    if (NameMatchesAny(article, kInnerFinishNames)) {
        return InnerFinishArea(article);
    }
    if (article.propertynameMatches("QELM buitenschilderwerken")) {
        return OuterPaintworkArea(article);
    }
    if (article.propertynameMatches("QELM retour gevelmetselwerk")) {
        return ReturnBrickworkArea(article);
    }
    return -1.0;
}

double Window::GetVolumeProperty(Article& article) {
    if (!article.propertynameMatches("QELM raam - en deurdorpels")) {
        return -1.0;
    }
    const double sillWidth = Par(article, "gs_sill_width");
    const double sillThickness = Par(article, "gs_sill_thk");
    article.size2 = Calculation::Value(kOuterWidth);
    article.size3 = sillThickness;
    article.size4 = sillWidth;
    return Calculation::Value(kOuterWidth) * sillWidth * sillThickness;
}

Int32 Window::GetPiecesProperty(Article&) {
    return 1;
}
