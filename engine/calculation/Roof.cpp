#include "engine/calculation/Roof.hpp"

#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr Int32 kTop = 1;
constexpr Int32 kBottom = 3;
constexpr Int32 kSecondSurface = 4;
constexpr Int32 kVolume = 5;
constexpr Int32 kPerimeter = 7;

// Below this the bottom surface counts as missing.
constexpr double kNoSurface = 1e-6;

std::optional<double> SkinAreaOrTop(Article& article) {
    return SkinAreaElse(article, kTop);
}

constexpr UnitChoice kChoices[] = {
    {"m - omtrek", ChoiceField::Length, "m", QuantityValue<kPerimeter>},
    {"m2 - oppervlakte onderkant dak", ChoiceField::Surface, "m2", QuantityValue<kBottom>},
    {"m2 - projectie oppervlakte", ChoiceField::Surface, "m2",
     UserProperty<"Projectie oppervlakte dak of shell">},
    {"m2 - oppervlakte bovenkant dak of dakonderdeel", ChoiceField::Surface, "m2", SkinAreaOrTop},
    {"m3 - volume", ChoiceField::Volume, "m3", QuantityValue<kVolume>},
    kPiecesChoice,
    kWeightChoiceWithSpecificWeight,
    kTonChoice,
};

// The roof coverings, in the order tested.
constexpr const char* kCoveringCodes[] = {"33.23.", "33.24.", "33.31.10.", "33.32."};
constexpr const char* kCoveringPrefixes[] = {"33.41.", "33.52.", "34.", "35."};
constexpr const char* kCoveringLaterCodes[] = {"50.21.11.", "50.21.21.", "50.21.31.", "50.21.41.", "50.30."};
constexpr const char* kCoveringLaterPrefixes[] = {"51.51.", "51.53."};

// Coverings that fall back on the second surface when the bottom one is missing.
constexpr const char* kSecondSurfaceCodes[] = {"33.32."};
constexpr const char* kSecondSurfacePrefixes[] = {"33.41.", "33.52.", "34.", "35."};

bool IsCovering(const Article& article) {
    return EqualsAny(article, kCoveringCodes) || StartsAny(article, kCoveringPrefixes) ||
           EqualsAny(article, kCoveringLaterCodes) || StartsAny(article, kCoveringLaterPrefixes);
}

double CoveringSurface(const Article& article) {
    const double bottom = Calculation::Value(kBottom);
    if (bottom >= kNoSurface) {
        return bottom;
    }
    if (EqualsAny(article, kSecondSurfaceCodes) || StartsAny(article, kSecondSurfacePrefixes)) {
        return Calculation::Value(kSecondSurface);
    }
    return bottom;
}

} // namespace

bool Roof::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

double Roof::GetLengthProperty(Article&) {
    return Calculation::Value(kPerimeter);
}

double Roof::GetSurfaceProperty(Article& article) {
    if (IsCovering(article)) {
        return CoveringSurface(article);
    }
    if (article.qelmType == QelmType::kOwnClassification && article.Starts("36.5")) {
        return Calculation::Value(kTop);
    }
    return SkinAreaElse(article, kTop);
}

double Roof::GetVolumeProperty(Article& article) {
    article.size4 = Property(article, "Dikte dak");
    return SkinVolumeElse(article, kVolume);
}

Int32 Roof::GetPiecesProperty(Article&) {
    return 1;
}
