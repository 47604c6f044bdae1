// Quantity calculator of slabs (element type 8): the user's unit choices and the getters of the measure
// flags. Reads the quantities in Calculation, the article's skin row and user-defined properties; a value
// that cannot be taken is -1.0 (not measured).
#pragma once

#include "engine/Article.hpp"

class Slab {
  public:
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    static double GetLengthProperty(Article& article);
    static double GetSurfaceProperty(Article& article);
    static double GetVolumeProperty(Article& article);
    static Int32 GetPiecesProperty(Article& article);
    static double GetWeightProperty(Article& article);
    // The earth-moving weight, stored in weight by the dispatch.
    static double GetTonProperty(Article& article);
};
