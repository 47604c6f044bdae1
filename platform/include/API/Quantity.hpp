// Quantity records of the stand-in host. The element record holds the quantity values of one element
// as consecutive 8-byte values, addressed by value number; a 32-bit integer sits in one half of a value.
#pragma once

#include "API/Types.hpp"
#include "GS/Array.hpp"

#include <cstring>
#include <type_traits>

constexpr Int32 API_QuantityValueCount = 64;

struct API_ElementQuantity {
    double values[API_QuantityValueCount];

    // The 32-bit integer in the given half (0 first four bytes, 1 last four) of value n.
    Int32 IntegerInValue(Int32 n, Int32 half) const {
        Int32 v;
        std::memcpy(&v, reinterpret_cast<const char*>(&values[n]) + 4 * half, sizeof v);
        return v;
    }
    void SetIntegerInValue(Int32 n, Int32 half, Int32 v) {
        std::memcpy(reinterpret_cast<char*>(&values[n]) + 4 * half, &v, sizeof v);
    }
};
static_assert(std::is_trivially_copyable_v<API_ElementQuantity>);

// One row per skin of a composite or per part of a complex profile: 40 bytes, volume at byte 16,
// projected area at byte 24.
struct API_CompositeQuantity {
    API_AttributeIndex buildMatIndices;
    Int32 flags;
    double thickness;
    double volumes;
    double projectedArea;
    double reserved;
};
static_assert(sizeof(API_CompositeQuantity) == 40);
static_assert(offsetof(API_CompositeQuantity, volumes) == 16);
static_assert(offsetof(API_CompositeQuantity, projectedArea) == 24);

struct API_ElemPartId {
    Int32 main = 0;
    Int32 sub = 0;
    Int32 floor = 0;
};
struct API_ElemPartQuantity {
    API_ElemPartId partId;
    API_ElementQuantity quantity;
};
struct API_ElemPartCompositeQuantity {
    API_ElemPartId partId;
    GS::Array<API_CompositeQuantity> composites;
};

struct API_QuantityPar {
    double minOpeningSize;
    char reserved[64];
};

// The request's out-pointers; a null pointer means "not asked".
struct API_Quantities {
    API_ElementQuantity* elements = nullptr;
    GS::Array<API_CompositeQuantity>* composites = nullptr;
    GS::Array<API_ElemPartQuantity>* elemPartQuantities = nullptr;
    GS::Array<API_ElemPartCompositeQuantity>* elemPartComposites = nullptr;
};

// Which quantities to compute; every byte 0xFF asks for all.
struct API_QuantitiesMask {
    UInt8 elements[API_QuantityValueCount];
    UInt8 composites[8];
    UInt8 elemPartQuantities[8];
    UInt8 elemPartComposites[8];
};
