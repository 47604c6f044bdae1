// The host's registry of file types, shared by the file type manager and the file library's state.
#pragma once

#include "FTM.hpp"

#include <vector>

namespace hostplatform::detail {

struct RegisteredFileType {
    FTM::TypeID id;
    FTM::GroupID group;
    GS::UniString manager;
    FTM::FileType type;
};
std::vector<RegisteredFileType>& FileTypeRegistry();

} // namespace hostplatform::detail
