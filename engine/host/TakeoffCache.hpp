// The host reads of one take-off, each made once: the model does not change while the take-off's modal
// process window runs, so every repeated read would give the same answer. The run owns one cache while it
// evaluates the elements; outside a take-off there is none and every read asks the host.
//
// Element reads (memo, properties, classification items) keep a failure as a failure of that element.
// The element's record and project data (attributes, composites, library parts, stories, classification
// items and systems, the zone list) keep only answers: a failed read is asked again the next time, as a
// caller that reads an element once more after a failure (a skylight's owner) expects.
#pragma once

#include "engine/host/HostRecords.hpp"

#include "ACAPinc.hpp"
#include "GS.hpp"

#include <cstddef>
#include <functional>
#include <memory>
#include <unordered_map>
#include <utility>

namespace hostaccess {

struct GuidHash {
    std::size_t operator()(const API_Guid& guid) const noexcept;
};

// A type number with an index (attributes, library parts) or a guid (classification items of a material).
template <typename Second> using TypedKey = std::pair<Int32, Second>;
struct TypedKeyHash {
    std::size_t operator()(const TypedKey<Int32>& key) const noexcept;
    std::size_t operator()(const TypedKey<API_Guid>& key) const noexcept;
};

// The answer of one read, made on first use.
template <typename Value> class Once {
  public:
    explicit Once(bool keepFailure) : keepFailure_(keepFailure) {}

    // The answer; nullptr when the read failed. read(Value&) gives true on success.
    template <typename Read> const Value* Get(Read&& read) {
        if (done_)
            return value_.get();
        auto value = std::make_unique<Value>();
        if (read(*value))
            value_ = std::move(value);
        done_ = value_ != nullptr || keepFailure_;
        return value_.get();
    }

    const Value* Kept() const { return value_.get(); }

  private:
    bool keepFailure_;
    bool done_ = false;
    std::unique_ptr<Value> value_;
};

// The answers of one kind of read, by key.
template <typename Key, typename Value, typename Hash = std::hash<Key>> class ReadOnce {
  public:
    explicit ReadOnce(bool keepFailures) : keepFailures_(keepFailures) {}

    template <typename Read> const Value* Get(const Key& key, Read&& read) {
        auto found = answers_.find(key);
        if (found == answers_.end())
            found = answers_.emplace(key, Once<Value>(keepFailures_)).first;
        return found->second.Get(read);
    }
    bool Holds(const Key& key) const { return answers_.contains(key); }
    // Calls use(value) for every answer kept.
    template <typename Use> void ForEach(Use&& use) const {
        for (const auto& [key, once] : answers_) {
            if (const Value* value = once.Kept())
                use(*value);
        }
    }
    // Keeps a known answer, as if it had been read.
    void Keep(const Key& key, const Value& value) {
        answers_.insert_or_assign(key, Once<Value>(keepFailures_)).first->second.Get([&value](Value& kept) {
            kept = value;
            return true;
        });
    }

  private:
    bool keepFailures_;
    std::unordered_map<Key, Once<Value>, Hash> answers_;
};

// Everything read of one element.
struct ElementReads {
    Once<API_Element> record{false};
    Once<ScopedMemo> memo{true};
    ReadOnce<API_PropertyDefinitionFilter, GS::Array<API_PropertyDefinition>> definitions{true};
    ReadOnce<API_Guid, bool, GuidHash> definitionVisible{true};
    ReadOnce<API_Guid, API_Property, GuidHash> values{true};
    ReadOnce<API_Guid, GS::UniString, GuidHash> valueTexts{true};
    Once<GS::Array<GS::Pair<API_Guid, API_Guid>>> classificationItems{true};
    ReadOnce<API_Guid, bool, GuidHash> itemVisible{true};
};

struct CompositeSkin {
    API_AttributeIndex material;
    double thickness; // metres
};

// The story table: entry i is story firstStory + i.
struct StoryTable {
    short firstStory = 0;
    GS::Array<GS::UniString> names;
};

class TakeoffCache {
  public:
    // Becomes the active cache until it is destroyed.
    TakeoffCache();
    ~TakeoffCache();
    TakeoffCache(const TakeoffCache&) = delete;
    TakeoffCache& operator=(const TakeoffCache&) = delete;

    // The cache of the running take-off; nullptr outside one.
    static TakeoffCache* Active();

    // The run moves on to this element: what was read of the previous one is dropped, unless it is the same.
    void BeginElement(const API_Guid& guid);
    // What is read of that element, the one being evaluated or another.
    ElementReads& Element(const API_Guid& guid);

    // The element whose quantities the calculation buffers hold, with the request's result.
    bool HoldsQuantitiesOf(const API_Guid& guid, bool& result) const;
    void QuantitiesFetched(const API_Guid& guid, bool result);

    ReadOnce<TypedKey<Int32>, API_Attribute, TypedKeyHash> attributes{false};
    ReadOnce<API_AttributeIndex, GS::Array<CompositeSkin>> compositeSkins{false};
    ReadOnce<TypedKey<Int32>, API_LibPart, TypedKeyHash> libParts{false};
    Once<StoryTable> stories{false};
    ReadOnce<API_AttributeIndex, GS::Array<GS::Pair<API_Guid, API_Guid>>> materialItems{false};
    ReadOnce<TypedKey<API_Guid>, bool, TypedKeyHash> materialItemVisible{false};
    ReadOnce<API_Guid, API_ClassificationSystem, GuidHash> systems{false};
    ReadOnce<API_Guid, API_ClassificationItem, GuidHash> items{false};
    Once<GS::Array<API_Guid>> zones{false};

  private:
    // The element being evaluated, and the others read meanwhile (kept until the run ends).
    std::unique_ptr<ElementReads> current_;
    API_Guid currentGuid_{};
    std::unordered_map<API_Guid, std::unique_ptr<ElementReads>, GuidHash> others_;
    API_Guid quantitiesOf_{};
    bool quantitiesResult_ = false;
    bool holdsQuantities_ = false;
};

// The active cache's reads of that element, or nullptr outside a take-off.
ElementReads* ReadsOf(const API_Guid& guid);

} // namespace hostaccess
