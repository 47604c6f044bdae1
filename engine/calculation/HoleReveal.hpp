// The reveal geometry and the finish rules that doors and windows share. Perimeters come from the
// quantities in Calculation (values 0/2 outer width/height, 1/3 inner width/height), depths from the
// library part (0.0 when a parameter is missing), from the element's own record and from its owner wall.
// A failed element read gives std::nullopt, or -1.0 (not measured) in a rule.
#pragma once

#include "engine/Article.hpp"

#include <optional>

namespace calc {

// Two jambs and the head of the hole on the outer side, the jambs shortened by the given height.
double OuterRevealPerimeter(double belowHeight = 0.0);
// Two jambs and the head on the inner side.
double InnerRevealPerimeter();
// "gs_sill_thk" when "gs_sill_outside" is set, else 0.0.
double SillHeight(const Article& article);

// The door's or window's depth of its outer reveal; nullopt when the element cannot be read.
std::optional<double> ReadRevealDepth(const Article& article);

struct WallOpening {
    double revealDepth;      // outer reveal of the door or window
    double wallThickness;    // owner wall at its start
    double wallThicknessEnd; // owner wall at its end
};
// The door or window and its owner wall; nullopt when either cannot be read or the owner is no wall.
std::optional<WallOpening> ReadWallOpening(const Article& article);

// Inner depth (mean wall thickness less "gs_frame_thk" and the outer reveal) times the inner perimeter.
struct InnerReveal {
    double area;
    double depth;
};
std::optional<InnerReveal> ReadInnerReveal(const Article& article);
// The area alone, as a unit choice's value.
std::optional<double> InnerRevealArea(Article& article);

// Finish rules; each stores the sizes it names in its comment.
// Inner painting or wallpaper: inner reveal area; size2/size3 inner width/height, size4 inner depth.
double InnerFinishArea(Article& article);
// Outer painting: reveal below the sill height times the reveal depth; size2 outer width, size3 inner
// height less the sill height, size4 reveal depth.
double OuterPaintworkArea(Article& article);
// Reveal lining: outer perimeter times "gs_wido_sill"; size2/size3 outer width/height, size4 the depth.
double RevealLiningArea(Article& article);
// Return of the facing brickwork: outer perimeter times the reveal depth (needs the owner wall too).
double ReturnBrickworkArea(const Article& article);
// Sill: outer width times "gs_sill_width"; size2 outer width, size4 the sill width.
double SillArea(Article& article);

} // namespace calc
