// A sequence indexed like a vector that keeps a gap of unused items where it was
// last changed. Inserting or erasing then costs only the distance from the last
// change, not the length of what follows: the pane keeps one entry per line, and
// a merge inserts thousands of lines from the top of a file to its bottom, which
// with a plain vector moves every later line each time.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

template <typename T> class GapVector {
  public:
    std::size_t size() const { return items_.size() - gapLength_; }

    T& operator[](std::size_t index) { return items_[Slot(index)]; }
    const T& operator[](std::size_t index) const { return items_[Slot(index)]; }

    // `count` copies of `value`, with no gap.
    void assign(std::size_t count, const T& value) {
        items_.assign(count, value);
        gapStart_ = count;
        gapLength_ = 0;
    }

    // Inserts `count` default items before `index` (at most size()).
    void insert(std::size_t index, std::size_t count) {
        if (count == 0) return;
        if (gapLength_ < count) Grow(count);
        MoveGap(index);
        // The gap's items are already default ones.
        gapStart_ += count;
        gapLength_ -= count;
    }

    // Erases `count` items from `index` on.
    void erase(std::size_t index, std::size_t count) {
        if (count == 0) return;
        MoveGap(index);
        // The erased items join the gap, emptied so that they hold no memory.
        std::fill_n(items_.begin() + static_cast<std::ptrdiff_t>(gapStart_ + gapLength_), count,
                    T());
        gapLength_ += count;
    }

  private:
    std::size_t Slot(std::size_t index) const {
        return index < gapStart_ ? index : index + gapLength_;
    }

    // Moves the gap to begin at `index`; the items it passes over change sides.
    void MoveGap(std::size_t index) {
        const auto at = [this](std::size_t slot) {
            return items_.begin() + static_cast<std::ptrdiff_t>(slot);
        };
        if (gapLength_ == 0) {
            // Nothing to move (and moving an item onto itself may empty it).
        } else if (index < gapStart_) {
            std::move_backward(at(index), at(gapStart_), at(gapStart_ + gapLength_));
            std::fill(at(index), at(std::min(gapStart_, index + gapLength_)), T());
        } else if (index > gapStart_) {
            const std::size_t tail = gapStart_ + gapLength_;
            std::move(at(tail), at(index + gapLength_), at(gapStart_));
            std::fill(at(std::max(tail, index)), at(index + gapLength_), T());
        }
        gapStart_ = index;
    }

    // Makes the gap room for at least `count` items, with some to spare.
    void Grow(std::size_t count) {
        const std::size_t length = size();
        const std::size_t gap = count + std::max<std::size_t>(length / 8, 64);
        std::vector<T> grown(length + gap);
        const auto tail = items_.begin() + static_cast<std::ptrdiff_t>(gapStart_ + gapLength_);
        std::move(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(gapStart_),
                  grown.begin());
        std::move(tail, items_.end(), grown.begin() + static_cast<std::ptrdiff_t>(gapStart_ + gap));
        items_ = std::move(grown);
        gapLength_ = gap;
    }

    std::vector<T> items_;
    std::size_t gapStart_ = 0;
    std::size_t gapLength_ = 0;
};
