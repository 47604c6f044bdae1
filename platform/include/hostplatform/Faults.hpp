// Fault injection of the stand-in host: make a named host call fail, for every argument or for one
// guid or one index, make a call answer fewer items than asked, and make the process window report a
// cancel after the k-th check.
#pragma once

#include "API/Types.hpp"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace hostplatform {

// One fault as a project hands it to the host: the call fails for every argument, or only for one guid
// or for one index (at most one of the two is set).
struct InjectedFault {
    std::string call;
    std::optional<API_Guid> guid;
    std::optional<Int32> index;
    GSErrCode error = APIERR_GENERAL;
};

// What a fault of one call can single out besides failing for every argument.
enum class FaultKey {
    None,        // nothing: the call has no guid or index to look at
    ElementGuid, // an element's guid
    OtherGuid,   // a guid that is never an element's (classification, property definition)
    Index,       // an attribute or library-part index
};
struct FaultableCall {
    std::string_view name;
    FaultKey key;
};

class Faults {
  public:
    // The named call (e.g. "ACAPI_Element_Get") fails for every argument.
    static void FailCall(const std::string& call, GSErrCode error = APIERR_GENERAL);
    // The named call fails only for this element, property-definition, classification or item guid.
    static void FailCallFor(const std::string& call, const API_Guid& guid, GSErrCode error = APIERR_GENERAL);
    // The same for the next `times` calls for that guid only; then the call answers again.
    static void FailCallsFor(const std::string& call, const API_Guid& guid, Int32 times,
                             GSErrCode error = APIERR_GENERAL);
    // The named call fails only for this attribute or library-part index.
    static void FailCallForIndex(const std::string& call, Int32 index, GSErrCode error = APIERR_GENERAL);
    // The named call succeeds but answers only the first `count` of the items asked for. Only
    // ACAPI_Element_GetPropertyValuesByGuid answers short.
    static void AnswerAtMost(const std::string& call, UInt32 count);
    // ACAPI_ProcessWindow_IsProcessCanceled answers true from its k-th call on (1 = the first call;
    // smaller numbers count as 1), counted from this call.
    static void CancelAfter(Int32 checks);
    // The process window no longer reports a cancel; the failing calls stay.
    static void NeverCancel();
    static void Inject(const InjectedFault& fault);
    static void Clear();

    // Every host call that consults the faults, by the name the functions above take, in no set order.
    // ACAPI_ProcessWindow_IsProcessCanceled is not among them: CancelAfter drives it.
    static std::span<const FaultableCall> Calls();

    // Used by the stand-in's calls: the error to return, if any.
    static std::optional<GSErrCode> Check(const char* call);
    static std::optional<GSErrCode> Check(const char* call, const API_Guid& guid);
    static std::optional<GSErrCode> CheckIndex(const char* call, Int32 index);
    // How many items the call may answer, when it answers short.
    static std::optional<UInt32> AnswerLimit(const char* call);
    static bool NextCancelCheck();
};

} // namespace hostplatform
