// The stand-in host's project files: a JSON description of a whole project (see docs/project-format.md).
#pragma once

#include "hostplatform/Model.hpp"

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace hostplatform {

// A project file that cannot be loaded; what() names the place as a JSON pointer and says what is wrong.
class ProjectFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// An element type and the name project files give it ("wall", "curtainWall", ...).
struct ElementTypeName {
    API_ElemTypeID type;
    std::string_view name;
};
// Every element type a project file can hold, in the order the file format lists them.
std::span<const ElementTypeName> ElementTypeNames();

// The whole of a regular file of at most maxBytes (whole MiB), read to its end. A folder, device, FIFO
// or socket (never opened), a larger file, and a file that cannot be opened or read fail with a
// ProjectFileError saying why. A file that another program holds a lease on is waited for until the
// holder lets go, at most the kernel's lease-break time; a wait of more than a moment is told on stderr.
// The host reads its project, resource and script files so.
std::string ReadRegularFile(const std::string& path, UInt64 maxBytes);

// An element's "key" in a project file, and the element it names.
struct ElementKey {
    std::string key;
    API_Guid guid;
};

// A project file as loaded: the project, and the keys of its elements in file order.
struct LoadedProject {
    Project project;
    std::vector<ElementKey> elementKeys;
};

// Reads and checks a whole project file; throws ProjectFileError, never loads half a project.
Project LoadProjectFile(const std::string& path);
// The same with the element keys, from the one reading of the file.
LoadedProject LoadProjectFileWithKeys(const std::string& path);
Project LoadProjectText(const std::string& jsonText);

} // namespace hostplatform
