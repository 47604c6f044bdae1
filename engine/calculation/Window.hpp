// Quantity calculator of windows (element type 4): reveal linings, finishes, sills and boards around the
// hole, from the quantities in Calculation, library-part parameters (0.0 when missing), user-defined
// properties (-1.0 when missing) and the window's owner wall. The default getters choose their rule by
// the article's QELM property name and type and also store the sizes shown in the detailed bill.
#pragma once

#include "engine/Article.hpp"

class Window {
  public:
    // The dispatch reads no unit property for windows; kept for the calculator interface.
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    static double GetLengthProperty(Article& article);
    static double GetSurfaceProperty(Article& article);
    // Only sills have a volume (and then store their sizes); -1.0 otherwise.
    static double GetVolumeProperty(Article& article);
    static Int32 GetPiecesProperty(Article& article);
};
