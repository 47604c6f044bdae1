// Quantity calculator of library-part objects (element type 6): the user's unit choices, the profile text
// and the getters of the measure flags. Objects are measured from their library-part parameters (0.0 when
// missing) and user-defined properties (-1.0 when missing), never from the host quantity record. The
// maker's own parts are recognised by exact library-part name and measured from what they compute.
#pragma once

#include "engine/Article.hpp"

class Object {
  public:
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    // extraInfo1 = the text parameter "stCurrentProfile".
    static void GetExtraInfo1(Article& article);
    static double GetLengthProperty(Article& article);
    static double GetSurfaceProperty(Article& article);
    static double GetVolumeProperty(Article& article);
    // Clears size1..size4 (a count shows no sizes); "QELM_Aantal" truncated for a measurement part, else 1.
    static Int32 GetPiecesProperty(Article& article);
    // Also writes the specific-weight text where the weight property is read.
    static double GetWeightProperty(Article& article);
    static double GetTonProperty(Article& article);
    static double GetKwProperty(Article& article);
    static double GetDm2Property(Article& article);
    static double GetDm3Property(Article& article);
};
