#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <unordered_set>
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
class NodeArena
{
public:
    // Under a sanitizer every node is its own heap allocation, so that misuse is still found.
    static constexpr bool kPooled = TOOLBOX_NODE_ARENA_POOLED;

    NodeArena() = default;
    NodeArena(const NodeArena&) = delete;
    NodeArena& operator=(const NodeArena&) = delete;
    ~NodeArena();

    // Aligned for any node; raises EOutOfMemory.
    void* Take(std::size_t size);
    // The size must be the one the place was taken with.
    void Give(void* place, std::size_t size) noexcept;
    // Whether nodes are worth giving back: not once the arena is closed, as the whole tree it
    // holds is going, and everything, large nodes too, goes back to the heap with it.
    bool TakesBack() const { return !kPooled || !closed; }
    void Close() { closed = true; }

    // For the standard containers of a tree's nodes.
    template <class T> class Allocator
    {
    public:
        using value_type = T;

        explicit Allocator(NodeArena* arena) : arena(arena) {}
        template <class U> Allocator(const Allocator<U>& other) : arena(other.arena) {}

        T* allocate(std::size_t count) { return static_cast<T*>(arena->Take(count * sizeof(T))); }
        void deallocate(T* place, std::size_t count) noexcept
        {
            arena->Give(place, count * sizeof(T));
        }
        bool operator==(const Allocator& other) const { return arena == other.arena; }

    private:
        template <class> friend class Allocator;
        NodeArena* arena;
    };

private:
    static constexpr std::size_t kGrain = alignof(std::max_align_t);
    // Larger nodes are rare: they come from the heap each, and the arena keeps a list of them.
    static constexpr std::size_t kLargest = 512;
    static constexpr std::size_t kChunk = 64 * 1024;

    struct Free
    {
        Free* next;
    };

    static std::size_t Rounded(std::size_t size) { return (size + kGrain - 1) / kGrain * kGrain; }

    std::vector<std::unique_ptr<std::max_align_t[]>> chunks;
    char* next = nullptr;
    char* end = nullptr;
    std::array<Free*, kLargest / kGrain + 1> free{};
    std::unordered_set<void*> large;
    bool closed = false;
};

} // namespace toolbox
