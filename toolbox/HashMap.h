#pragma once

#include "toolbox/Exception.h"
#include "toolbox/PointeredList.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

namespace toolbox
{

// Keys that are pointers compared by identity: the map keeps the pointer itself.
struct PointerKeys
{
    using Argument = const void*;
    using Stored = const void*;
    static Stored Take(Argument key) { return key; }
    static Argument View(const Stored& key) { return key; }
    static bool Equal(Argument a, Argument b) { return a == b; }
    static uint32_t Hash(Argument key)
    {
        return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(key) / 8 * 1009);
    }
};

// A hash map of values it owns (or, when built not owning, merely points to). Each bucket
// keeps its entries in insertion order; the bucket count follows the load: it grows when the
// entries outnumber the buckets and shrinks when they fill fewer than a quarter of them. An
// empty map holds no buckets at all: a large store has many sections, and most hold no
// sub-sections. Iteration runs over the buckets in index order, each in its own order.
template <class T, class KeyRules = PointerKeys> class HashMap
{
public:
    using Key = typename KeyRules::Argument;

    explicit HashMap(bool ownsValues = true) : ownsValues_(ownsValues) {}
    HashMap(const HashMap&) = delete;
    HashMap& operator=(const HashMap&) = delete;
    ~HashMap() { ReleaseEntries(); }

    int Count() const { return count_; }
    int BucketCount() const { return static_cast<int>(buckets_.size()); }

    // nullptr when absent.
    T* Get(Key key) const
    {
        if (buckets_.empty())
        {
            return nullptr;
        }
        const Bucket& bucket = BucketOf(KeyRules::Hash(key));
        int index = Find(bucket, key);
        return index < 0 ? nullptr : bucket[static_cast<size_t>(index)]->value.get();
    }

    // An existing key keeps its entry; its old value is destroyed.
    void Put(Key key, std::unique_ptr<T> value)
    {
        if (!ownsValues_)
        {
            throw EIllegalArgument("A map that does not own its values cannot take one over",
                                   "toolbox::HashMap::Put", __LINE__);
        }
        Store(key, Value(value.release(), ValueRelease{true}));
    }

    void Put(Key key, T* value)
    {
        if (ownsValues_)
        {
            throw EIllegalArgument("A map that owns its values needs them handed over",
                                   "toolbox::HashMap::Put", __LINE__);
        }
        Store(key, Value(value, ValueRelease{false}));
    }

    // The value leaves the map without being destroyed; nullptr when absent.
    std::unique_ptr<T> Remove(Key key)
    {
        if (!ownsValues_)
        {
            throw EIllegalArgument("A map that does not own its values cannot hand one over",
                                   "toolbox::HashMap::Remove", __LINE__);
        }
        std::unique_ptr<Entry> entry = Unlink(key);
        return std::unique_ptr<T>(entry ? entry->value.release() : nullptr);
    }

    // Destroys the value, unless the map does not own it.
    void Delete(Key key) { Unlink(key); }

    void Clear()
    {
        ReleaseEntries();
        count_ = 0;
        std::vector<Bucket>().swap(buckets_);
    }

    PointeredList<std::remove_pointer_t<Key>> Keys() const
    {
        PointeredList<std::remove_pointer_t<Key>> keys;
        for (const Bucket& bucket : buckets_)
        {
            for (const auto& entry : bucket)
            {
                keys.Append(KeyRules::View(entry->key));
            }
        }
        return keys;
    }

    PointeredList<T> Values() const
    {
        PointeredList<T> values;
        for (const Bucket& bucket : buckets_)
        {
            for (const auto& entry : bucket)
            {
                values.Append(entry->value.get());
            }
        }
        return values;
    }

private:
    static constexpr int loadPercentage = 50;
    static constexpr int minimumBuckets = 16;

    struct ValueRelease
    {
        bool owns;
        void operator()(T* value) const
        {
            if (owns)
            {
                delete value;
            }
        }
    };
    using Value = std::unique_ptr<T, ValueRelease>;

    struct Entry
    {
        typename KeyRules::Stored key;
        uint32_t hash;
        Value value;
    };
    // Entries live on the heap so that the key texts handed out stay where they are.
    using Bucket = std::vector<std::unique_ptr<Entry>>;

    Bucket& BucketOf(uint32_t hash) { return buckets_[hash % buckets_.size()]; }
    const Bucket& BucketOf(uint32_t hash) const { return buckets_[hash % buckets_.size()]; }

    static int Find(const Bucket& bucket, Key key)
    {
        for (size_t i = 0; i < bucket.size(); ++i)
        {
            if (KeyRules::Equal(KeyRules::View(bucket[i]->key), key))
            {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    void Store(Key key, Value value)
    {
        if (buckets_.empty())
        {
            GuardAllocation([&] { buckets_.resize(minimumBuckets); });
        }
        uint32_t hash = KeyRules::Hash(key);
        Bucket& bucket = BucketOf(hash);
        int index = Find(bucket, key);
        if (index >= 0)
        {
            bucket[static_cast<size_t>(index)]->value = std::move(value);
        }
        else
        {
            GuardAllocation(
                [&]
                {
                    bucket.push_back(std::unique_ptr<Entry>(
                        new Entry{KeyRules::Take(key), hash, std::move(value)}));
                });
            ++count_;
        }
        Rebalance();
    }

    std::unique_ptr<Entry> Unlink(Key key)
    {
        if (buckets_.empty())
        {
            return nullptr;
        }
        Bucket& bucket = BucketOf(KeyRules::Hash(key));
        int index = Find(bucket, key);
        if (index < 0)
        {
            return nullptr;
        }
        std::unique_ptr<Entry> entry = std::move(bucket[static_cast<size_t>(index)]);
        bucket.erase(bucket.begin() + index);
        if (bucket.empty())
        {
            Bucket().swap(bucket);
        }
        --count_;
        return entry;
    }

    // Entries go in iteration order.
    void ReleaseEntries()
    {
        for (Bucket& bucket : buckets_)
        {
            for (auto& entry : bucket)
            {
                entry.reset();
            }
            Bucket().swap(bucket);
        }
    }

    void Rebalance()
    {
        int64_t buckets = BucketCount();
        int64_t wanted = int64_t{count_} * 100 / loadPercentage;
        int64_t load = int64_t{count_} * 100 / buckets;
        if (load < loadPercentage / 2)
        {
            wanted = std::max(wanted, int64_t{minimumBuckets});
            if (wanted < buckets)
            {
                Rebuild(static_cast<size_t>(wanted));
            }
        }
        else if (load > loadPercentage * 2)
        {
            Rebuild(static_cast<size_t>(wanted));
        }
    }

    // Old buckets in index order, each in its own order, go into the new table. All memory
    // is taken before the first entry moves, so a failure leaves the map as it was.
    void Rebuild(size_t bucketCount)
    {
        std::vector<Bucket> table;
        GuardAllocation(
            [&]
            {
                std::vector<size_t> sizes(bucketCount);
                for (const Bucket& bucket : buckets_)
                {
                    for (const auto& entry : bucket)
                    {
                        ++sizes[entry->hash % bucketCount];
                    }
                }
                table.resize(bucketCount);
                for (size_t i = 0; i < bucketCount; ++i)
                {
                    table[i].reserve(sizes[i]);
                }
            });
        for (Bucket& bucket : buckets_)
        {
            for (auto& entry : bucket)
            {
                uint32_t hash = entry->hash;
                table[hash % bucketCount].push_back(std::move(entry));
            }
        }
        buckets_ = std::move(table);
    }

    int count_ = 0;
    std::vector<Bucket> buckets_;
    bool ownsValues_;
};

} // namespace toolbox
