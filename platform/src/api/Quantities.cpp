// Element quantities of the stand-in host: only the values the element has are written.
#include "ACAPinc.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/HostCalls.hpp"

using hostplatform::Faults;
using hostplatform::HostCalls;

namespace {

bool ValidNumber(Int32 number) {
    return number >= 0 && number < API_QuantityValueCount;
}

void WriteValues(const hostplatform::Element& element, API_ElementQuantity& out) {
    for (const hostplatform::QuantityValue& value : element.quantities)
        if (ValidNumber(value.number))
            out.values[value.number] = value.value;
    for (const hostplatform::QuantityInteger& integer : element.quantityIntegers)
        if (ValidNumber(integer.number) && (integer.half == 0 || integer.half == 1))
            out.SetIntegerInValue(integer.number, integer.half, integer.value);
}

} // namespace

GSErrCode ACAPI_Element_GetQuantities(API_Guid elemGuid, const API_QuantityPar*, API_Quantities* quantities,
                                      const API_QuantitiesMask*) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__, elemGuid))
        return *fault;
    if (quantities == nullptr)
        return APIERR_BADPARS;
    const hostplatform::Element* element = hostplatform::CurrentProject().FindElement(elemGuid);
    if (element == nullptr)
        return APIERR_BADID;

    if (quantities->elements != nullptr)
        WriteValues(*element, *quantities->elements);
    if (quantities->composites != nullptr) {
        quantities->composites->Clear();
        for (const API_CompositeQuantity& row : element->composites)
            quantities->composites->Push(row);
    }
    if (quantities->elemPartQuantities != nullptr)
        quantities->elemPartQuantities->Clear();
    if (quantities->elemPartComposites != nullptr)
        quantities->elemPartComposites->Clear();
    return NoError;
}
