// Classification systems and items of the stand-in host.
#pragma once

#include "API/Types.hpp"
#include "GS/UniString.hpp"

struct API_ClassificationSystem {
    API_Guid guid;
    GS::UniString name;
    GS::UniString description;
    GS::UniString source;
    GS::UniString editionVersion;
};

struct API_ClassificationItem {
    API_Guid guid;
    GS::UniString id;
    GS::UniString name;
    GS::UniString description;
};
