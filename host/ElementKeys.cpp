#include "ElementKeys.hpp"

namespace qelmhost {

ElementKeys::ElementKeys(const std::vector<hostplatform::ElementKey>& keys) {
    for (const hostplatform::ElementKey& key : keys) {
        guidOfKey_.emplace(key.key, key.guid);
        keyOfGuid_.emplace(key.guid, key.key);
    }
}

std::optional<API_Guid> ElementKeys::Find(std::string_view name, const hostplatform::Project& project) const {
    if (const auto found = guidOfKey_.find(name); found != guidOfKey_.end())
        return found->second;
    GS::Guid guid;
    if (guid.ConvertFromString(std::string(name).c_str()) != NoError)
        return std::nullopt;
    const API_Guid apiGuid = GSGuid2APIGuid(guid);
    if (project.FindElement(apiGuid) == nullptr)
        return std::nullopt;
    return apiGuid;
}

std::string ElementKeys::Name(const API_Guid& guid) const {
    if (const auto found = keyOfGuid_.find(guid); found != keyOfGuid_.end())
        return found->second;
    return APIGuidToString(guid).ToUtf8();
}

} // namespace qelmhost
