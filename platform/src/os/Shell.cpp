// The stand-in host's operating-system shell: it records what the add-on opens and never runs a command.
#include "OSShell.hpp"

#include "HostState.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/Shell.hpp"

#include <cstdio>

namespace hostplatform {

std::vector<std::string>& OpenedUrls() {
    static std::vector<std::string> urls;
    return urls;
}

} // namespace hostplatform

namespace OS {

GSErrCode OpenURL(const GS::UniString& address) {
    if (const auto fault = hostplatform::Faults::Check("OS::OpenURL"))
        return *fault;
    if (address.IsEmpty())
        return APIERR_BADPARS;
    hostplatform::OpenedUrls().push_back(address.ToUtf8());
    if (hostplatform::detail::State().printAlerts)
        std::fprintf(stderr, "[open] %s\n", address.ToUtf8().c_str());
    return NoError;
}

} // namespace OS
