// Names of the open project's elements for the host program's commands: the element keys of the project
// file, or guid texts.
#pragma once

#include "hostplatform/Model.hpp"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace qelmhost {

class ElementKeys {
  public:
    ElementKeys() = default;
    // Reads the "key" of every element of the project file; the loaded project holds the file's
    // elements in file order, so element i of the file is element i of the project. A file whose
    // element count differs from the project's gives no keys.
    static ElementKeys FromProjectFile(const std::string& path, const hostplatform::Project& project);

    // The element that the key or the guid text names, when the project holds it.
    std::optional<API_Guid> Find(std::string_view name, const hostplatform::Project& project) const;
    // The element's key, or its guid text when it has none.
    std::string Name(const API_Guid& guid) const;

  private:
    std::map<std::string, API_Guid, std::less<>> guidOfKey_;
    std::map<API_Guid, std::string> keyOfGuid_;
};

} // namespace qelmhost
