#include "hostplatform/Faults.hpp"

#include <map>
#include <utility>

namespace hostplatform {

namespace {

// A fault for one guid or index: it fails every call, or only the next `callsLeft`.
struct Fault {
    GSErrCode error;
    std::optional<Int32> callsLeft;
};

struct FaultTable {
    std::map<std::string, GSErrCode, std::less<>> allArguments;
    std::map<std::pair<std::string, API_Guid>, Fault, std::less<>> byGuid;
    std::map<std::pair<std::string, Int32>, Fault, std::less<>> byIndex;
    std::map<std::string, UInt32, std::less<>> answerLimits;
    Int32 cancelAfter = 0; // 0: never cancel
    Int32 cancelChecks = 0;
};

using enum FaultKey;

constexpr FaultableCall kCallTable[] = {
    // The add-on's registrations and resources
    {"ACAPI_Resource_GetLocStr", None},
    {"ACAPI_MenuItem_RegisterMenu", None},
    {"ACAPI_MenuItem_InstallMenuHandler", None},
    {"ACAPI_ProjectOperation_CatchProjectEvent", None},
    {"ACAPI_RegisterModelessWindow", None},
    {"ACAPI_UnregisterModelessWindow", None},
    // Elements
    {"ACAPI_Element_GetElemList", None},
    {"ACAPI_Element_Get", ElementGuid},
    {"ACAPI_Element_GetHeader", ElementGuid},
    {"ACAPI_Element_GetMemo", ElementGuid},
    {"ACAPI_Element_GetQuantities", ElementGuid},
    {"ACAPI_Element_GetCollisions", ElementGuid},
    {"ACAPI_Element_NeigIDToElemType", None},
    {"IFCAPI_CreateElementObjectID", ElementGuid},
    {"IFCAPI_GetGlobalId", ElementGuid},
    // Properties
    {"ACAPI_Element_GetPropertyDefinitions", ElementGuid},
    {"ACAPI_Element_IsPropertyDefinitionVisible", ElementGuid},
    {"ACAPI_Element_GetPropertyValuesByGuid", ElementGuid},
    {"ACAPI_Property_GetPropertyValueString", OtherGuid},
    // Classifications
    {"ACAPI_Classification_GetClassificationSystems", None},
    {"ACAPI_Classification_GetClassificationSystemRootItems", OtherGuid},
    {"ACAPI_Classification_GetClassificationItemChildren", OtherGuid},
    {"ACAPI_Classification_GetClassificationSystem", OtherGuid},
    {"ACAPI_Classification_GetClassificationItem", OtherGuid},
    {"ACAPI_Element_GetClassificationItems", ElementGuid},
    {"ACAPI_Element_IsClassificationItemVisible", ElementGuid},
    {"ACAPI_Attribute_GetClassificationItems", Index},
    {"ACAPI_Attribute_IsClassificationItemVisible", Index},
    // Attributes and library parts
    {"ACAPI_Attribute_Get", Index},
    {"ACAPI_Attribute_GetDefExt", Index},
    {"ACAPI_LibraryPart_Get", Index},
    // Project settings
    {"ACAPI_ProjectSetting_GetStorySettings", None},
    {"ACAPI_ProjectSetting_GetProjectNotes", None},
    {"ACAPI_AutoText_GetAutoTexts", None},
    // Selection and view
    {"ACAPI_Selection_Get", None},
    {"ACAPI_Selection_Select", ElementGuid},
    {"ACAPI_Selection_DeselectAll", None},
    {"ACAPI_View_ZoomToElements", None},
    // Process window
    {"ACAPI_ProcessWindow_InitProcessWindow", None},
    {"ACAPI_ProcessWindow_SetNextProcessPhase", None},
    {"ACAPI_ProcessWindow_CloseProcessWindow", None},
    // The operating system's shell
    {"OS::OpenURL", None},
};

FaultTable& Table() {
    static FaultTable table;
    return table;
}

// The call's entry in a table by call name. Every host call passes here: an empty table is not searched.
template <typename Value>
std::optional<Value> ForCall(const std::map<std::string, Value, std::less<>>& table, const char* call) {
    if (table.empty())
        return std::nullopt;
    const auto found = table.find(std::string_view(call));
    return found == table.end() ? std::nullopt : std::optional<Value>(found->second);
}

std::optional<GSErrCode> ForAllArguments(const char* call) {
    return ForCall(Table().allArguments, call);
}

template <typename Key>
std::optional<GSErrCode> ForOne(std::map<std::pair<std::string, Key>, Fault, std::less<>>& faults,
                                const char* call, const Key& key) {
    if (auto error = ForAllArguments(call))
        return error;
    // Every host call passes here: without faults of this kind, make no key (and no allocation).
    if (faults.empty())
        return std::nullopt;
    const auto found = faults.find(std::make_pair(std::string(call), key));
    if (found == faults.end())
        return std::nullopt;
    const GSErrCode error = found->second.error;
    if (found->second.callsLeft && --*found->second.callsLeft == 0)
        faults.erase(found);
    return error;
}

} // namespace

void Faults::FailCall(const std::string& call, GSErrCode error) {
    Table().allArguments[call] = error;
}

void Faults::FailCallFor(const std::string& call, const API_Guid& guid, GSErrCode error) {
    Table().byGuid[{call, guid}] = {error, std::nullopt};
}

void Faults::FailCallsFor(const std::string& call, const API_Guid& guid, Int32 times, GSErrCode error) {
    if (times > 0)
        Table().byGuid[{call, guid}] = {error, times};
}

void Faults::FailCallForIndex(const std::string& call, Int32 index, GSErrCode error) {
    Table().byIndex[{call, index}] = {error, std::nullopt};
}

void Faults::AnswerAtMost(const std::string& call, UInt32 count) {
    Table().answerLimits[call] = count;
}

void Faults::CancelAfter(Int32 checks) {
    Table().cancelAfter = checks < 1 ? 1 : checks;
    Table().cancelChecks = 0;
}

void Faults::NeverCancel() {
    Table().cancelAfter = 0;
    Table().cancelChecks = 0;
}

void Faults::Inject(const InjectedFault& fault) {
    if (fault.guid)
        FailCallFor(fault.call, *fault.guid, fault.error);
    else if (fault.index)
        FailCallForIndex(fault.call, *fault.index, fault.error);
    else
        FailCall(fault.call, fault.error);
}

void Faults::Clear() {
    Table() = FaultTable();
}

std::span<const FaultableCall> Faults::Calls() {
    return kCallTable;
}

std::optional<GSErrCode> Faults::Check(const char* call) {
    return ForAllArguments(call);
}

std::optional<GSErrCode> Faults::Check(const char* call, const API_Guid& guid) {
    return ForOne(Table().byGuid, call, guid);
}

std::optional<GSErrCode> Faults::CheckIndex(const char* call, Int32 index) {
    return ForOne(Table().byIndex, call, index);
}

std::optional<UInt32> Faults::AnswerLimit(const char* call) {
    return ForCall(Table().answerLimits, call);
}

bool Faults::NextCancelCheck() {
    FaultTable& table = Table();
    if (table.cancelAfter == 0)
        return false;
    ++table.cancelChecks;
    return table.cancelChecks >= table.cancelAfter;
}

} // namespace hostplatform
