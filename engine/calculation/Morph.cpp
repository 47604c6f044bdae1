#include "engine/calculation/Morph.hpp"

#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr Int32 kSurface = 0;
constexpr Int32 kVolume = 1;
constexpr Int32 kBasePerimeter = 3;

constexpr UnitChoice kChoices[] = {
    {"m - omtrek grondvlak", ChoiceField::Length, "m", QuantityValue<kBasePerimeter>},
    {"m2 - oppervlakte alle zijden", ChoiceField::Surface, "m2", QuantityValue<kSurface>},
    {"m3 - volume", ChoiceField::Volume, "m3", QuantityValue<kVolume>},
    kPiecesChoice,
    kWeightChoiceWithSpecificWeight,
    kTonChoice,
};

} // namespace

bool Morph::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

double Morph::GetLengthProperty(Article&) {
    return Calculation::Value(kBasePerimeter);
}

double Morph::GetSurfaceProperty(Article&) {
    return Calculation::Value(kSurface);
}

double Morph::GetVolumeProperty(Article&) {
    return Calculation::Value(kVolume);
}

Int32 Morph::GetPiecesProperty(Article&) {
    return 1;
}

double Morph::GetWeightProperty(Article& article) {
    Calculation::GetSpecificWeightProperty(article);
    return Property(article, "Gewicht materiaal");
}

double Morph::GetTonProperty(Article& article) {
    return Property(article, "Grondverzet");
}
