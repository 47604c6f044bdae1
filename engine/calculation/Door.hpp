// Quantity calculator of doors (element type 5): reveal linings, finishes and sills around the hole, from
// the quantities in Calculation, library-part parameters (0.0 when missing), user-defined properties
// (-1.0 when missing) and the door's owner wall. The default getters choose their rule by the article's
// QELM property name and type and also store the sizes shown in the detailed bill.
#pragma once

#include "engine/Article.hpp"

class Door {
  public:
    // The dispatch reads no unit property for doors; kept for the calculator interface.
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    static double GetLengthProperty(Article& article);
    static double GetSurfaceProperty(Article& article);
    // Stores the sill's sizes whatever the property name.
    static double GetVolumeProperty(Article& article);
    static Int32 GetPiecesProperty(Article& article);
};
