#include "engine/calculation/CurtainWall.hpp"

#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr Int32 kSurface = 15;
constexpr Int32 kReferenceLength = 16;

constexpr UnitChoice kChoices[] = {
    {"m - referentielijn", ChoiceField::Length, "m", QuantityValue<kReferenceLength>},
    {"m2 - oppervlakte", ChoiceField::Surface, "m2", QuantityValue<kSurface>},
    kPiecesChoice,
};

} // namespace

bool CurtainWall::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

double CurtainWall::GetLengthProperty(Article&) {
    return 0.0;
}

double CurtainWall::GetSurfaceProperty(Article&) {
    return 0.0;
}

double CurtainWall::GetVolumeProperty(Article&) {
    return 0.0;
}

Int32 CurtainWall::GetPiecesProperty(Article&) {
    return 1;
}

double CurtainWall::GetWeightProperty(Article&) {
    return 0.0;
}

double CurtainWall::GetTonProperty(Article&) {
    return 0.0;
}

double CurtainWall::GetKwProperty(Article&) {
    return 0.0;
}

double CurtainWall::GetDm2Property(Article&) {
    return 0.0;
}

double CurtainWall::GetDm3Property(Article&) {
    return 0.0;
}

Int32 CurtainWall::GetRiserProperty(Article&) {
    return 0;
}
