#include "hostplatform/GuidIndex.hpp"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace hostplatform {

namespace {

UInt64 Mix(UInt64 x) {
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

} // namespace

UInt32 GuidIndex::Tag(const API_Guid& guid) {
    UInt64 halves[2];
    std::memcpy(halves, &guid, sizeof guid);
    return static_cast<UInt32>(Mix(halves[0] ^ Mix(halves[1])));
}

void GuidIndex::Place(UInt64 slot) {
    size_t at = static_cast<UInt32>(slot >> 32) & Mask();
    while (slots_[at] != 0)
        at = (at + 1) & Mask();
    slots_[at] = slot;
}

void GuidIndex::Add(UInt32 tag, size_t position) {
    if (position >= std::numeric_limits<UInt32>::max())
        throw std::length_error("GuidIndex: too many positions");
    // At most half full, so probe runs stay short; the tag alone places a slot, so growing reads no guid.
    if (2 * (count_ + 1) > slots_.size()) {
        const std::vector<UInt64> old = std::move(slots_);
        slots_.assign(old.empty() ? 16 : old.size() * 2, 0);
        for (const UInt64 slot : old)
            if (slot != 0)
                Place(slot);
    }
    Place(static_cast<UInt64>(tag) << 32 | static_cast<UInt64>(position + 1));
    ++count_;
}

} // namespace hostplatform
