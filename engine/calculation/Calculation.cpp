#include "engine/calculation/Calculation.hpp"

#include "engine/host/Main.hpp"
#include "engine/host/TakeoffCache.hpp"

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

// Assigning a fresh array drops the rows and their storage (clear alone keeps the capacity).
template <typename T> void Release(GS::Array<T>& rows) {
    rows = GS::Array<T>();
}

} // namespace

void Calculation::ClearBuffers() {
    quantity = API_ElementQuantity{};
    Release(composites);
    Release(elemPartQuantities);
    Release(elemPartComposites);
}

bool Calculation::GetElementParameters(API_Element element) {
    hostaccess::TakeoffCache* cache = hostaccess::TakeoffCache::Active();
    if (cache != nullptr && cache->HoldsQuantitiesOf(element.header.guid, recordRead))
        return recordRead;
    ClearBuffers();
    std::memset(&params, 0, sizeof params);
    params.minOpeningSize = kMinOpeningSize;

    quantities.elements = &quantity;
    quantities.composites = &composites;
    quantities.elemPartQuantities = &elemPartQuantities;
    quantities.elemPartComposites = &elemPartComposites;

    API_QuantitiesMask mask;
    std::memset(&mask, 0xFF, sizeof mask);
    recordRead = ACAPI_Element_GetQuantities(element.header.guid, &params, &quantities, &mask) == NoError;
    // A failed request may have written part of the buffers.
    if (!recordRead)
        ClearBuffers();
    if (cache != nullptr)
        cache->QuantitiesFetched(element.header.guid, recordRead);
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
