// Quantity calculator of columns (element type 2), whole or per skin of a complex profile: the user's
// unit choices, the profile text and the getters of the measure flags. Height and sizes come from
// user-defined properties, surfaces and volumes from Calculation; a value that cannot be taken is -1.0.
#pragma once

#include "engine/Article.hpp"

class Column {
  public:
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    // extraInfo1 = the text property "Type profiel" ("" when absent).
    static void GetExtraInfo1(Article& article);
    static double GetLengthProperty(Article& article);
    // Also store size2 (width), size3 (height) and size4 (depth); size1 is left alone.
    static double GetSurfaceProperty(Article& article);
    static double GetVolumeProperty(Article& article);
    static Int32 GetPiecesProperty(Article& article);
    // Only for steel-like codes (else -1.0); as the beam's weight.
    static double GetWeightProperty(Article& article);
};
