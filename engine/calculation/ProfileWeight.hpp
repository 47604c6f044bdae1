// The weight rule that beams and columns share: the specific-weight text, then the skin's specific weight
// times its volume, or the weight property of the whole element.
#pragma once

#include "engine/Article.hpp"

namespace calc {

// Writes the specific-weight text into extraInfo2 and returns the weight. A skin whose element lacks
// "Soortelijk gewicht (kg/m3)", or whose row does not exist, gives -1.0 (not measured).
double ProfileWeight(Article& article);

// The text property "Type profiel" into extraInfo1.
void ProfileTypeText(Article& article);

} // namespace calc
