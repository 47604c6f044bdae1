#include "engine/calculation/Shell.hpp"

#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr Int32 kBottom = 0;
constexpr Int32 kVolume = 5;

std::optional<double> SkinAreaOrBottom(Article& article) {
    return SkinAreaElse(article, kBottom);
}

constexpr UnitChoice kChoices[] = {
    {"m2 - oppervlakte onderkant shell of shellonderdeel", ChoiceField::Surface, "m2", SkinAreaOrBottom},
    {"m2 - projectie oppervlakte", ChoiceField::Surface, "m2",
     UserProperty<"Projectie oppervlakte dak of shell">},
    {"m3 - volume", ChoiceField::Volume, "m3", QuantityValue<kVolume>},
    kPiecesChoice,
    kWeightChoiceWithSpecificWeight,
    kTonChoice,
};

} // namespace

bool Shell::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

double Shell::GetLengthProperty(Article&) {
    return 0.0;
}

double Shell::GetSurfaceProperty(Article& article) {
    return SkinAreaElse(article, kBottom);
}

double Shell::GetVolumeProperty(Article& article) {
    article.size4 = Property(article, "Dikte dak");
    return SkinVolumeElse(article, kVolume);
}

Int32 Shell::GetPiecesProperty(Article&) {
    return 1;
}
