#include "engine/calculation/Railing.hpp"

#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr UnitChoice kChoices[] = {
    {"m - lengte volgens referentielijn", ChoiceField::Length, "m", UserProperty<"Lengte reling">},
    kPiecesChoice,
};

} // namespace

bool Railing::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

double Railing::GetLengthProperty(Article& article) {
    return Property(article, "Lengte reling");
}

Int32 Railing::GetPiecesProperty(Article&) {
    return 1;
}
