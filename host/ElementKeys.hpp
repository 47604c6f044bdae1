// Names of the open project's elements for the host program's commands: the element keys of the project
// file, or guid texts.
#pragma once

#include "hostplatform/Model.hpp"
#include "hostplatform/ProjectLoader.hpp"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qelmhost {

class ElementKeys {
  public:
    ElementKeys() = default;
    // The keys that the loader read with the project, from the same reading of the file.
    explicit ElementKeys(const std::vector<hostplatform::ElementKey>& keys);

    // The element that the key or the guid text names, when the project holds it.
    std::optional<API_Guid> Find(std::string_view name, const hostplatform::Project& project) const;
    // The element's key, or its guid text when it has none.
    std::string Name(const API_Guid& guid) const;

  private:
    std::map<std::string, API_Guid, std::less<>> guidOfKey_;
    std::map<API_Guid, std::string> keyOfGuid_;
};

} // namespace qelmhost
