// What the add-on asked the stand-in host's operating-system shell to open.
#pragma once

#include <string>
#include <vector>

namespace hostplatform {

// The addresses handed to OS::OpenURL, in order (UTF-8). ResetHost does not clear them.
std::vector<std::string>& OpenedUrls();

} // namespace hostplatform
