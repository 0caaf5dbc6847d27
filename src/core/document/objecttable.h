#pragma once

#include "document/objectkind.h"

#include <algorithm>
#include <cassert>
#include <vector>

namespace qv {

// The objects of one kind, addressed by index. Element 0 always exists as the kind's
// template; for kinds indexed from 0 it is also the first object once the high-water index
// reaches 0. The high-water index only grows while editing (deleted objects keep their
// index, marked by their page) and is compacted by a save and load.
template <class T> class ObjectTable {
public:
    explicit ObjectTable(ObjectKind kind)
        : kind_(kind), limits_(limitsOf(kind)), items_(1), highWater_(limits_.firstIndex - 1)
    {
    }

    ObjectKind kind() const { return kind_; }
    int firstIndex() const { return limits_.firstIndex; }
    int highestIndex() const { return limits_.highestIndex; }

    // The highest index in use; firstIndex() - 1 when there is none.
    int highWater() const { return highWater_; }
    bool full() const { return highWater_ >= limits_.highestIndex; }
    bool contains(int index) const { return index >= limits_.firstIndex && index <= highWater_; }

    T& operator[](int index)
    {
        assert(index >= 0 && index < static_cast<int>(items_.size()));
        return items_[static_cast<size_t>(index)];
    }
    const T& operator[](int index) const
    {
        assert(index >= 0 && index < static_cast<int>(items_.size()));
        return items_[static_cast<size_t>(index)];
    }

    T& templateElement() { return items_[0]; }
    const T& templateElement() const { return items_[0]; }

    // Creates the next object as a copy of the template and returns its index; -1 when
    // the kind is full.
    int append()
    {
        if (full())
            return -1;
        ++highWater_;
        if (highWater_ > 0)
            items_.push_back(items_[0]);
        return highWater_;
    }

    // Sets the high-water index, keeping element 0; new elements are template copies.
    void setHighWater(int highWater)
    {
        assert(highWater >= limits_.firstIndex - 1 && highWater <= limits_.highestIndex);
        highWater_ = highWater;
        items_.resize(static_cast<size_t>(std::max(highWater, 0)) + 1, items_[0]);
    }

    // Removes every object; the template stays as it is.
    void clear()
    {
        items_.resize(1);
        highWater_ = limits_.firstIndex - 1;
    }

    // Indices of the objects, first to high-water (deleted ones included).
    struct IndexRange {
        int first;
        int last;
        struct Iterator {
            int value;
            int operator*() const { return value; }
            Iterator& operator++()
            {
                ++value;
                return *this;
            }
            bool operator!=(const Iterator& other) const { return value != other.value; }
        };
        Iterator begin() const { return {first}; }
        Iterator end() const { return {last + 1}; }
    };
    IndexRange indices() const { return {limits_.firstIndex, highWater_}; }

private:
    ObjectKind kind_;
    KindLimits limits_;
    std::vector<T> items_;
    int highWater_;
};

} // namespace qv
