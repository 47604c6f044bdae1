// Quantity calculator of skylights (element type 44): perimeter, opening area and the reveal lining
// through the thickness of the owner roof (its property "Dikte dak"), with the quantities in Calculation
// (values 0 and 1 the sides of the hole, 2 its opening area).
#pragma once

#include "engine/Article.hpp"

class Skylight {
  public:
    // A known choice always sets its unit, also when the skylight or its roof cannot be read.
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    static double GetLengthProperty(Article& article);
    static double GetSurfaceProperty(Article& article);
    static Int32 GetPiecesProperty(Article& article);
};
