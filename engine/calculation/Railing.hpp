// Quantity calculator of railings (element type 51): the length property "Lengte reling" (-1.0 when
// missing) or one piece.
#pragma once

#include "engine/Article.hpp"

class Railing {
  public:
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    static double GetLengthProperty(Article& article);
    static Int32 GetPiecesProperty(Article& article);
};
