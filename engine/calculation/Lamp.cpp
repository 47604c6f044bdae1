#include "engine/calculation/Lamp.hpp"

#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr UnitChoice kChoices[] = {
    kPiecesChoice,
};

} // namespace

bool Lamp::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

Int32 Lamp::GetPiecesProperty(Article&) {
    return 1;
}
