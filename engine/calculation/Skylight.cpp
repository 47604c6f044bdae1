#include "engine/calculation/Skylight.hpp"

#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr Int32 kSide = 0;
constexpr Int32 kOtherSide = 1;
constexpr Int32 kOpeningArea = 2;

constexpr const char* kRevealName = "QELM uitbekleding daglichtopeningen";

double Perimeter() {
    return 2.0 * (Calculation::Value(kSide) + Calculation::Value(kOtherSide));
}

// "Dikte dak" of the owner roof; nullopt when the skylight cannot be read or its roof not in two tries.
std::optional<double> RoofThickness(const Article& article) {
    API_Element skylight;
    if (!Main::GetElement(article.guid, skylight)) {
        return std::nullopt;
    }
    API_Element roof;
    if (!Main::GetElement(skylight.skylight.owner, roof) &&
        !Main::GetElement(skylight.skylight.owner, roof)) {
        return std::nullopt;
    }
    return Main::GetUserDefinedProperty(roof, "Dikte dak");
}

std::optional<double> PerimeterChoice(Article&) {
    return Perimeter();
}

std::optional<double> RevealLining(Article& article) {
    const std::optional<double> thickness = RoofThickness(article);
    if (!thickness || *thickness <= 0.0) {
        return std::nullopt;
    }
    return *thickness * Perimeter();
}

constexpr UnitChoice kChoices[] = {
    {"m - omtrek", ChoiceField::Length, "m", PerimeterChoice},
    {"m2 - dagmaat", ChoiceField::Surface, "m2", QuantityValue<kOpeningArea>},
    {"m2 - uitbekleding daglichtopeningen", ChoiceField::Surface, "m2", RevealLining},
    kPiecesChoice,
};

} // namespace

bool Skylight::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

double Skylight::GetLengthProperty(Article& article) {
    if (article.qelmType == QelmType::kProperty && article.propertynameMatches(kRevealName)) {
        return Perimeter();
    }
    return -1.0;
}

double Skylight::GetSurfaceProperty(Article& article) {
    double result = -1.0;
    if (article.propertynameMatches(kRevealName)) {
        if (const std::optional<double> thickness = RoofThickness(article)) {
            result = *thickness > 0.0 ? *thickness * Perimeter() : *thickness;
        }
    }
    if (result == 0.0 && article.qelmType == QelmType::kOwnClassification) {
        return Calculation::Value(kOpeningArea);
    }
    return result;
}

Int32 Skylight::GetPiecesProperty(Article&) {
    return 1;
}
