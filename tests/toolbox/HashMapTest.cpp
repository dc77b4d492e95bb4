#include "toolbox/PointeredList.h"
#include "toolbox/StringKeyHashMap.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

using namespace toolbox;

namespace
{

struct Value
{
    explicit Value(int* destroyed = nullptr) : destroyed(destroyed) {}
    ~Value()
    {
        if (destroyed != nullptr)
        {
            ++*destroyed;
        }
    }
    int* destroyed;
};

std::string Keys(const StringKeyHashMap<Value>& map)
{
    std::string keys;
    for (const char* key : map.Keys())
    {
        keys += std::string(key) + " ";
    }
    return keys;
}

void PutNumbered(StringKeyHashMap<Value>& map, int from, int to)
{
    for (int i = from; i < to; ++i)
    {
        map.Put(("key" + std::to_string(i)).c_str(), std::make_unique<Value>());
    }
}

} // namespace

// Every byte counts: names that differ in one byte only, anywhere, land apart. Many such
// names in one file must not pile up in one bucket, which would make each look-up a search.
TEST(HashMapTest, TextHashTakesEveryByte)
{
    const std::string base(40, 'n');
    std::set<uint32_t> hashes;
    int names = 0;
    for (std::size_t position = 0; position < base.size(); ++position)
        for (char byte : {'a', 'b', '\x80', '\xff'})
        {
            std::string name = base;
            name[position] = byte;
            hashes.insert(StringKeyHashMap<Value>::Hash(name.c_str()));
            ++names;
        }
    EXPECT_EQ(hashes.size(), static_cast<std::size_t>(names));
    EXPECT_NE(StringKeyHashMap<Value>::Hash("ab"), StringKeyHashMap<Value>::Hash("ba"));
}

TEST(HashMapTest, GrowsAt17And35And71Entries)
{
    StringKeyHashMap<Value> map;
    EXPECT_EQ(map.BucketCount(), 0) << "no buckets before the first entry";
    EXPECT_EQ(map.Get("key0"), nullptr);
    map.Delete("key0");
    PutNumbered(map, 0, 1);
    EXPECT_EQ(map.BucketCount(), 16);
    PutNumbered(map, 1, 16);
    EXPECT_EQ(map.BucketCount(), 16);
    PutNumbered(map, 16, 17);
    EXPECT_EQ(map.BucketCount(), 34);
    PutNumbered(map, 17, 34);
    EXPECT_EQ(map.BucketCount(), 34);
    PutNumbered(map, 34, 35);
    EXPECT_EQ(map.BucketCount(), 70);
    PutNumbered(map, 35, 71);
    EXPECT_EQ(map.BucketCount(), 142);
    EXPECT_EQ(map.Count(), 71);
    for (int i = 0; i < 71; ++i)
    {
        EXPECT_NE(map.Get(("key" + std::to_string(i)).c_str()), nullptr) << i;
    }
}

TEST(HashMapTest, ShrinksOnlyOnClearOrTheNextPut)
{
    StringKeyHashMap<Value> map;
    PutNumbered(map, 0, 71);
    for (int i = 10; i < 71; ++i)
    {
        map.Delete(("key" + std::to_string(i)).c_str());
    }
    EXPECT_EQ(map.Count(), 10);
    EXPECT_EQ(map.BucketCount(), 142);
    PutNumbered(map, 100, 101);
    EXPECT_EQ(map.BucketCount(), 22) << "twice the count";
    for (int i = 0; i < 8; ++i)
    {
        map.Delete(("key" + std::to_string(i)).c_str());
    }
    map.Put("key0", std::make_unique<Value>());
    EXPECT_EQ(map.BucketCount(), 16) << "never below the minimum";

    PutNumbered(map, 0, 40);
    map.Clear();
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.BucketCount(), 0) << "an emptied map gives its buckets back";
    EXPECT_EQ(map.Get("key1"), nullptr);
    PutNumbered(map, 0, 1);
    EXPECT_EQ(map.BucketCount(), 16);
}

TEST(HashMapTest, PuttingAnExistingKeyDestroysTheOldValue)
{
    int destroyed = 0;
    StringKeyHashMap<Value> map;
    map.Put("name", std::make_unique<Value>(&destroyed));
    auto replacement = std::make_unique<Value>(&destroyed);
    Value* second = replacement.get();
    std::string key = "name";
    map.Put(key.c_str(), std::move(replacement));
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(map.Count(), 1);
    EXPECT_EQ(map.Get("name"), second);
    EXPECT_EQ(map.Get("Name"), nullptr) << "keys are case-sensitive";

    key = "changed";
    EXPECT_STREQ(map.Keys().Get(0), "name") << "the map keeps its own copy of the key";
}

TEST(HashMapTest, RemoveHandsOverAndDeleteDestroys)
{
    int destroyed = 0;
    {
        StringKeyHashMap<Value> map;
        map.Put("a", std::make_unique<Value>(&destroyed));
        map.Put("b", std::make_unique<Value>(&destroyed));
        map.Put("c", std::make_unique<Value>(&destroyed));
        std::unique_ptr<Value> a = map.Remove("a");
        EXPECT_NE(a, nullptr);
        EXPECT_EQ(map.Remove("a"), nullptr);
        EXPECT_EQ(destroyed, 0);
        map.Delete("b");
        map.Delete("missing");
        EXPECT_EQ(destroyed, 1);
        EXPECT_EQ(map.Count(), 1);
        EXPECT_EQ(map.Get(nullptr), nullptr);
        EXPECT_THROW(map.Put(nullptr, std::make_unique<Value>()), EIllegalArgument);
        EXPECT_EQ(map.Count(), 1);
    }
    EXPECT_EQ(destroyed, 3) << "the removed value, the deleted one and the one left in the map";
}

// The keys as a map of that many buckets lists them when they were put in this order: bucket
// by bucket in index order, each bucket in the order its keys came.
std::vector<std::string> Listing(const std::vector<std::string>& putOrder, std::size_t buckets)
{
    std::vector<std::vector<std::string>> byBucket(buckets);
    for (const std::string& key : putOrder)
        byBucket[StringKeyHashMap<Value>::Hash(key.c_str()) % buckets].push_back(key);
    std::vector<std::string> listing;
    for (const auto& bucket : byBucket)
        listing.insert(listing.end(), bucket.begin(), bucket.end());
    return listing;
}

std::string Joined(const std::vector<std::string>& keys)
{
    std::string text;
    for (const std::string& key : keys)
        text += key + " ";
    return text;
}

TEST(HashMapTest, IteratesBucketsInIndexOrderAfterRebuilds)
{
    StringKeyHashMap<Value> map;
    for (const char* key : {"a", "b", "q", "c"})
        map.Put(key, std::make_unique<Value>());
    EXPECT_EQ(Keys(map), Joined(Listing({"a", "b", "q", "c"}, 16)));

    map.Clear();
    std::vector<std::string> letters;
    for (char c = 'A'; c <= 'P'; ++c)
    {
        letters.emplace_back(1, c);
        map.Put(letters.back().c_str(), std::make_unique<Value>());
    }
    EXPECT_EQ(Keys(map), Joined(Listing(letters, 16)));
    // The 17th entry joins its bucket, then the map rebuilds into 34 buckets taking the old
    // ones in index order, so each new bucket holds its keys in the old listing's order; a
    // later key joins its bucket's end.
    map.Put("c", std::make_unique<Value>());
    EXPECT_EQ(map.BucketCount(), 34);
    letters.push_back("c");
    std::vector<std::string> listing = Listing(Listing(letters, 16), 34);
    EXPECT_EQ(Keys(map), Joined(listing));
    map.Put("e", std::make_unique<Value>());
    listing.push_back("e");
    EXPECT_EQ(Keys(map), Joined(Listing(listing, 34)));

    PointeredList<Value> values = map.Values();
    ASSERT_EQ(values.Count(), 18);
    EXPECT_EQ(values.Get(1), map.Get(Listing(listing, 34)[1].c_str()));
    EXPECT_EQ(values.Get(18), nullptr);
}

TEST(HashMapTest, NonOwningMapNeverDestroysItsValues)
{
    int destroyed = 0;
    Value first(&destroyed);
    Value second(&destroyed);
    {
        StringKeyHashMap<Value> map(false);
        map.Put("first", &first);
        map.Put("second", &second);
        map.Put("second", &first);
        map.Delete("first");
        EXPECT_EQ(map.Get("second"), &first);
        EXPECT_THROW(map.Put("third", std::make_unique<Value>(&destroyed)), EIllegalArgument);
        EXPECT_THROW(map.Remove("second"), EIllegalArgument);
        map.Clear();
        map.Put("again", &second);
    }
    EXPECT_EQ(destroyed, 1) << "only the value the refused put was handed";

    StringKeyHashMap<Value> owning;
    EXPECT_THROW(owning.Put("raw", &first), EIllegalArgument);
    EXPECT_EQ(owning.Count(), 0);
}

TEST(HashMapTest, PointerKeysCompareByIdentity)
{
    int keyA = 0;
    int keyB = 0;
    HashMap<Value> map;
    map.Put(&keyA, std::make_unique<Value>());
    map.Put(&keyB, std::make_unique<Value>());
    map.Put(&keyA, std::make_unique<Value>());
    EXPECT_EQ(map.Count(), 2);
    EXPECT_NE(map.Get(&keyB), nullptr);
    EXPECT_EQ(map.Keys().Count(), 2);
}

TEST(PointeredListTest, SortKeepsEqualItemsInOrder)
{
    std::string texts[] = {"b", "a", "B", "c", "A", "b"};
    PointeredList<std::string> list;
    for (std::string& text : texts)
    {
        list.Append(&text);
    }
    list.Sort([](const std::string& a, const std::string& b)
              { return std::tolower(a[0]) - std::tolower(b[0]); });
    std::string order;
    for (std::string* text : list)
    {
        order += *text;
    }
    EXPECT_EQ(order, "aAbBbc");
    EXPECT_EQ(list.Get(2), &texts[0]);
    EXPECT_EQ(list.Get(4), &texts[5]);
    EXPECT_EQ(list.Get(6), nullptr);
}
