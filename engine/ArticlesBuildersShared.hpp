// Host reads shared by the skin and section builders of Articles: building materials, beam and column
// segments and the skin rows of complex profiles. Outside a take-off every memo and attribute definition
// fetched here is released before the function returns, on every path; inside one the take-off's cache
// keeps them and releases them when the take-off ends. Nothing raises.
#pragma once

#include "engine/Article.hpp"

#include "ACAPinc.hpp"
#include "GS.hpp"

namespace builders {

// A building-material attribute with only its header (type and index) filled.
API_Attribute MaterialAttribute(API_AttributeIndex material);

// Reads the material's ID and description. On success materialId and code become the ID (the article's
// code instead when classified) and materialDescription the description, each lower-cased and trimmed;
// an unclassified article's message is cleared, a classified one keeps its lookup's message. False, and
// the article unchanged, when the material cannot be read.
bool ReadMaterialTexts(API_AttributeIndex material, bool classified, Article& article);

// The segments of a beam or column, in order, at most the record's segment count. False, with no
// segments, when the memo cannot be read.
bool ReadBeamSegments(const API_Element& beam, GS::Array<API_AssemblySegmentData>& segments);
bool ReadColumnSegments(const API_Element& column, GS::Array<API_AssemblySegmentData>& segments);

// Refills the quantities of the element and appends one complex-profile skin article per skin row; a
// skin that came out as QELM type 1 or 2 gets the report text that such types are not supported.
void AppendProfileSkins(const API_Element& element, GS::Array<Article>& articles);

} // namespace builders
