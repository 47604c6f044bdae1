// The file library's state behind IO.hpp, FTM.hpp and hostplatform/Dialogs.hpp; shared by the
// stand-in's sources only.
#pragma once

#include "FTM.hpp"
#include "hostplatform/Dialogs.hpp"

#include <string>

namespace hostplatform::detail {

// The registered file type of that id, nullptr when there is none.
const FTM::FileType* FindRegisteredType(FTM::TypeID id);
// Forgets the registered file types and the IO::Init count.
void ResetFileLibrary();

// UTF-8 path of a location, "" for an empty one.
std::string PathText(const IO::Location& location);

} // namespace hostplatform::detail
