// Host reads that go through the take-off's cache when one runs (see TakeoffCache.hpp) and ask the host
// directly otherwise. Each gives an Answer: inside a take-off it points into the cache, outside one it
// holds what was read; false where the host call fails.
#pragma once

#include "engine/host/TakeoffCache.hpp"

#include <optional>
#include <type_traits>
#include <utility>

namespace hostaccess {

// What a caller sees of a value read: the value itself, or the memo that a ScopedMemo holds.
template <typename Value> const Value& View(const Value& value) {
    return value;
}
inline const API_ElementMemo& View(const ScopedMemo& memo) {
    return *memo;
}

// The answer of one read. One taken from the cache lives as long as the cache keeps it: the element's
// reads until the run moves on to another element, project data until the run ends.
template <typename Value> class Answer {
  public:
    using Viewed = std::remove_cvref_t<decltype(View(std::declval<const Value&>()))>;

    // The cache's answer; nullptr when the read failed.
    explicit Answer(const Value* kept) : kept_(kept) {}
    // Reads now into the answer's own value; read(Value&) gives true on success.
    template <typename Read> Answer(std::in_place_t, Read&& read) : held_(std::in_place) {
        if (!read(*held_))
            held_.reset();
    }

    explicit operator bool() const { return Get() != nullptr; }
    const Viewed& operator*() const { return View(*Get()); }
    const Viewed* operator->() const { return &View(*Get()); }

  private:
    const Value* Get() const { return kept_ != nullptr ? kept_ : held_ ? &*held_ : nullptr; }

    const Value* kept_ = nullptr;
    std::optional<Value> held_;
};

// ---- Elements ----
// The element's record.
Answer<API_Element> ReadElement(const API_Guid& guid);
// The element's memo with every part the engine uses (ID text, parameters, segments).
Answer<ScopedMemo> ReadMemo(const API_Guid& guid);
// Every quantity of the element, fetched into the buffers that `quantities` points at: they are emptied
// first, and again when the request fails (it may have written part of them). One set of buffers, the
// calculation's: inside a take-off, when the last request was for that element, they are kept as they
// are and its result is given again.
bool ReadQuantities(const API_Guid& guid, const API_QuantityPar& params, API_Quantities& quantities);

// ---- Properties ----
Answer<GS::Array<API_PropertyDefinition>> ReadDefinitions(const API_Guid& element,
                                                          API_PropertyDefinitionFilter filter);
bool IsDefinitionVisible(const API_Guid& element, const API_Guid& definition);
// The values of the definitions, in their order, in one request for those not yet read; a short answer
// names no more. False when the request fails.
Answer<GS::Array<API_Property>> ReadValues(const API_Guid& element, const GS::Array<API_Guid>& definitions);
// The value of one definition; a request that answers no property fails.
Answer<API_Property> ReadValue(const API_Guid& element, const API_Guid& definition);
// The host's text of a value read for that element.
Answer<GS::UniString> ReadValueText(const API_Guid& element, const API_Property& property);

// ---- Classification items of an element or a material, and the items and systems themselves ----
using ClassificationPairs = GS::Array<GS::Pair<API_Guid, API_Guid>>;
Answer<ClassificationPairs> ReadElementItems(const API_Guid& element);
bool IsElementItemVisible(const API_Guid& element, const API_Guid& item);
Answer<ClassificationPairs> ReadMaterialItems(const API_Attr_Head& material);
bool IsMaterialItemVisible(const API_Attr_Head& material, const API_Guid& item);
Answer<API_ClassificationSystem> ReadSystem(const API_Guid& guid);
Answer<API_ClassificationItem> ReadItem(const API_Guid& guid);

// ---- Project data ----
// The attribute of that type and index, read whole.
Answer<API_Attribute> ReadAttribute(API_AttrTypeID type, API_AttributeIndex index);
// The skins of a composite, in order, at most as many as both its count and its skin list give.
Answer<GS::Array<CompositeSkin>> ReadCompositeSkins(API_AttributeIndex composite);
Answer<API_LibPart> ReadLibPart(API_LibTypeID type, Int32 index);
Answer<StoryTable> ReadStories();
Answer<GS::Array<API_Guid>> ReadZones();

} // namespace hostaccess
