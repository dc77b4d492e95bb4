#include "toolbox/NodeArena.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

using toolbox::NodeArena;

namespace
{

struct Node
{
    unsigned char* place;
    std::size_t size;
    unsigned char mark;
};

} // namespace

// Nodes of every size up to beyond the largest the arena keeps: each aligned and apart from
// every other live one, also after every second one went back and was taken again, which for
// the kept sizes reuses the given-back places.
TEST(NodeArenaTest, NodesStayApartAndGivenBackOnesAreTakenAgain)
{
    NodeArena arena;
    std::vector<Node> nodes;
    const auto take = [&](std::size_t size, unsigned char mark)
    {
        Node node{static_cast<unsigned char*>(arena.Take(size)), size, mark};
        EXPECT_EQ(reinterpret_cast<uintptr_t>(node.place) % alignof(std::max_align_t), 0u);
        std::memset(node.place, mark, size);
        return node;
    };
    for (std::size_t i = 0; i < 3000; ++i)
        nodes.push_back(take(1 + i * 7 % 700, static_cast<unsigned char>(i)));
    std::set<unsigned char*> given;
    for (std::size_t i = 0; i < nodes.size(); i += 2)
    {
        given.insert(nodes[i].place);
        arena.Give(nodes[i].place, nodes[i].size);
    }
    std::size_t small = 0;
    std::size_t reused = 0;
    for (std::size_t i = 0; i < nodes.size(); i += 2)
    {
        nodes[i] = take(nodes[i].size, static_cast<unsigned char>(i / 2 + 1));
        if (nodes[i].size <= 512)
        {
            ++small;
            reused += given.count(nodes[i].place);
        }
    }
    for (const Node& node : nodes)
        EXPECT_TRUE(std::all_of(node.place, node.place + node.size,
                                [&](unsigned char byte) { return byte == node.mark; }))
            << node.size;
    EXPECT_EQ(reused, NodeArena::kPooled ? small : reused);
    for (const Node& node : nodes)
        arena.Give(node.place, node.size);
}

// A closed arena is left with its nodes, large ones too, and gives all of them back to the heap
// when it goes. (Under a sanitizer the nodes are given back one by one and checked there.)
TEST(NodeArenaTest, AClosedArenaStillReturnsEveryNodeToTheHeap)
{
    const auto allocated = [] { return static_cast<int64_t>(mallinfo2().uordblks); };
    const int64_t before = allocated();
    {
        NodeArena arena;
        std::vector<Node> nodes;
        for (std::size_t i = 0; i < 200; ++i)
        {
            const std::size_t size = i % 2 == 0 ? 40 : 10000 + i;
            nodes.push_back({static_cast<unsigned char*>(arena.Take(size)), size, 0});
        }
        EXPECT_TRUE(arena.TakesBack());
        arena.Close();
        EXPECT_EQ(!NodeArena::kPooled, arena.TakesBack());
        for (const Node& node : nodes)
            if (arena.TakesBack())
                arena.Give(node.place, node.size);
    }
    if (NodeArena::kPooled)
    {
        EXPECT_LT(allocated() - before, 10000);
    }
}
