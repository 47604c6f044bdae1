#include "ElementKeys.hpp"

#include <nlohmann/json.hpp>

#include <fstream>

namespace qelmhost {

ElementKeys ElementKeys::FromProjectFile(const std::string& path, const hostplatform::Project& project) {
    ElementKeys keys;
    std::ifstream file(path);
    const nlohmann::json root = nlohmann::json::parse(file, nullptr, false);
    if (!root.is_object() || !root.contains("elements") || !root["elements"].is_array())
        return keys;
    const nlohmann::json& elements = root["elements"];
    if (elements.size() != project.elements.size())
        return keys;
    for (size_t i = 0; i < elements.size(); ++i) {
        const auto key = elements[i].find("key");
        if (key == elements[i].end() || !key->is_string())
            continue;
        const API_Guid guid = project.elements[i].record.header.guid;
        keys.guidOfKey_.emplace(key->get<std::string>(), guid);
        keys.keyOfGuid_.emplace(guid, key->get<std::string>());
    }
    return keys;
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
