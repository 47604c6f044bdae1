// Quantity calculator of beams (element type 3), whole or per skin of a complex profile: the user's unit
// choices, the profile text and the getters of the measure flags. Lengths and sizes come from
// user-defined properties, surfaces and volumes from Calculation; a value that cannot be taken is -1.0.
#pragma once

#include "engine/Article.hpp"

class Beam {
  public:
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    // extraInfo1 = the text property "Type profiel" ("" when absent).
    static void GetExtraInfo1(Article& article);
    static double GetLengthProperty(Article& article);
    // The surface and volume getters also store size1 (length), size2 (width) and size3 (height). The
    // flag is the one the dispatch was given; both values measure alike.
    static double GetSurfaceProperty(Article& article, bool fromProperties);
    static double GetVolumeProperty(Article& article);
    static Int32 GetPiecesProperty(Article& article);
    // Only for steel-like codes (else -1.0); also writes the specific-weight text. A skin's weight is its
    // specific weight times the skin row's volume, -1.0 when either is missing.
    static double GetWeightProperty(Article& article);
};
