// Host reads that go through the take-off's cache when one runs (see TakeoffCache.hpp) and ask the host
// directly otherwise. Each gives nullptr (or false) where the host call fails; `fresh` holds the answer
// read outside a take-off.
#pragma once

#include "engine/host/TakeoffCache.hpp"

namespace hostaccess {

// The element's memo with every part the engine uses (ID text, parameters, segments).
const API_ElementMemo* ReadMemo(const API_Guid& guid, ScopedMemo& fresh);

// ---- Properties ----
const GS::Array<API_PropertyDefinition>* ReadDefinitions(const API_Guid& element,
                                                         API_PropertyDefinitionFilter filter,
                                                         GS::Array<API_PropertyDefinition>& fresh);
bool IsDefinitionVisible(const API_Guid& element, const API_Guid& definition);
// The values of the definitions, in their order, in one request for those not yet read; a short answer
// names no more. False when the request fails.
bool ReadValues(const API_Guid& element, const GS::Array<API_Guid>& definitions,
                GS::Array<API_Property>& values);
// The value of one definition; a request that answers no property fails.
const API_Property* ReadValue(const API_Guid& element, const API_Guid& definition, API_Property& fresh);
// The host's text of a value read for that element.
const GS::UniString* ReadValueText(const API_Guid& element, const API_Property& property,
                                   GS::UniString& fresh);

// ---- Classification items of an element or a material, and the items and systems themselves ----
using ClassificationPairs = GS::Array<GS::Pair<API_Guid, API_Guid>>;
const ClassificationPairs* ReadElementItems(const API_Guid& element, ClassificationPairs& fresh);
bool IsElementItemVisible(const API_Guid& element, const API_Guid& item);
const ClassificationPairs* ReadMaterialItems(const API_Attr_Head& material, ClassificationPairs& fresh);
bool IsMaterialItemVisible(const API_Attr_Head& material, const API_Guid& item);
const API_ClassificationSystem* ReadSystem(const API_Guid& guid, API_ClassificationSystem& fresh);
const API_ClassificationItem* ReadItem(const API_Guid& guid, API_ClassificationItem& fresh);

// ---- Project data ----
// The attribute of that type and index, read whole.
const API_Attribute* ReadAttribute(API_AttrTypeID type, API_AttributeIndex index, API_Attribute& fresh);
// The skins of a composite, in order, at most as many as both its count and its skin list give.
const GS::Array<CompositeSkin>* ReadCompositeSkins(API_AttributeIndex composite,
                                                   GS::Array<CompositeSkin>& fresh);
const GS::Array<API_Guid>* ReadZones(GS::Array<API_Guid>& fresh);

} // namespace hostaccess
