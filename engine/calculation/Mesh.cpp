#include "engine/calculation/Mesh.hpp"

#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr Int32 kTop = 1;
constexpr Int32 kVolume = 3;
constexpr Int32 kProjectedArea = 7;

constexpr UnitChoice kChoices[] = {
    {"m2 - bovenkant", ChoiceField::Surface, "m2", QuantityValue<kTop>},
    {"m2 - projectie oppervlakte", ChoiceField::Surface, "m2", QuantityValue<kProjectedArea>},
    {"m3 - volume", ChoiceField::Volume, "m3", QuantityValue<kVolume>},
    kWeightChoice,
    kTonChoice,
    kPiecesChoice,
};

} // namespace

bool Mesh::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

double Mesh::GetLengthProperty(Article&) {
    return 0.0;
}

double Mesh::GetSurfaceProperty(Article& article) {
    return Calculation::Value(article.Starts("10.") ? kProjectedArea : kTop);
}

double Mesh::GetVolumeProperty(Article&) {
    return Calculation::Value(kVolume);
}

double Mesh::GetWeightProperty(Article& article) {
    Calculation::GetSpecificWeightProperty(article);
    return Property(article, "Gewicht materiaal");
}

double Mesh::GetTonProperty(Article& article) {
    return Property(article, "Grondverzet");
}
