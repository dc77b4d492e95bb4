#include "toolbox/PointeredList.h"
#include "toolbox/StringKeyHashMap.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

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

TEST(HashMapTest, TextHash)
{
    EXPECT_EQ(StringKeyHashMap<Value>::Hash(""), 0u);
    EXPECT_EQ(StringKeyHashMap<Value>::Hash("a"), 97u * 11);
    EXPECT_EQ(StringKeyHashMap<Value>::Hash("ab"), 97u * 11 + 98 * 7);
    EXPECT_EQ(StringKeyHashMap<Value>::Hash("\xe9"), static_cast<uint32_t>(-23 * 11));
    // Longer texts are sampled every length / 16 bytes.
    EXPECT_EQ(StringKeyHashMap<Value>::Hash(std::string(17, 'a').c_str()), 9u * 1067 + 8 * 679);
    EXPECT_EQ(StringKeyHashMap<Value>::Hash(std::string(32, 'a').c_str()), 16u * 1067);
    EXPECT_EQ(StringKeyHashMap<Value>::Hash(std::string(33, 'a').c_str()), 17u * 1067);
    // A step of 62 samples 17 bytes, all at even positions.
    EXPECT_EQ(StringKeyHashMap<Value>::Hash(std::string(1000, '\x80').c_str()),
              static_cast<uint32_t>(-128 * 11 * 17));
}

TEST(HashMapTest, GrowsAt17And35And71Entries)
{
    StringKeyHashMap<Value> map;
    EXPECT_EQ(map.BucketCount(), 16);
    PutNumbered(map, 0, 16);
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
    EXPECT_EQ(map.BucketCount(), 16);
    EXPECT_EQ(map.Get("key1"), nullptr);
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

TEST(HashMapTest, IteratesBucketsInIndexOrderAfterRebuilds)
{
    StringKeyHashMap<Value> map;
    // Single letters hash to 11 times their code: "c" and "a" share bucket 11 of 16, "b"
    // is in bucket 6 and "c" in bucket 1.
    for (const char* key : {"a", "b", "q", "c"})
    {
        map.Put(key, std::make_unique<Value>());
    }
    EXPECT_EQ(Keys(map), "c b a q ");

    map.Clear();
    for (char c = 'A'; c <= 'P'; ++c)
    {
        map.Put(std::string(1, c).c_str(), std::make_unique<Value>());
    }
    EXPECT_EQ(Keys(map), "P C F I L O B E H K N A D G J M ");
    // The 17th entry rebuilds into 34 buckets, taking the old buckets in index order: "c"
    // (old bucket 1) comes before "A" (old bucket 11) in their shared new bucket 1.
    map.Put("c", std::make_unique<Value>());
    EXPECT_EQ(map.BucketCount(), 34);
    EXPECT_EQ(Keys(map), "D c A N K H E B O L I F C P M J G ");
    map.Put("e", std::make_unique<Value>());
    // A later key joins the end of its bucket: 101 * 11 % 34 = 23, after "C".
    EXPECT_EQ(Keys(map), "D c A N K H E B O L I F C e P M J G ");

    PointeredList<Value> values = map.Values();
    ASSERT_EQ(values.Count(), 18);
    EXPECT_EQ(values.Get(1), map.Get("c"));
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
