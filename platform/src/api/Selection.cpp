// Selection and zoom of the stand-in host.
#include "ACAPinc.hpp"
#include "HostState.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/HostCalls.hpp"

#include <unordered_set>

using hostplatform::CurrentProject;
using hostplatform::Faults;
using hostplatform::HostCalls;

namespace {

API_Neig NeigOf(const API_Guid& guid) {
    API_Neig neig(guid);
    if (const hostplatform::Element* element = CurrentProject().FindElement(guid))
        neig.neigID = APINeigOfElemType(element->record.header.type.typeID);
    return neig;
}

} // namespace

GSErrCode ACAPI_Selection_Get(API_SelectionInfo* selectionInfo, GS::Array<API_Neig>* selNeigs, bool, bool,
                              API_SelRelativePosID) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    if (selectionInfo == nullptr)
        return APIERR_BADPARS;
    const auto& selection = CurrentProject().selection;
    *selectionInfo = API_SelectionInfo();
    selectionInfo->typeID = selection.empty() ? API_SelEmpty : API_SelElems;
    selectionInfo->sel_nElem = static_cast<Int32>(selection.size());
    selectionInfo->sel_nElemEdit = selectionInfo->sel_nElem;
    // The caller owns the marquee handle even when there is no marquee.
    selectionInfo->marquee.coords = BMAllocateHandle(0, ALLOCATE_CLEAR, 0);
    if (selNeigs != nullptr) {
        selNeigs->Clear();
        for (const API_Neig& neig : selection)
            selNeigs->Push(NeigOf(neig.guid));
    }
    return NoError;
}

GSErrCode ACAPI_Selection_Select(const GS::Array<API_Neig>& selNeigs, bool add) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    for (const API_Neig& neig : selNeigs) {
        if (const auto fault = Faults::Check(__func__, neig.guid))
            return *fault;
        if (CurrentProject().FindElement(neig.guid) == nullptr)
            return APIERR_BADID;
    }
    auto& selection = CurrentProject().selection;
    if (!add)
        selection.clear();
    std::unordered_set<API_Guid> selected;
    for (const API_Neig& neig : selection)
        selected.insert(neig.guid);
    for (const API_Neig& neig : selNeigs)
        if (selected.insert(neig.guid).second)
            selection.push_back(NeigOf(neig.guid));
    return NoError;
}

GSErrCode ACAPI_Selection_DeselectAll() {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    CurrentProject().selection.clear();
    return NoError;
}

GSErrCode ACAPI_View_ZoomToElements(const GS::Array<API_Guid>& elements) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    hostplatform::detail::State().lastZoom.assign(elements.begin(), elements.end());
    return NoError;
}
