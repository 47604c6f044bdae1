#include "engine/calculation/Stair.hpp"

#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr Int32 kProjectedArea = 0;
constexpr Int32 kVolume = 1;
constexpr Int32 kPieces = 5;

constexpr UnitChoice kChoices[] = {
    kPiecesChoice,
    {"st - aantal treden", ChoiceField::Pieces, "st", UserProperty<"Aantal treden per trap">},
    {"m2 - projectie oppervlakte", ChoiceField::Surface, "m2", QuantityValue<kProjectedArea>},
    {"m3 - volume", ChoiceField::Volume, "m3", QuantityValue<kVolume>},
};

} // namespace

bool Stair::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

double Stair::GetSurfaceProperty(Article&) {
    return Calculation::Value(kProjectedArea);
}

Int32 Stair::GetPiecesProperty(Article& article) {
    return article.Starts("53.") ? Calculation::IntegerInSecondHalf(kPieces) : 1;
}

Int32 Stair::GetRiserProperty(Article& article) {
    return TruncateToInt32(Property(article, "Aantal treden per trap"));
}
