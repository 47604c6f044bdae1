// Synthetic stand-in projects for benchmarks: a QELM tree of about 1,650 items with units, building
// materials that mostly resolve (classified, type-2 and type-3 codes, wall-layer codes, a few that do
// not), composites of 2 to 4 skins, and a realistic mix of elements on stories and layers.
//
// The same element count always gives the same project.
#pragma once

#include "hostplatform/ProjectBuilder.hpp"

namespace synthetic {

// What the generator put into the project.
struct ProjectSummary {
    int items = 0;
    int elements = 0;
};

// Adds the QELM tree, the attributes and `elements` elements to the builder.
ProjectSummary Build(hostplatform::ProjectBuilder& builder, int elements);

// A fresh host with the project of `elements` elements installed.
void Install(int elements);

} // namespace synthetic
