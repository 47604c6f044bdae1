// Quantity calculator of openings (element type 72): the volume cut out of the owner wall or slab.
#pragma once

#include "engine/Article.hpp"

class Opening {
  public:
    // Never called by the dispatch. "m3 - volume" sets only the unit (the volume comes from the
    // getter) and gives true; any other text gives false.
    static bool EvaluateUserCalculation(Article& article, GS::UniString choice);
    // Owner thickness times the area of a rectangular (width × height) or circular (width as diameter)
    // opening. -1.0 when the opening cannot be read, its owner is neither wall nor slab, or its shape is
    // another; an owner that cannot be read counts as thickness 0.0.
    static double GetVolumeProperty(Article& article);
};
