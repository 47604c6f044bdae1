// The operating system's shell as the host offers it to add-ons.
#pragma once

#include "GS.hpp"

namespace OS {

// Opens the address (a web page or a file) in the user's default application. NoError when the
// shell took it; APIERR_BADPARS for an empty address. The stand-in opens nothing: it records the
// address (hostplatform::OpenedUrls) and prints it with the alerts when alert printing is on.
GSErrCode OpenURL(const GS::UniString& address);

} // namespace OS
