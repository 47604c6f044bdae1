// Growable array of the stand-in host's base library.
#pragma once

#include "GS/Types.hpp"

#include <algorithm>
#include <cassert>
#include <initializer_list>
#include <utility>
#include <vector>

namespace GS {

using USize = UInt32;

template <typename T> class Array {
  public:
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;

    Array() = default;
    Array(std::initializer_list<T> items) : items_(items) {}

    void Push(const T& item) { items_.push_back(item); }
    void Push(T&& item) { items_.push_back(std::move(item)); }

    USize GetSize() const { return static_cast<USize>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    void Clear() { items_.clear(); }
    void SetSize(USize size) { items_.resize(size); }
    void Reserve(USize capacity) { items_.reserve(capacity); }

    T& operator[](UIndex index) {
        assert(index < items_.size());
        return items_[index];
    }
    const T& operator[](UIndex index) const {
        assert(index < items_.size());
        return items_[index];
    }

    void Insert(UIndex at, const T& item) {
        assert(at <= items_.size());
        items_.insert(items_.begin() + at, item);
    }
    void Delete(UIndex at) {
        assert(at < items_.size());
        items_.erase(items_.begin() + at);
    }
    void DeleteLast() {
        assert(!items_.empty());
        items_.pop_back();
    }

    T& GetFirst() { return (*this)[0]; }
    const T& GetFirst() const { return (*this)[0]; }
    T& GetLast() { return (*this)[GetSize() - 1]; }
    const T& GetLast() const { return (*this)[GetSize() - 1]; }

    bool Contains(const T& item) const { return FindFirst(item) != MaxUIndex; }
    // MaxUIndex when absent.
    UIndex FindFirst(const T& item) const {
        const auto found = std::find(items_.begin(), items_.end(), item);
        return found == items_.end() ? MaxUIndex : static_cast<UIndex>(found - items_.begin());
    }

    iterator begin() { return items_.begin(); }
    iterator end() { return items_.end(); }
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

    const std::vector<T>& AsVector() const { return items_; }
    std::vector<T>& AsVector() { return items_; }

    friend bool operator==(const Array& a, const Array& b) { return a.items_ == b.items_; }

  private:
    std::vector<T> items_;
};

} // namespace GS
