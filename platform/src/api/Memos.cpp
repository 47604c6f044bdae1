// Element memos of the stand-in host: library-part parameters, the element ID text and the segments
// of beams and columns, handed out as host memory that ACAPI_DisposeElemMemoHdls releases.
#include "ACAPinc.hpp"
#include "HostState.hpp"
#include "RecordText.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/HostCalls.hpp"

#include <atomic>
#include <cstring>
#include <iterator>
#include <vector>

using hostplatform::Faults;
using hostplatform::HostCalls;

namespace hostplatform {

namespace {
std::atomic<Int64> liveMemoParts{0};
} // namespace

Int64 LiveMemoCount() {
    return liveMemoParts.load();
}

void detail::MemoPartHandedOut() {
    ++liveMemoParts;
}
void detail::MemoPartDisposed() {
    --liveMemoParts;
}

} // namespace hostplatform

namespace {

using hostplatform::detail::MemoPartDisposed;
using hostplatform::detail::MemoPartHandedOut;

bool HasLibraryPart(API_ElemTypeID type) {
    return type == API_WindowID || type == API_DoorID || type == API_ObjectID || type == API_LampID ||
           type == API_SkylightID;
}

API_AddParType ToAddPar(const hostplatform::Parameter& parameter) {
    API_AddParType record;
    std::memset(static_cast<void*>(&record), 0, sizeof record);
    hostplatform::detail::CopyToCStr(parameter.name, record.name, sizeof record.name);
    record.typeID = parameter.isText ? APIParT_CString : APIParT_RealNum;
    record.typeMod = parameter.isArray ? 1 : 0;
    if (parameter.isArray)
        return record;
    if (parameter.isText)
        hostplatform::detail::CopyToUStr(parameter.text, record.value.uStr, std::size(record.value.uStr));
    else
        record.value.real = parameter.real;
    return record;
}

API_AddParType** ParameterHandle(const std::vector<hostplatform::Parameter>& parameters) {
    const auto size = static_cast<GSSize>(parameters.size() * sizeof(API_AddParType));
    auto handle = reinterpret_cast<API_AddParType**>(BMAllocateHandle(size, ALLOCATE_CLEAR, 0));
    if (handle == nullptr)
        return nullptr;
    for (size_t i = 0; i < parameters.size(); ++i)
        (*handle)[i] = ToAddPar(parameters[i]);
    MemoPartHandedOut();
    return handle;
}

// A block of segment records, nullptr when the element has none.
template <typename Segment> Segment* SegmentBlock(const std::vector<API_AssemblySegmentData>& segments) {
    if (segments.empty())
        return nullptr;
    const auto size = static_cast<GSSize>(segments.size() * sizeof(Segment));
    auto block = reinterpret_cast<Segment*>(BMAllocatePtr(size, ALLOCATE_CLEAR, 0));
    if (block == nullptr)
        return nullptr;
    for (size_t i = 0; i < segments.size(); ++i)
        block[i].assemblySegmentData = segments[i];
    MemoPartHandedOut();
    return block;
}

} // namespace

GSErrCode ACAPI_Element_GetMemo(const API_Guid& guid, API_ElementMemo* memo, UInt64 mask) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__, guid))
        return *fault;
    if (memo == nullptr)
        return APIERR_BADPARS;
    const hostplatform::Element* element = hostplatform::CurrentProject().FindElement(guid);
    if (element == nullptr)
        return APIERR_BADID;
    if (!element->record.header.hasMemo)
        return APIERR_NOMEMO;

    *memo = API_ElementMemo();
    const API_ElemTypeID type = element->record.header.type.typeID;
    if ((mask & APIMemoMask_AddPars) != 0 && HasLibraryPart(type))
        memo->params = ParameterHandle(element->parameters);
    if ((mask & APIMemoMask_ElemInfoString) != 0) {
        memo->elemInfoString = new GS::UniString(element->elementID);
        MemoPartHandedOut();
    }
    if ((mask & APIMemoMask_BeamSegment) != 0 && type == API_BeamID)
        memo->beamSegments = SegmentBlock<API_BeamSegmentType>(element->segments);
    if ((mask & APIMemoMask_ColumnSegment) != 0 && type == API_ColumnID)
        memo->columnSegments = SegmentBlock<API_ColumnSegmentType>(element->segments);
    return NoError;
}

namespace {

template <typename T> void KillHandle(T**& handle) {
    if (handle == nullptr)
        return;
    auto raw = reinterpret_cast<GSHandle>(handle);
    BMKillHandle(&raw);
    handle = nullptr;
    MemoPartDisposed();
}

template <typename T> void KillPtr(T*& block) {
    if (block == nullptr)
        return;
    auto raw = reinterpret_cast<GSPtr>(block);
    BMKillPtr(&raw);
    block = nullptr;
    MemoPartDisposed();
}

} // namespace

GSErrCode ACAPI_DisposeElemMemoHdls(API_ElementMemo* memo) {
    const HostCalls::Call counted(__func__);
    if (memo == nullptr)
        return APIERR_BADPARS;
    KillHandle(memo->params);
    if (memo->elemInfoString != nullptr) {
        delete memo->elemInfoString;
        memo->elemInfoString = nullptr;
        MemoPartDisposed();
    }
    KillPtr(memo->beamSegments);
    KillPtr(memo->columnSegments);
    return NoError;
}
