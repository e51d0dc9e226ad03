#pragma once
// The game's two kinds of list: fixed arrays with explicit bounds (SlotRank and friends run
// 0..52) and growable card lists with positions from 1 (Deck, DealtList). Every index is
// checked; a bad one is the run-time error "Subscript out of range".

#include "runtime_error.h"

#include <array>
#include <cstddef>
#include <vector>

namespace veltrane {

template <typename T, int Lo, int Hi> class BoundedArray {
    static_assert(Lo <= Hi);

  public:
    T& operator()(int i) { return items_[offset(i)]; }
    const T& operator()(int i) const { return items_[offset(i)]; }

  private:
    static std::size_t offset(int i) {
        if (i < Lo || i > Hi) {
            raiseSubscript();
        }
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, Hi - Lo + 1> items_{};
};

// A list whose positions run 1..size(). Resizing keeps the entries that remain and keeps the
// storage, so a game never allocates after its first deal.
template <typename T> class GrowableList {
  public:
    GrowableList() { items_.reserve(52); }

    T& operator()(int i) { return items_[offset(i)]; }
    const T& operator()(int i) const { return items_[offset(i)]; }

    Int16 size() const { return static_cast<Int16>(items_.size()); }
    // The upper bound of the list: its last position, 0 when empty.
    Int16 upperBound() const { return size(); }

    // Makes the list exactly n entries long, keeping the first entries ("resize, preserving").
    void resizePreserve(int n) {
        if (n < 0) {
            raiseSubscript();
        }
        items_.resize(static_cast<std::size_t>(n));
    }
    void clear() { items_.clear(); }
    const std::vector<T>& items() const { return items_; }

  private:
    std::size_t offset(int i) const {
        if (i < 1 || i > static_cast<int>(items_.size())) {
            raiseSubscript();
        }
        return static_cast<std::size_t>(i - 1);
    }
    std::vector<T> items_;
};

} // namespace veltrane
