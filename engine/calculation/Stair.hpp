// Quantity calculator of stairs (element type 47), from the quantities in Calculation (0 projected area,
// 1 volume, the integer in the second half of value 5 the host's piece count) and the property "Aantal
// treden per trap" (truncated toward zero; -1 when missing).
#pragma once

#include "engine/Article.hpp"

class Stair {
  public:
    // "st - aantal treden" counts the steps as pieces under the unit "st", like every "st" choice.
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    static double GetSurfaceProperty(Article& article);
    // The host's integer for codes "53.", else 1.
    static Int32 GetPiecesProperty(Article& article);
    static Int32 GetRiserProperty(Article& article);
};
