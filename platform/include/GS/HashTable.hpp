// Key-value table of the stand-in host's base library.
#pragma once

#include "GS/Types.hpp"

#include <functional>
#include <unordered_map>

namespace GS {

using USize = UInt32;

template <typename K, typename V> class HashTable {
  public:
    using iterator = typename std::unordered_map<K, V>::iterator;
    using const_iterator = typename std::unordered_map<K, V>::const_iterator;

    // False, leaving the table unchanged, when the key is already there.
    bool Add(const K& key, const V& value) { return entries_.try_emplace(key, value).second; }
    void Put(const K& key, const V& value) { entries_.insert_or_assign(key, value); }

    bool ContainsKey(const K& key) const { return entries_.find(key) != entries_.end(); }

    // The key must be present; std::out_of_range otherwise.
    V& Get(const K& key) { return entries_.at(key); }
    const V& Get(const K& key) const { return entries_.at(key); }

    bool Get(const K& key, V* out) const {
        const V* found = GetPtr(key);
        if (found != nullptr && out != nullptr)
            *out = *found;
        return found != nullptr;
    }

    V* GetPtr(const K& key) {
        const auto found = entries_.find(key);
        return found == entries_.end() ? nullptr : &found->second;
    }
    const V* GetPtr(const K& key) const {
        const auto found = entries_.find(key);
        return found == entries_.end() ? nullptr : &found->second;
    }

    bool Delete(const K& key) { return entries_.erase(key) > 0; }

    USize GetSize() const { return static_cast<USize>(entries_.size()); }
    bool IsEmpty() const { return entries_.empty(); }
    void Clear() { entries_.clear(); }

    iterator begin() { return entries_.begin(); }
    iterator end() { return entries_.end(); }
    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }

  private:
    std::unordered_map<K, V> entries_;
};

} // namespace GS
