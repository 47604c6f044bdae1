#include "engine/calculation/Slab.hpp"

#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr Int32 kBottom = 0;
constexpr Int32 kTop = 1;
constexpr Int32 kVolume = 5;
constexpr Int32 kPerimeter = 7;

constexpr const char* kPerimeterWithoutOpenings = "Omtrek vloer zonder openingen";

std::optional<double> SkinAreaOrTop(Article& article) {
    return SkinAreaElse(article, kTop);
}

constexpr UnitChoice kChoices[] = {
    kWeightChoice,
    {"m - omtrek zonder openingen", ChoiceField::Length, "m", UserProperty<"Omtrek vloer zonder openingen">},
    {"m - omtrek", ChoiceField::Length, "m", QuantityValue<kPerimeter>},
    {"m2 - oppervlakte onderkant", ChoiceField::Surface, "m2", QuantityValue<kBottom>},
    {"m2 - oppervlakte bovenkant", ChoiceField::Surface, "m2", QuantityValue<kTop>},
    {"m2 - projectie oppervlakte", ChoiceField::Surface, "m2", SkinAreaOrTop},
    {"m3 - volume", ChoiceField::Volume, "m3", QuantityValue<kVolume>},
    kPiecesChoice,
    kTonChoice,
};

constexpr const char* kPerimeterPrefixes[] = {"13.2"};
constexpr const char* kPerimeterCodes[] = {"23.52.", "23.53."};
constexpr const char* kPerimeterLaterPrefixes[] = {"37.21.", "37.31.", "37.32."};

constexpr const char* kTopSurfacePrefixes[] = {"90.1", "90.2", "91.5", "93.4"};

} // namespace

bool Slab::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

double Slab::GetLengthProperty(Article& article) {
    if (article.Equals("28.64.")) {
        return 0.5 * Calculation::Value(kPerimeter);
    }
    if (StartsAny(article, kPerimeterPrefixes) || EqualsAny(article, kPerimeterCodes) ||
        StartsAny(article, kPerimeterLaterPrefixes)) {
        return Property(article, kPerimeterWithoutOpenings);
    }
    return -1.0;
}

double Slab::GetSurfaceProperty(Article& article) {
    if (article.propertynameMatches("QELM maaien van grasmatten")) {
        return Calculation::Value(kTop);
    }
    if (article.propertynameMatches("QELM zicht beton")) {
        return Calculation::Value(kBottom);
    }
    if (article.propertynameMatches("QELM vloerverwarming")) {
        return SkinAreaElse(article, kTop);
    }
    if (StartsAny(article, kTopSurfacePrefixes)) {
        return Calculation::Value(kTop);
    }
    return SkinAreaElse(article, kTop);
}

double Slab::GetVolumeProperty(Article& article) {
    return SkinVolumeElse(article, kVolume);
}

Int32 Slab::GetPiecesProperty(Article&) {
    return 1;
}

double Slab::GetWeightProperty(Article& article) {
    return Property(article, "Gewicht materiaal");
}

double Slab::GetTonProperty(Article& article) {
    return Property(article, "Grondverzet");
}
