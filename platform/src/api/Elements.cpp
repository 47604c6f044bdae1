// Element lists, element records, collisions and selection kinds of the stand-in host.
#include "ACAPinc.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/HostCalls.hpp"

#include <algorithm>

using hostplatform::CurrentProject;
using hostplatform::Faults;
using hostplatform::HostCalls;

GSErrCode ACAPI_Element_GetElemList(const API_ElemType& type, GS::Array<API_Guid>* elemList, GSFlags,
                                    const API_Guid&) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    if (elemList == nullptr)
        return APIERR_BADPARS;
    const std::vector<API_Guid>& guids = CurrentProject().ElementsOfType(type.typeID);
    elemList->AsVector().assign(guids.begin(), guids.end());
    return NoError;
}

GSErrCode ACAPI_Element_Get(API_Element* element, UInt64) {
    const HostCalls::Call counted(__func__);
    if (element == nullptr)
        return APIERR_BADPARS;
    if (const auto fault = Faults::Check(__func__, element->header.guid))
        return *fault;
    const hostplatform::Element* found = CurrentProject().FindElement(element->header.guid);
    if (found == nullptr)
        return APIERR_BADID;
    *element = found->record;
    return NoError;
}

GSErrCode ACAPI_Element_GetHeader(API_Elem_Head* elementHead, UInt64) {
    const HostCalls::Call counted(__func__);
    if (elementHead == nullptr)
        return APIERR_BADPARS;
    if (const auto fault = Faults::Check(__func__, elementHead->guid))
        return *fault;
    const hostplatform::Element* found = CurrentProject().FindElement(elementHead->guid);
    if (found == nullptr)
        return APIERR_BADID;
    *elementHead = found->record.header;
    return NoError;
}

GSErrCode ACAPI_Element_GetCollisions(const GS::Array<API_Guid>& group1, const GS::Array<API_Guid>& group2,
                                      GS::Array<GS::Pair<API_Guid, API_Guid>>& result,
                                      const API_CollisionDetectionSettings&) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    for (const API_Guid& second : group2)
        if (const auto fault = Faults::Check(__func__, second))
            return *fault;
    result.Clear();
    const hostplatform::Project& project = CurrentProject();
    // Collisions are mutual in an installed project, so the second element's own list says it all.
    for (const API_Guid& second : group2) {
        const hostplatform::Element* secondElement = project.FindElement(second);
        if (secondElement == nullptr || secondElement->collisions.empty())
            continue;
        const std::vector<API_Guid>& partners = secondElement->collisions;
        for (const API_Guid& first : group1)
            if (std::find(partners.begin(), partners.end(), first) != partners.end())
                result.Push(GS::Pair<API_Guid, API_Guid>(first, second));
    }
    return NoError;
}

GSErrCode ACAPI_Element_NeigIDToElemType(API_NeigID neigID, API_ElemTypeID& typeID) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    const API_NeigID first = APINeigOfElemType(1);
    const API_NeigID last = APINeigOfElemType(API_LastElemType);
    if (neigID < first || neigID > last)
        return APIERR_BADPARS;
    typeID = static_cast<API_ElemTypeID>(neigID - APINeigOfElemType(0));
    return NoError;
}
