// Quantity calculator of roofs (element type 9): the user's unit choices and the getters of the measure
// flags. Reads the quantities in Calculation, the article's skin row and user-defined properties; a value
// that cannot be taken is -1.0 (not measured).
#pragma once

#include "engine/Article.hpp"

class Roof {
  public:
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    static double GetLengthProperty(Article& article);
    static double GetSurfaceProperty(Article& article);
    // Also stores size4 (the property "Dikte dak").
    static double GetVolumeProperty(Article& article);
    static Int32 GetPiecesProperty(Article& article);
};
