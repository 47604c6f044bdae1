#include "engine/calculation/Opening.hpp"

#include "engine/calculation/UnitChoice.hpp"

#include <numbers>

using namespace calc;

namespace {

constexpr UnitChoice kChoices[] = {
    {"m3 - volume", ChoiceField::UnitOnly, "m3", nullptr},
};

// The owner's thickness; 0.0 when the owner cannot be read, nullopt for an owner of another type.
std::optional<double> OwnerThickness(const API_Guid& owner) {
    API_Element element;
    if (!Main::GetElement(owner, element)) {
        return 0.0;
    }
    switch (element.header.type.typeID) {
    case API_SlabID:
        return element.slab.thickness;
    case API_WallID:
        return element.wall.thickness;
    default:
        return std::nullopt;
    }
}

std::optional<double> Area(const API_OpeningType& opening) {
    switch (opening.basePolygonType) {
    case APIOpeningBasePolygon_Rectangular:
        return opening.width * opening.height;
    case APIOpeningBasePolygon_Circular:
        // Square the radius first: (pi * r) * r differs from pi * r^2 in the last bit.
        return std::numbers::pi * ((opening.width / 2.0) * (opening.width / 2.0));
    default:
        return std::nullopt;
    }
}

} // namespace

bool Opening::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

double Opening::GetVolumeProperty(Article& article) {
    API_Element element;
    if (!Main::GetElement(article.guid, element)) {
        return -1.0;
    }
    const std::optional<double> thickness = OwnerThickness(element.opening.owner);
    if (!thickness) {
        return -1.0;
    }
    const std::optional<double> area = Area(element.opening);
    if (!area) {
        return -1.0;
    }
    return *thickness * *area;
}
