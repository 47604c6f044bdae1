// printf-style formatting shared by UniString::Printf and DBPrintf.
#pragma once

#include <cstdarg>
#include <string>

namespace GS::detail {

// Formats with the "C" numeric conventions whatever the process locale, so numbers
// in host text never depend on the user's regional settings.
std::string FormatWithCNumerics(const char* format, va_list args);

} // namespace GS::detail
