#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define TOOLBOX_NODE_ARENA_POOLED false
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TOOLBOX_NODE_ARENA_POOLED false
#endif
#endif
#ifndef TOOLBOX_NODE_ARENA_POOLED
#define TOOLBOX_NODE_ARENA_POOLED true
#endif

namespace toolbox
{

// Memory for the many small nodes of one configuration tree. A large file makes hundreds of
// thousands of them, and taking each from the general heap costs most of a load and nearly
// all of the release at the end. Nodes come from large chunks instead; a given-back node is
// kept for the next one of its size, and everything goes back to the heap with the arena.
//
class NodeArena
{
public:
    // Under a sanitizer every node is its own heap allocation, so that misuse is still found.
    static constexpr bool kPooled = TOOLBOX_NODE_ARENA_POOLED;

    NodeArena() = default;
    NodeArena(const NodeArena&) = delete;
    NodeArena& operator=(const NodeArena&) = delete;

    // Aligned for any node; raises EOutOfMemory.
    void* Take(std::size_t size);
    // The size must be the one the place was taken with.
    void Give(void* place, std::size_t size) noexcept;

private:
    static constexpr std::size_t kGrain = alignof(std::max_align_t);
    // Larger nodes are rare: they come from the heap each.
    static constexpr std::size_t kLargest = 512;
    static constexpr std::size_t kChunk = 64 * 1024;

    struct Free
    {
        Free* next;
    };

    static std::size_t Rounded(std::size_t size) { return (size + kGrain - 1) / kGrain * kGrain; }
    static bool FromHeap(std::size_t size) { return !kPooled || size > kLargest; }

    std::vector<std::unique_ptr<std::max_align_t[]>> chunks;
    char* next = nullptr;
    char* end = nullptr;
    std::array<Free*, kLargest / kGrain + 1> free{};
};

} // namespace toolbox
