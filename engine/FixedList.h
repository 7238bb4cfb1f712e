#pragma once
// A list of at most CAPACITY values in a plain array: no allocation, so the
// search can keep one per ply on the stack.

#include <algorithm>

namespace engine {

template <class T, int CAPACITY>
struct FixedList {
    T items[CAPACITY];
    int size = 0;

    void add(T value) { items[size++] = value; }
    T& operator[](int i) { return items[i]; }
    const T& operator[](int i) const { return items[i]; }
    const T* begin() const { return items; }
    const T* end() const { return items + size; }
    bool contains(T value) const { return std::find(begin(), end(), value) != end(); }
};

}  // namespace engine
