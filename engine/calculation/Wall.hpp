// Quantity calculator of walls (element type 1): the user's unit choices and the getters of the
// measure flags. Reads the quantities in Calculation and user-defined properties; a value that cannot
// be taken is -1.0 (not measured).
#pragma once

#include "engine/Article.hpp"

class Wall {
  public:
    // Applies the choice text (cleaned, lower case); true and one field plus unit written when known.
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    static double GetLengthProperty(Article& article);
    // The surface and volume getters also store size1 (length), size3 (height) and size4 (the
    // article's thickness).
    static double GetSurfaceProperty(Article& article);
    static double GetVolumeProperty(Article& article);
    static Int32 GetPiecesProperty(Article& article);
};
