// Quantity calculator of zones (element type 17): no unit choices; lengths and areas by the QELM property
// the article came from, with the quantities in Calculation.
#pragma once

#include "engine/Article.hpp"

class Zone {
  public:
    // Value 3 less value 2 for inner painting; -1.0 otherwise.
    static double GetLengthProperty(Article& article);
    // Walls and ceiling for inner painting, value 5 less 9 and 7 for tiling, else value 0.
    static double GetSurfaceProperty(Article& article);
    static double GetVolumeProperty(Article& article);
};
