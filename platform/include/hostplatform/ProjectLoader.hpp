// The stand-in host's project files: a JSON description of a whole project (see docs/project-format.md).
#pragma once

#include "hostplatform/Model.hpp"

#include <stdexcept>
#include <string>

namespace hostplatform {

// A project file that cannot be loaded; what() names the place as a JSON pointer and says what is wrong.
class ProjectFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads and checks a whole project file; throws ProjectFileError, never loads half a project.
Project LoadProjectFile(const std::string& path);
Project LoadProjectText(const std::string& jsonText);

} // namespace hostplatform
