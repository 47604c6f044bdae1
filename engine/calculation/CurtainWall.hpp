// Quantity calculator of curtain walls (element type 37): measured only through the user's unit choices
// (quantity values 15 surface and 16 reference length); every default getter gives 0.0 (1 piece, 0
// risers), so a curtain wall in a group counts as measured at zero.
#pragma once

#include "engine/Article.hpp"

class CurtainWall {
  public:
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    static double GetLengthProperty(Article& article);
    static double GetSurfaceProperty(Article& article);
    static double GetVolumeProperty(Article& article);
    static Int32 GetPiecesProperty(Article& article);
    static double GetWeightProperty(Article& article);
    static double GetTonProperty(Article& article);
    static double GetKwProperty(Article& article);
    static double GetDm2Property(Article& article);
    static double GetDm3Property(Article& article);
    static Int32 GetRiserProperty(Article& article);
};
