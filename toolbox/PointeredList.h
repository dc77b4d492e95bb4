#pragma once

#include "toolbox/Exception.h"

#include <algorithm>
#include <functional>
#include <type_traits>
#include <vector>

namespace toolbox
{

// A list of items it does not own, such as a map's keys or values handed to a caller.
template <class T> class PointeredList
{
public:
    int Count() const { return static_cast<int>(items.size()); }
    bool IsEmpty() const { return items.empty(); }
    void Append(T* item)
    {
        GuardAllocation([&] { items.push_back(item); });
    }
    // nullptr when out of range.
    T* Get(int index) const
    {
        return index >= 0 && index < Count() ? items[static_cast<size_t>(index)] : nullptr;
    }

    // Stable: the order is that of repeatedly taking the first item that no other remaining
    // item is strictly less than, so equal items keep their order.
    // A template only so that lists of untyped pointers, which cannot be sorted, can exist.
    template <class U = T>
    void Sort(const std::type_identity_t<std::function<int(const U& a, const U& b)>>& compare)
    {
        std::stable_sort(items.begin(), items.end(),
                         [&](T* a, T* b) { return compare(*a, *b) < 0; });
    }

    typename std::vector<T*>::const_iterator begin() const { return items.begin(); }
    typename std::vector<T*>::const_iterator end() const { return items.end(); }

private:
    std::vector<T*> items;
};

} // namespace toolbox
