// Quantity calculator of lamps (element type 7): counted in pieces only.
#pragma once

#include "engine/Article.hpp"

class Lamp {
  public:
    // Only "st - stuks" is known: pieces 1, unit "st".
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    static Int32 GetPiecesProperty(Article& article);
};
