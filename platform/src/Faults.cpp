#include "hostplatform/Faults.hpp"

#include <map>
#include <utility>

namespace hostplatform {

namespace {

struct FaultTable {
    std::map<std::string, GSErrCode, std::less<>> allArguments;
    std::map<std::pair<std::string, API_Guid>, GSErrCode, std::less<>> byGuid;
    std::map<std::pair<std::string, Int32>, GSErrCode, std::less<>> byIndex;
    Int32 cancelAfter = 0; // 0: never cancel
    Int32 cancelChecks = 0;
};

FaultTable& Table() {
    static FaultTable table;
    return table;
}

std::optional<GSErrCode> ForAllArguments(const char* call) {
    const auto& all = Table().allArguments;
    if (all.empty())
        return std::nullopt;
    const auto found = all.find(std::string_view(call));
    return found == all.end() ? std::nullopt : std::optional<GSErrCode>(found->second);
}

template <typename Key>
std::optional<GSErrCode> ForOne(const std::map<std::pair<std::string, Key>, GSErrCode, std::less<>>& faults,
                                const char* call, const Key& key) {
    if (auto error = ForAllArguments(call))
        return error;
    // Every host call passes here: without faults of this kind, make no key (and no allocation).
    if (faults.empty())
        return std::nullopt;
    const auto found = faults.find(std::make_pair(std::string(call), key));
    return found == faults.end() ? std::nullopt : std::optional<GSErrCode>(found->second);
}

} // namespace

void Faults::FailCall(const std::string& call, GSErrCode error) {
    Table().allArguments[call] = error;
}

void Faults::FailCallFor(const std::string& call, const API_Guid& guid, GSErrCode error) {
    Table().byGuid[{call, guid}] = error;
}

void Faults::FailCallForIndex(const std::string& call, Int32 index, GSErrCode error) {
    Table().byIndex[{call, index}] = error;
}

void Faults::CancelAfter(Int32 checks) {
    Table().cancelAfter = checks < 1 ? 1 : checks;
    Table().cancelChecks = 0;
}

void Faults::Clear() {
    Table() = FaultTable();
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

bool Faults::NextCancelCheck() {
    FaultTable& table = Table();
    if (table.cancelAfter == 0)
        return false;
    ++table.cancelChecks;
    return table.cancelChecks >= table.cancelAfter;
}

} // namespace hostplatform
