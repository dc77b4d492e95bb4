// The map's iteration order decides the file order of names that differ only in letter case,
// so it must stay exactly what a table of chained buckets gives: these tests replay random
// puts and deletes on the map and on a plain model of such a table and compare the orders.
#include "toolbox/StringKeyHashMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace toolbox;

namespace
{

struct Value
{
    explicit Value(int number) : number(number) {}
    int number;
};

// A bucket table as the order's definition: chains in index order, each in the order its keys
// came; twice as many buckets as keys after a growth past one key a bucket, or a put finding
// fewer than a quarter filled; never fewer than 16; a rebuild takes the keys in listing order.
class ModelTable
{
public:
    void Put(const std::string& key)
    {
        if (Contains(key))
            return;
        if (chains.empty())
            chains.resize(16);
        chains[Bucket(key, chains.size())].push_back(key);
        ++count;
        const int64_t load = count * 100 / static_cast<int64_t>(chains.size());
        const int64_t wanted = count * 2;
        if (load < 25 && std::max<int64_t>(wanted, 16) < static_cast<int64_t>(chains.size()))
            Rebuild(static_cast<std::size_t>(std::max<int64_t>(wanted, 16)));
        else if (load > 100)
            Rebuild(static_cast<std::size_t>(wanted));
    }
    void Delete(const std::string& key)
    {
        for (auto& chain : chains)
        {
            auto found = std::find(chain.begin(), chain.end(), key);
            if (found != chain.end())
            {
                chain.erase(found);
                --count;
            }
        }
    }
    void Clear()
    {
        chains.clear();
        count = 0;
    }
    std::vector<std::string> Listing() const
    {
        std::vector<std::string> listing;
        for (const auto& chain : chains)
            listing.insert(listing.end(), chain.begin(), chain.end());
        return listing;
    }
    uint64_t Rank(const std::string& key) const
    {
        const std::size_t bucket = Bucket(key, chains.size());
        const auto& chain = chains[bucket];
        return (uint64_t{bucket} << 32) +
               static_cast<uint64_t>(std::find(chain.begin(), chain.end(), key) - chain.begin());
    }
    int BucketCount() const { return static_cast<int>(chains.size()); }

private:
    static std::size_t Bucket(const std::string& key, std::size_t buckets)
    {
        return StringKeyHashMap<Value>::Hash(key.c_str()) % buckets;
    }
    bool Contains(const std::string& key) const
    {
        const std::vector<std::string> listing = Listing();
        return std::find(listing.begin(), listing.end(), key) != listing.end();
    }
    void Rebuild(std::size_t buckets)
    {
        std::vector<std::vector<std::string>> rebuilt(buckets);
        for (const std::string& key : Listing())
            rebuilt[Bucket(key, buckets)].push_back(key);
        chains = std::move(rebuilt);
    }

    std::vector<std::vector<std::string>> chains;
    int64_t count = 0;
};

// Short names over few letters in both cases: many differ only in case.
std::string RandomName(std::mt19937& random)
{
    static const char letters[] = "aAbBcCzZ";
    std::string name;
    const int length = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < length; ++i)
        name += letters[random() % 8];
    return name;
}

void ExpectSameOrder(const StringKeyHashMap<Value>& map, const ModelTable& model, int step)
{
    std::vector<std::string> keys;
    for (const char* key : map.Keys())
        keys.emplace_back(key);
    ASSERT_EQ(keys, model.Listing()) << "step " << step;
    ASSERT_EQ(map.BucketCount(), model.BucketCount()) << "step " << step;
    int index = 0;
    for (const Value* value : map.Values())
        ASSERT_EQ(map.Get(keys[static_cast<std::size_t>(index++)].c_str()), value);
    for (const std::string& key : keys)
        ASSERT_EQ(map.IterationRank(key.c_str()), model.Rank(key)) << key << " step " << step;
}

} // namespace

// Growing past the minimum, shrinking back to it and emptying, with values handed over and
// values made in the map mixed, over many seeds.
TEST(HashMapOrderTest, RandomPutsAndDeletesKeepTheBucketTableOrder)
{
    int shrunkToTheMinimum = 0;
    for (unsigned seed = 1; seed <= 40; ++seed)
    {
        std::mt19937 random(seed);
        StringKeyHashMap<Value> map;
        ModelTable model;
        for (int step = 0; step < 600; ++step)
        {
            // Long stretches of puts, then of deletes, so the table grows and shrinks.
            const bool growing = step / 150 % 2 == 0;
            const std::vector<std::string> present = model.Listing();
            const int bucketsBefore = model.BucketCount();
            if (step == 450 && seed % 4 == 0)
            {
                map.Clear();
                model.Clear();
            }
            else if (random() % 100 < (growing ? 85u : 15u) || present.empty())
            {
                const std::string name = RandomName(random);
                if (map.Get(name.c_str()) == nullptr && random() % 2 == 0)
                    map.Emplace(name.c_str(), step);
                else if (map.Get(name.c_str()) == nullptr)
                    map.Put(name.c_str(), std::make_unique<Value>(step));
                model.Put(name);
            }
            else
            {
                const std::string& name = present[random() % present.size()];
                map.Delete(name.c_str());
                model.Delete(name);
            }
            if (bucketsBefore > 16 && model.BucketCount() == 16)
                ++shrunkToTheMinimum;
            ExpectSameOrder(map, model, step);
            if (HasFatalFailure())
                return;
        }
    }
    EXPECT_GT(shrunkToTheMinimum, 10) << "the replay must shrink tables back to the minimum";
}

// A value made in the map lives in the key's entry: it can be deleted but not handed over or
// replaced, and it is destroyed with the map. Making a value for a key present gives that
// key's value.
TEST(HashMapOrderTest, ValuesMadeInTheMapStayInIt)
{
    StringKeyHashMap<std::string> map;
    auto [key, value, made] = map.Emplace("made", "in the map");
    EXPECT_STREQ(key, "made");
    EXPECT_EQ(*value, "in the map");
    EXPECT_TRUE(made);
    EXPECT_EQ(map.Get("made"), value);
    auto again = map.Emplace("made", "again");
    EXPECT_EQ(again.key, key);
    EXPECT_EQ(again.value, value);
    EXPECT_FALSE(again.made);
    EXPECT_THROW(map.Put("made", std::make_unique<std::string>("x")), EIllegalArgument);
    EXPECT_THROW(map.Remove("made"), EIllegalArgument);
    EXPECT_EQ(*map.Get("made"), "in the map");
    map.Put("handed", std::make_unique<std::string>("over"));
    EXPECT_EQ(*map.Remove("handed"), "over");
    map.Delete("made");
    EXPECT_EQ(map.Count(), 0);
    StringKeyHashMap<std::string> notOwning(false);
    EXPECT_THROW(notOwning.Emplace("made", "x"), EIllegalArgument);
}
