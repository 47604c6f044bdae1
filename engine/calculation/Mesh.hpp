// Quantity calculator of meshes (element type 10), from the quantities in Calculation (1 top surface,
// 3 volume, 7 projected area) and the weight properties (-1.0 when missing).
#pragma once

#include "engine/Article.hpp"

class Mesh {
  public:
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    // A mesh has no length of its own: 0.0.
    static double GetLengthProperty(Article& article);
    // The projected area for codes "10.", else the top surface.
    static double GetSurfaceProperty(Article& article);
    static double GetVolumeProperty(Article& article);
    // Writes the specific-weight text, then gives "Gewicht materiaal".
    static double GetWeightProperty(Article& article);
    static double GetTonProperty(Article& article);
};
