// The add-on's resource file (JSON, see docs/resources.md): localised strings, menus, dialog layouts
// and icons. The host program loads it from beside the plug-in; tests load it from the source tree.
#pragma once

#include "hostplatform/Dialogs.hpp"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace hostplatform {

// A resource file that cannot be loaded; what() names the place as a JSON pointer and says what is wrong.
class ResourceFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct AddOnResources {
    // Localised strings and menus by resource id; item n (from 1) at [n - 1].
    std::map<short, std::vector<std::string>> strings;
    std::vector<DialogLayout> dialogs;
    // Icons by id: the text the host prints for the icon.
    std::map<short, std::string> icons;
};

// Reads and checks a whole resource file; throws ResourceFileError.
AddOnResources LoadResourceFile(const std::string& path);
AddOnResources LoadResourceText(const std::string& jsonText);

// Registers every dialog layout (RegisterDialogLayout) and adds every string item to ResourceStrings,
// where ACAPI_Resource_GetLocStr finds it. ResetHost forgets both.
void InstallResources(const AddOnResources& resources);

} // namespace hostplatform
