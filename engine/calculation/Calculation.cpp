#include "engine/calculation/Calculation.hpp"

#include "engine/host/HostReads.hpp"
#include "engine/host/Main.hpp"

#include <cstring>
#include <limits>

API_ElementQuantity Calculation::quantity{};
GS::Array<API_CompositeQuantity> Calculation::composites;
GS::Array<API_ElemPartQuantity> Calculation::elemPartQuantities;
GS::Array<API_ElemPartCompositeQuantity> Calculation::elemPartComposites;
API_QuantityPar Calculation::params{};
API_Quantities Calculation::quantities{};

namespace {

constexpr double kMinOpeningSize = 1e-7;
constexpr double kUnread = std::numeric_limits<double>::quiet_NaN();

bool recordRead = false;

} // namespace

bool Calculation::GetElementParameters(API_Element element) {
    std::memset(&params, 0, sizeof params);
    params.minOpeningSize = kMinOpeningSize;
    quantities.elements = &quantity;
    quantities.composites = &composites;
    quantities.elemPartQuantities = &elemPartQuantities;
    quantities.elemPartComposites = &elemPartComposites;
    recordRead = hostaccess::ReadQuantities(element.header.guid, params, quantities);
    return recordRead;
}

void Calculation::GetSpecificWeightProperty(Article& article) {
    double weight = Main::GetUserDefinedProperty(article.guid, "Handelsgewicht (kg/m)");
    const char* suffix = " kg/m";
    // Only a trade weight of exactly zero falls back; a missing one (-1.0) does not.
    if (weight == 0.0) {
        weight = Main::GetUserDefinedProperty(article.guid, "Soortelijk gewicht (kg/m3)");
        suffix = " kg/m3";
    }
    if (weight > 0.0)
        article.extraInfo2 = GS::UniString::Printf("%3.0f", weight) + suffix;
}

double Calculation::Value(Int32 n) {
    if (!recordRead)
        return kUnread;
    if (n < 0 || n >= API_QuantityValueCount)
        return -1.0;
    return quantity.values[n];
}

Int32 Calculation::IntegerInSecondHalf(Int32 n) {
    if (!recordRead || n < 0 || n >= API_QuantityValueCount)
        return -1;
    return quantity.IntegerInValue(n, 1);
}

bool Calculation::HasSkinRow(const Article& article) {
    return recordRead && article.skinIndex >= 0 &&
           static_cast<GS::USize>(article.skinIndex) < composites.GetSize();
}

double Calculation::SkinVolume(const Article& article) {
    if (!recordRead)
        return kUnread;
    return HasSkinRow(article) ? composites[static_cast<GS::UIndex>(article.skinIndex)].volumes : -1.0;
}

double Calculation::SkinProjectedArea(const Article& article) {
    if (!recordRead)
        return kUnread;
    return HasSkinRow(article) ? composites[static_cast<GS::UIndex>(article.skinIndex)].projectedArea : -1.0;
}
