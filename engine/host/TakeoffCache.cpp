#include "engine/host/TakeoffCache.hpp"

#include <cstring>

namespace hostaccess {

namespace {

TakeoffCache* active = nullptr;

std::size_t Mix(std::size_t seed, std::size_t value) {
    return seed ^ (value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2));
}

} // namespace

std::size_t GuidHash::operator()(const API_Guid& guid) const noexcept {
    UInt64 halves[2];
    static_assert(sizeof halves == sizeof guid);
    std::memcpy(halves, &guid, sizeof guid);
    return Mix(std::hash<UInt64>()(halves[0]), std::hash<UInt64>()(halves[1]));
}

std::size_t TypedKeyHash::operator()(const TypedKey<Int32>& key) const noexcept {
    return Mix(std::hash<Int32>()(key.first), std::hash<Int32>()(key.second));
}

std::size_t TypedKeyHash::operator()(const TypedKey<API_Guid>& key) const noexcept {
    return Mix(std::hash<Int32>()(key.first), GuidHash()(key.second));
}

TakeoffCache::TakeoffCache() {
    active = this;
}

TakeoffCache::~TakeoffCache() {
    if (active == this)
        active = nullptr;
}

TakeoffCache* TakeoffCache::Active() {
    return active;
}

void TakeoffCache::BeginElement(const API_Guid& guid) {
    if (current_ != nullptr && currentGuid_ == guid)
        return;
    currentGuid_ = guid;
    // What was read of it as another element's owner, zone or source is kept.
    const auto other = others_.find(guid);
    if (other == others_.end()) {
        current_ = std::make_unique<ElementReads>();
        return;
    }
    current_ = std::move(other->second);
    others_.erase(other);
}

ElementReads& TakeoffCache::Element(const API_Guid& guid) {
    if (current_ != nullptr && currentGuid_ == guid)
        return *current_;
    std::unique_ptr<ElementReads>& reads = others_[guid];
    if (reads == nullptr)
        reads = std::make_unique<ElementReads>();
    return *reads;
}

bool TakeoffCache::HoldsQuantitiesOf(const API_Guid& guid, bool& result) const {
    if (!holdsQuantities_ || quantitiesOf_ != guid)
        return false;
    result = quantitiesResult_;
    return true;
}

void TakeoffCache::QuantitiesFetched(const API_Guid& guid, bool result) {
    quantitiesOf_ = guid;
    quantitiesResult_ = result;
    holdsQuantities_ = true;
}

ElementReads* ReadsOf(const API_Guid& guid) {
    return active == nullptr ? nullptr : &active->Element(guid);
}

} // namespace hostaccess
