#include "toolbox/ArrayList.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <vector>

using namespace toolbox;

namespace
{

struct Item
{
    Item(std::string name, int* destroyed = nullptr) : name(std::move(name)), destroyed(destroyed)
    {
    }
    ~Item()
    {
        if (destroyed != nullptr)
        {
            ++*destroyed;
        }
    }
    std::string name;
    int* destroyed;
};

std::string Names(const ArrayList<Item>& list)
{
    std::string names;
    for (Item* item : list)
    {
        names += item->name + " ";
    }
    return names;
}

void Fill(ArrayList<Item>& list, int count)
{
    while (list.Count() < count)
    {
        list.Append(std::make_unique<Item>(std::to_string(list.Count())));
    }
}

} // namespace

TEST(ArrayListTest, GrowsAndShrinksByItsPolicy)
{
    ArrayList<Item> list;
    EXPECT_EQ(list.Capacity(), 16);
    Fill(list, 15);
    EXPECT_EQ(list.Capacity(), 16);
    Fill(list, 16);
    EXPECT_EQ(list.Capacity(), 26);
    Fill(list, 26);
    EXPECT_EQ(list.Capacity(), 43);

    // Shrinks once fewer than 30 % of the slots are in use: 12 of 43.
    while (list.Count() > 13)
    {
        list.DeleteAt(0);
    }
    EXPECT_EQ(list.Capacity(), 43);
    list.DeleteAt(0);
    EXPECT_EQ(list.Capacity(), 20);
    while (list.Count() > 5)
    {
        list.RemoveLast();
    }
    EXPECT_EQ(list.Capacity(), 16) << "never below the minimum";
    EXPECT_EQ(Names(list), "14 15 16 17 18 ");
    list.Clear();
    EXPECT_EQ(list.Capacity(), 16);
    EXPECT_EQ(Names(list), "");
}

TEST(ArrayListTest, KeepsOrderThroughReallocation)
{
    ArrayList<Item> list;
    Fill(list, 40);
    while (list.Count() > 4)
    {
        list.DeleteAt(1);
    }
    EXPECT_EQ(Names(list), "0 37 38 39 ");
}

TEST(ArrayListTest, ReplacesInvalidPolicies)
{
    ArrayList<Item> small(4, 70, 60);
    EXPECT_EQ(small.Capacity(), 8);
    Fill(small, 8);
    EXPECT_EQ(small.Capacity(), 13) << "growth back at 60 %";
    ArrayList<Item> negative(-5, -1, 50);
    EXPECT_EQ(negative.Capacity(), 8);
}

TEST(ArrayListTest, InsertsOnlyWithinRange)
{
    ArrayList<Item> list;
    int destroyed = 0;
    EXPECT_TRUE(list.Insert(0, std::make_unique<Item>("b")));
    EXPECT_TRUE(list.Insert(0, std::make_unique<Item>("a")));
    EXPECT_TRUE(list.Insert(2, std::make_unique<Item>("c")));
    EXPECT_FALSE(list.Insert(4, std::make_unique<Item>("x", &destroyed)));
    EXPECT_FALSE(list.Insert(-1, std::make_unique<Item>("y", &destroyed)));
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(Names(list), "a b c ");
    EXPECT_EQ(list.Get(3), nullptr);
    EXPECT_EQ(list.Get(-1), nullptr);
    EXPECT_EQ(list.Last()->name, "c");
}

TEST(ArrayListTest, RemovesWithoutDestroyingAndDeletesWithDestroying)
{
    int destroyed = 0;
    ArrayList<Item> list;
    for (const char* name : {"a", "b", "c", "d"})
    {
        list.Append(std::make_unique<Item>(name, &destroyed));
    }
    Item* c = list.Get(2);
    std::unique_ptr<Item> removed = list.Remove(c);
    EXPECT_EQ(removed.get(), c);
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(list.IndexOf(c), -1);
    EXPECT_EQ(list.Remove(c), nullptr);
    EXPECT_EQ(list.RemoveAt(3), nullptr);

    list.Delete(list.Get(0));
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(list.RemoveLast()->name, "d");
    EXPECT_EQ(destroyed, 2);
    list.Clear();
    EXPECT_EQ(destroyed, 3);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.Last(), nullptr);
    EXPECT_EQ(list.RemoveLast(), nullptr);
}

TEST(ArrayListTest, DestroysItsItems)
{
    int destroyed = 0;
    {
        ArrayList<Item> list;
        list.Append(std::make_unique<Item>("a", &destroyed));
        list.Append(std::make_unique<Item>("b", &destroyed));
    }
    EXPECT_EQ(destroyed, 2);
}

TEST(ArrayListTest, SortIsNotStable)
{
    auto byFirstLetter = [](const Item& a, const Item& b) { return a.name[0] - b.name[0]; };
    ArrayList<Item> list;
    for (const char* name : {"b1", "b2", "a"})
    {
        list.Append(std::make_unique<Item>(name));
    }
    list.Sort(byFirstLetter);
    EXPECT_EQ(Names(list), "a b2 b1 ");

    ArrayList<Item> equal;
    for (const char* name : {"x1", "x2", "x3", "x4"})
    {
        equal.Append(std::make_unique<Item>(name));
    }
    equal.Sort(byFirstLetter);
    EXPECT_EQ(Names(equal), "x1 x2 x3 x4 ");

    ArrayList<Item> mixed;
    for (const char* name : {"d", "b", "e", "a", "c"})
    {
        mixed.Append(std::make_unique<Item>(name));
    }
    mixed.Sort(byFirstLetter);
    EXPECT_EQ(Names(mixed), "a b c d e ");
}

namespace
{

// The list's first sort, a plain selection sort: the order every later sort must keep.
void SelectionSort(std::vector<std::unique_ptr<Item>>& items,
                   int (*compare)(const Item&, const Item&))
{
    for (size_t i = 0; i + 1 < items.size(); ++i)
    {
        size_t candidate = i;
        for (size_t j = i + 1; j < items.size(); ++j)
        {
            if (compare(*items[j], *items[candidate]) < 0)
            {
                candidate = j;
            }
        }
        std::swap(items[i], items[candidate]);
    }
}

// Names that differ in letter case only, or in a suffix the comparator ignores, compare equal.
int ByFoldedLetters(const Item& a, const Item& b)
{
    for (size_t i = 0; i < 2; ++i)
    {
        const int difference = std::tolower(a.name[i]) - std::tolower(b.name[i]);
        if (difference != 0)
        {
            return difference;
        }
    }
    return 0;
}

} // namespace

TEST(ArrayListTest, SortGivesTheSelectionOrderOnRandomListsWithDuplicates)
{
    std::mt19937 random(17);
    for (int round = 0; round < 400; ++round)
    {
        const int count = round < 40 ? round : static_cast<int>(random() % 300);
        const int letters = 1 + static_cast<int>(random() % 4);
        std::vector<std::unique_ptr<Item>> items;
        ArrayList<Item> list;
        for (int i = 0; i < count; ++i)
        {
            std::string name = {static_cast<char>((random() % 2 ? 'a' : 'A') + random() % letters),
                                static_cast<char>('x' + random() % 2)};
            name += std::to_string(i);
            items.push_back(std::make_unique<Item>(name));
            list.Append(std::make_unique<Item>(name));
        }
        SelectionSort(items, ByFoldedLetters);
        list.Sort(ByFoldedLetters);
        std::string expected;
        for (const auto& item : items)
        {
            expected += item->name + " ";
        }
        ASSERT_EQ(Names(list), expected) << "round " << round;
    }
}
