#include "engine/calculation/HoleReveal.hpp"

#include "engine/calculation/UnitChoice.hpp"

namespace calc {

namespace {

constexpr Int32 kOuterWidth = 0;
constexpr Int32 kInnerWidth = 1;
constexpr Int32 kOuterHeight = 2;
constexpr Int32 kInnerHeight = 3;

} // namespace

double OuterRevealPerimeter(double belowHeight) {
    return 2.0 * (Calculation::Value(kOuterHeight) - belowHeight) + Calculation::Value(kOuterWidth);
}

double InnerRevealPerimeter() {
    return 2.0 * Calculation::Value(kInnerHeight) + Calculation::Value(kInnerWidth);
}

double SillHeight(const Article& article) {
    return Main::GetParameterBool(article.guid, "gs_sill_outside") ? ParameterValue(article, "gs_sill_thk")
                                                                   : 0.0;
}

std::optional<double> ReadRevealDepth(const Article& article) {
    API_Element element;
    if (!Main::GetElement(article.guid, element)) {
        return std::nullopt;
    }
    return element.window.revealDepthFromSide;
}

std::optional<WallOpening> ReadWallOpening(const Article& article) {
    API_Element element;
    if (!Main::GetElement(article.guid, element)) {
        return std::nullopt;
    }
    API_Element wall;
    // Another owner's record has no wall thicknesses to read.
    if (!Main::GetElement(element.window.owner, wall) || wall.header.type.typeID != API_WallID) {
        return std::nullopt;
    }
    return WallOpening{element.window.revealDepthFromSide, wall.wall.thickness, wall.wall.thickness1};
}

std::optional<InnerReveal> ReadInnerReveal(const Article& article) {
    const std::optional<WallOpening> opening = ReadWallOpening(article);
    if (!opening) {
        return std::nullopt;
    }
    const double meanThickness = (opening->wallThickness + opening->wallThicknessEnd) / 2.0;
    const double depth = meanThickness - ParameterValue(article, "gs_frame_thk") - opening->revealDepth;
    return InnerReveal{depth * InnerRevealPerimeter(), depth};
}

std::optional<double> InnerRevealArea(Article& article) {
    const std::optional<InnerReveal> reveal = ReadInnerReveal(article);
    if (!reveal) {
        return std::nullopt;
    }
    return reveal->area;
}

double InnerFinishArea(Article& article) {
    article.size2 = Calculation::Value(kInnerWidth);
    article.size3 = Calculation::Value(kInnerHeight);
    const std::optional<InnerReveal> reveal = ReadInnerReveal(article);
    if (!reveal) {
        return -1.0;
    }
    article.size4 = reveal->depth;
    return reveal->area;
}

double OuterPaintworkArea(Article& article) {
    const double sill = SillHeight(article);
    article.size2 = Calculation::Value(kOuterWidth);
    article.size3 = Calculation::Value(kInnerHeight) - sill;
    const std::optional<double> depth = ReadRevealDepth(article);
    if (!depth) {
        return -1.0;
    }
    article.size4 = *depth;
    return OuterRevealPerimeter(sill) * *depth;
}

double RevealLiningArea(Article& article) {
    const double depth = ParameterValue(article, "gs_wido_sill");
    article.size2 = Calculation::Value(kOuterWidth);
    article.size3 = Calculation::Value(kOuterHeight);
    article.size4 = depth;
    return OuterRevealPerimeter() * depth;
}

double ReturnBrickworkArea(const Article& article) {
    const std::optional<WallOpening> opening = ReadWallOpening(article);
    return opening ? OuterRevealPerimeter() * opening->revealDepth : -1.0;
}

double SillArea(Article& article) {
    const double sillWidth = ParameterValue(article, "gs_sill_width");
    article.size2 = Calculation::Value(kOuterWidth);
    article.size4 = sillWidth;
    return Calculation::Value(kOuterWidth) * sillWidth;
}

} // namespace calc
