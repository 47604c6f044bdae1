// Quantity calculator of morphs (element type 45), from the quantities in Calculation (0 surface of all
// faces, 1 volume, 3 perimeter of the base) and the weight properties (-1.0 when missing).
#pragma once

#include "engine/Article.hpp"

class Morph {
  public:
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    static double GetLengthProperty(Article& article);
    static double GetSurfaceProperty(Article& article);
    static double GetVolumeProperty(Article& article);
    static Int32 GetPiecesProperty(Article& article);
    // Writes the specific-weight text, then gives "Gewicht materiaal".
    static double GetWeightProperty(Article& article);
    static double GetTonProperty(Article& article);
};
