#include "toolbox/NodeArena.h"

#include "toolbox/Exception.h"

#include <new>
#include <utility>

namespace toolbox
{

NodeArena::~NodeArena()
{
    for (void* place : large)
        ::operator delete(place);
}

void* NodeArena::Take(std::size_t size)
{
    if (!kPooled)
        return GuardAllocation([&] { return ::operator new(size); });
    if (size > kLargest)
    {
        void* place = GuardAllocation([&] { return ::operator new(size); });
        try
        {
            GuardAllocation([&] { large.insert(place); });
        }
        catch (...)
        {
            ::operator delete(place);
            throw;
        }
        return place;
    }
    size = Rounded(size);
    if (Free* node = free[size / kGrain])
    {
        free[size / kGrain] = node->next;
        return node;
    }
    if (static_cast<std::size_t>(end - next) < size)
    {
        constexpr std::size_t count = kChunk / sizeof(std::max_align_t);
        GuardAllocation([&] { chunks.reserve(chunks.size() + 1); });
        chunks.push_back(GuardAllocation(
            [&] { return std::unique_ptr<std::max_align_t[]>(new std::max_align_t[count]); }));
        next = reinterpret_cast<char*>(chunks.back().get());
        end = next + kChunk;
    }
    return std::exchange(next, next + size);
}

void NodeArena::Give(void* place, std::size_t size) noexcept
{
    if (!kPooled)
    {
        ::operator delete(place);
        return;
    }
    if (closed)
        return;
    if (size > kLargest)
    {
        large.erase(place);
        ::operator delete(place);
        return;
    }
    size = Rounded(size);
    free[size / kGrain] = new (place) Free{free[size / kGrain]};
}

} // namespace toolbox
