// Fault injection of the stand-in host: make a named host call fail, for every argument or for one
// guid or one index, and make the process window report a cancel after the k-th check.
#pragma once

#include "API/Types.hpp"

#include <optional>
#include <string>

namespace hostplatform {

class Faults {
public:
    // The named call (e.g. "ACAPI_Element_Get") fails for every argument.
    static void FailCall(const std::string& call, GSErrCode error = APIERR_GENERAL);
    // The named call fails only for this element, property-definition, classification or item guid.
    static void FailCallFor(const std::string& call, const API_Guid& guid, GSErrCode error = APIERR_GENERAL);
    // The named call fails only for this attribute or library-part index.
    static void FailCallForIndex(const std::string& call, Int32 index, GSErrCode error = APIERR_GENERAL);
    // ACAPI_ProcessWindow_IsProcessCanceled answers true from its k-th call on (1 = the first call;
    // smaller numbers count as 1), counted from this call.
    static void CancelAfter(Int32 checks);
    static void Clear();

    // Used by the stand-in's calls: the error to return, if any.
    static std::optional<GSErrCode> Check(const char* call);
    static std::optional<GSErrCode> Check(const char* call, const API_Guid& guid);
    static std::optional<GSErrCode> CheckIndex(const char* call, Int32 index);
    static bool NextCancelCheck();
};

} // namespace hostplatform
