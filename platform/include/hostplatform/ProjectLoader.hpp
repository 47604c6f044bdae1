// The stand-in host's project files: a JSON description of a whole project (see docs/project-format.md).
#pragma once

#include "hostplatform/Model.hpp"

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

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

// The whole of a regular file of at most maxBytes (whole MiB), read to its end. A folder, device or pipe,
// a larger file, and a file that cannot be opened or read fail with a ProjectFileError saying why. The
// host reads its project, resource and script files so.
std::string ReadRegularFile(const std::string& path, UInt64 maxBytes);

// Reads and checks a whole project file; throws ProjectFileError, never loads half a project.
Project LoadProjectFile(const std::string& path);
Project LoadProjectText(const std::string& jsonText);

} // namespace hostplatform
