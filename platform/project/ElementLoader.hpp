// The elements of a project file: their type, header and per-type record part (ElementLoader.cpp) and
// what every type may carry (ElementContents.cpp).
#pragma once

#include "JsonNode.hpp"
#include "References.hpp"

namespace hostplatform::projectfile {

// Reads "elements" into the context's project. Needs the attributes, stories, classifications and
// property definitions read before; references between elements may point forward.
void ReadElements(const Node& list, LoadContext& context);

// One member each of an element object.
void ReadParameters(const Node& list, Element& element);
void ReadQuantities(const Node& values, Element& element);
void ReadQuantityIntegers(const Node& list, Element& element);
void ReadCompositeRows(const Node& list, Element& element, const LoadContext& context);
void ReadProperties(const Node& values, Element& element, const LoadContext& context);
GS::UniString ReadIfcGlobalId(const Node& node);

} // namespace hostplatform::projectfile
