#pragma once

#include "toolbox/Exception.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace toolbox
{

// An ordered list that owns its items. Its capacity follows a fixed policy: it grows by the
// growth percentage when full and shrinks back when fewer than the shrink percentage of its
// slots are in use, never below the minimum.
template <class T> class ArrayList
{
public:
    using Comparator = std::function<int(const T& a, const T& b)>;

    explicit ArrayList(int minimumCapacity = 16, int shrinkPercentage = 30,
                       int growthPercentage = 60)
        : growthPercentage(ValidPolicy(shrinkPercentage, growthPercentage) ? growthPercentage : 60),
          minimumCapacity(std::max(minimumCapacity, 8)),
          shrinkPercentage(ValidPolicy(shrinkPercentage, growthPercentage) ? shrinkPercentage : 30)
    {
        Reallocate(this->minimumCapacity);
    }

    ArrayList(const ArrayList&) = delete;
    ArrayList& operator=(const ArrayList&) = delete;

    int Count() const { return static_cast<int>(items.size()); }
    int Capacity() const { return capacity; }
    bool IsEmpty() const { return items.empty(); }

    void Append(std::unique_ptr<T> item) { Insert(Count(), std::move(item)); }

    // Index 0 to Count(); any other index does nothing and gives false.
    bool Insert(int index, std::unique_ptr<T> item)
    {
        if (index < 0 || index > Count())
        {
            return false;
        }
        Prepare(Count() + 1);
        items.insert(items.begin() + index, std::move(item));
        return true;
    }

    // nullptr when out of range.
    T* Get(int index) const { return InRange(index) ? items[index].get() : nullptr; }
    T* Last() const { return items.empty() ? nullptr : items.back().get(); }
    // Asks the processor to bring the items into its cache while the caller goes on, so that
    // a walk over many lists waits for the memory of one list's items at once, not of each.
    void Prefetch() const
    {
        for (const std::unique_ptr<T>& item : items)
            __builtin_prefetch(item.get());
    }

    int IndexOf(const T* item) const
    {
        for (int i = 0; i < Count(); ++i)
        {
            if (items[i].get() == item)
            {
                return i;
            }
        }
        return -1;
    }

    // The item leaves the list without being destroyed; nullptr when out of range.
    std::unique_ptr<T> RemoveAt(int index)
    {
        if (!InRange(index))
        {
            return nullptr;
        }
        Prepare(Count() - 1);
        std::unique_ptr<T> item = std::move(items[index]);
        items.erase(items.begin() + index);
        return item;
    }

    void DeleteAt(int index) { RemoveAt(index); }
    std::unique_ptr<T> Remove(const T* item) { return RemoveAt(IndexOf(item)); }
    void Delete(const T* item) { RemoveAt(IndexOf(item)); }
    std::unique_ptr<T> RemoveLast() { return RemoveAt(Count() - 1); }

    // Gives the order of a selection sort that takes, for each position, the first strictly
    // smallest of the rest and swaps it there, so equal items end where that sort puts them.
    // A tournament tree finds each smallest in log n comparisons instead of a scan of the rest.
    void Sort(const Comparator& compare)
    {
        const int count = Count();
        if (count < 2)
        {
            return;
        }
        // In order already, as at every refresh of a view: that sort would swap nothing, for
        // the first smallest of the rest is then always the item in its place.
        int ordered = 1;
        while (ordered < count && compare(*items[ordered - 1], *items[ordered]) <= 0)
        {
            ++ordered;
        }
        if (ordered == count)
        {
            return;
        }
        int leaves = 1;
        while (leaves < count)
        {
            leaves *= 2;
        }
        // Node k holds the position of the first smallest item below it, -1 for none.
        std::vector<int> tree(2 * static_cast<size_t>(leaves), -1);
        auto winner = [&](int a, int b)
        {
            if (a < 0 || (b >= 0 && compare(*items[b], *items[a]) < 0))
            {
                return b;
            }
            return a;
        };
        auto update = [&](int position, int value)
        {
            int node = leaves + position;
            tree[node] = value;
            for (node /= 2; node >= 1; node /= 2)
            {
                tree[node] = winner(tree[2 * node], tree[2 * node + 1]);
            }
        };
        for (int i = 0; i < count; ++i)
        {
            tree[leaves + i] = i;
        }
        for (int node = leaves - 1; node >= 1; --node)
        {
            tree[node] = winner(tree[2 * node], tree[2 * node + 1]);
        }
        for (int i = 0; i + 1 < count; ++i)
        {
            const int smallest = tree[1];
            std::swap(items[i], items[smallest]);
            update(i, -1);
            if (smallest != i)
            {
                update(smallest, smallest);
            }
        }
    }

    // Destroys every item.
    void Clear()
    {
        items.clear();
        Prepare(0);
    }

    class Iterator
    {
    public:
        using Base = typename std::vector<std::unique_ptr<T>>::const_iterator;
        explicit Iterator(Base position) : position(position) {}
        T* operator*() const { return position->get(); }
        Iterator& operator++()
        {
            ++position;
            return *this;
        }
        bool operator==(const Iterator& other) const { return position == other.position; }

    private:
        Base position;
    };

    Iterator begin() const { return Iterator(items.begin()); }
    Iterator end() const { return Iterator(items.end()); }

private:
    // Percentages out of this order fall back to the defaults, 30 and 60.
    static bool ValidPolicy(int shrink, int growth)
    {
        return 0 <= shrink && shrink < growth && growth < 100;
    }

    bool InRange(int index) const { return index >= 0 && index < Count(); }

    // Gives the list room for the count it is about to have.
    void Prepare(int needed)
    {
        int64_t count = needed;
        int64_t size = count * 100 / growthPercentage;
        if (capacity > minimumCapacity && count * 100 < int64_t{shrinkPercentage} * capacity)
        {
            Reallocate(std::max(std::max(size, int64_t{minimumCapacity}), count + 1));
        }
        else if (count >= capacity)
        {
            Reallocate(std::max(size, count + 1));
        }
    }

    void Reallocate(int64_t slots)
    {
        GuardAllocation(
            [&]
            {
                std::vector<std::unique_ptr<T>> moved;
                moved.reserve(static_cast<size_t>(slots));
                for (auto& item : items)
                {
                    moved.push_back(std::move(item));
                }
                items = std::move(moved);
            });
        capacity = static_cast<int>(slots);
    }

    int growthPercentage;
    std::vector<std::unique_ptr<T>> items;
    int minimumCapacity;
    int shrinkPercentage;
    int capacity = 0;
};

} // namespace toolbox
