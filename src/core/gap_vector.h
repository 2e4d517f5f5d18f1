// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

namespace lm {

// A vector with a gap of free places inside it, kept where the last insert
// went: inserts that walk forward through the items, as the worker's second
// rows do, move each item only once per walk instead of every item behind
// each insert. Appends go to the end as in a vector. Erasing runs from the
// last to the first widens the gap downwards, so each item moves once per
// pass; resize closes the gap first.
template <class T>
class GapVector {
public:
    template <bool Const>
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = std::conditional_t<Const, const T*, T*>;
        using reference = std::conditional_t<Const, const T&, T&>;
        using Owner = std::conditional_t<Const, const GapVector, GapVector>;

        Iterator() = default;
        Iterator(Owner* owner, std::size_t index) : owner_(owner), index_(index) {}
        reference operator*() const { return (*owner_)[index_]; }
        pointer operator->() const { return &(*owner_)[index_]; }
        Iterator& operator++() {
            ++index_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++index_;
            return before;
        }
        bool operator==(const Iterator& other) const { return index_ == other.index_; }

    private:
        Owner* owner_ = nullptr;
        std::size_t index_ = 0;
    };
    using iterator = Iterator<false>;
    using const_iterator = Iterator<true>;

    GapVector() = default;
    GapVector& operator=(std::vector<T>&& items) {
        items_ = std::move(items);
        gapStart_ = 0;
        gapSize_ = 0;
        return *this;
    }

    std::size_t size() const { return items_.size() - gapSize_; }
    bool empty() const { return size() == 0; }
    T& operator[](std::size_t i) { return items_[i < gapStart_ ? i : i + gapSize_]; }
    const T& operator[](std::size_t i) const { return items_[i < gapStart_ ? i : i + gapSize_]; }

    iterator begin() { return {this, 0}; }
    iterator end() { return {this, size()}; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    void reserve(std::size_t n) { items_.reserve(n + gapSize_); }
    void clear() {
        items_.clear();
        gapStart_ = 0;
        gapSize_ = 0;
    }

    void push_back(T value) {
        if (gapSize_ > 0 && gapStart_ == size()) {
            items_[gapStart_++] = std::move(value);  // the gap is at the end
            --gapSize_;
        } else {
            items_.push_back(std::move(value));
        }
    }

    // Puts `value` before item `pos` (at the end for pos == size()).
    void insert(std::size_t pos, T value) {
        if (pos >= size()) {
            push_back(std::move(value));
            return;
        }
        if (gapSize_ == 0) {
            // A new gap in proportion to the items, so that growing it
            // costs O(1) per insert over its life.
            const std::size_t room = std::max<std::size_t>(16, size() / 8);
            items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(pos), room, T());
            gapStart_ = pos;
            gapSize_ = room;
        } else {
            MoveGapTo(pos);
        }
        items_[gapStart_++] = std::move(value);
        --gapSize_;
    }

    // Takes out items `pos` to `pos + count - 1`: they become part of the gap.
    void erase(std::size_t pos, std::size_t count) {
        if (count == 0) {
            return;
        }
        if (pos == 0 && count == size()) {
            clear();
            return;
        }
        MoveGapTo(pos + count);
        for (std::size_t i = pos; i < pos + count; ++i) {
            items_[i] = T();  // let go of what they hold
        }
        gapStart_ = pos;
        gapSize_ += count;
    }

    // Shrinks to the first `n` items, or grows with new ones at the end.
    void resize(std::size_t n) {
        CloseGap();
        items_.resize(n);
    }

private:
    void MoveGapTo(std::size_t pos) {
        const auto at = [this](std::size_t i) {
            return items_.begin() + static_cast<std::ptrdiff_t>(i);
        };
        if (pos < gapStart_) {
            std::move_backward(at(pos), at(gapStart_), at(gapStart_ + gapSize_));
        } else if (pos > gapStart_) {
            std::move(at(gapStart_ + gapSize_), at(pos + gapSize_), at(gapStart_));
        }
        gapStart_ = pos;
    }
    void CloseGap() {
        if (gapSize_ > 0) {
            MoveGapTo(size());
            items_.resize(size());
            gapSize_ = 0;
        }
        gapStart_ = 0;
    }

    std::vector<T> items_;  // the gap's places hold moved-from items
    std::size_t gapStart_ = 0;
    std::size_t gapSize_ = 0;
};

}  // namespace lm
