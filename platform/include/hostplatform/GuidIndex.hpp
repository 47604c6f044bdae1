// Positions by guid in one flat table of 8-byte slots: a hash tag and a position, no guid. A model of
// 100,000 elements needs 2 MB where a node-based map needs several times that in scattered nodes, so a
// take-off's look-ups mostly stay in cache; the one guid compared is read from the element itself,
// which the caller is about to read anyway.
#pragma once

#include "API/Types.hpp"

#include <cstddef>
#include <optional>
#include <vector>

namespace hostplatform {

class GuidIndex {
  public:
    // The position whose guid, as guidAt(position) gives it, is `guid`.
    template <typename GuidAt> std::optional<size_t> Find(const API_Guid& guid, GuidAt&& guidAt) const {
        if (slots_.empty())
            return std::nullopt;
        const UInt32 tag = Tag(guid);
        for (size_t at = tag & Mask();; at = (at + 1) & Mask()) {
            const UInt64 slot = slots_[at];
            if (slot == 0)
                return std::nullopt;
            if (static_cast<UInt32>(slot >> 32) == tag && guidAt(Position(slot)) == guid)
                return Position(slot);
        }
    }

    // Adds the guid at `position`; false, and nothing changes, when it is there already.
    template <typename GuidAt> bool Insert(const API_Guid& guid, size_t position, GuidAt&& guidAt) {
        if (Find(guid, guidAt))
            return false;
        Add(Tag(guid), position);
        return true;
    }

  private:
    static UInt32 Tag(const API_Guid& guid);
    static size_t Position(UInt64 slot) { return static_cast<size_t>(slot & 0xFFFFFFFFu) - 1; }
    size_t Mask() const { return slots_.size() - 1; }
    void Add(UInt32 tag, size_t position);
    void Place(UInt64 slot);

    std::vector<UInt64> slots_; // tag in the high half, position + 1 in the low half; 0 when empty
    size_t count_ = 0;
};

} // namespace hostplatform
