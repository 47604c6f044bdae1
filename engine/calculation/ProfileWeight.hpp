// The weight rule that beams and columns share: only their steel-like codes are weighed; then the
// specific-weight text, and the skin's specific weight times its volume or the weight property of the
// whole element.
#pragma once

#include "engine/Article.hpp"
#include "engine/calculation/UnitChoice.hpp"

namespace calc {

// Only for steel-like codes: an article whose code starts with none of the prefixes and equals none of
// the codes gives -1.0 (not measured) and is left alone. Otherwise writes the specific-weight text into
// extraInfo2 and returns the weight; a skin whose element lacks "Soortelijk gewicht (kg/m3)", or whose
// row does not exist, gives -1.0.
double ProfileWeight(Article& article, Texts steelPrefixes, Texts steelCodes);

// The text property "Type profiel" into extraInfo1.
void ProfileTypeText(Article& article);

} // namespace calc
