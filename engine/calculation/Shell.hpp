// Quantity calculator of shells (element type 43): the user's unit choices and the getters of the
// measure flags. Reads the quantities in Calculation, the article's skin row and user-defined properties;
// a value that cannot be taken is -1.0 (not measured).
#pragma once

#include "engine/Article.hpp"

class Shell {
  public:
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    // A shell has no length of its own: 0.0.
    static double GetLengthProperty(Article& article);
    static double GetSurfaceProperty(Article& article);
    // Also stores size4 (the property "Dikte dak", shared with roofs).
    static double GetVolumeProperty(Article& article);
    static Int32 GetPiecesProperty(Article& article);
};
