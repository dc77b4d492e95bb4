#include "toolbox/ArrayList.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(ArrayListTest, SelectionSortIsNotStable)
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
