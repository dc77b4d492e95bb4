#include "toolbox/NodeArena.h"

#include "toolbox/Exception.h"

#include <new>
#include <utility>

namespace toolbox
{

void* NodeArena::Take(std::size_t size)
{
    if (FromHeap(size))
        return GuardAllocation([&] { return ::operator new(size); });
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
    if (FromHeap(size))
    {
        ::operator delete(place);
        return;
    }
    size = Rounded(size);
    free[size / kGrain] = new (place) Free{free[size / kGrain]};
}

} // namespace toolbox
