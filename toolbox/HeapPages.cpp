#include "toolbox/HeapPages.h"

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <vector>
#define TALLYDENE_LARGE_PAGES
#endif

namespace toolbox
{

bool HeapInLargePages([[maybe_unused]] std::uintmax_t bytes)
{
#ifdef TALLYDENE_LARGE_PAGES
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    constexpr std::uintmax_t kFewestBytes = 32 * kLargePage;
    constexpr int kUsualPadding = 128 * 1024; // the allocator's own
    if (bytes < kFewestBytes)
        return false;
    // Each growth of the heap now takes this much more than asked for: address space only,
    // until it is touched. Freed memory at the heap's top is kept up to this much, too.
    const int pad = static_cast<int>(std::min<std::uintmax_t>(bytes, INT_MAX / 2));
    if (mallopt(M_TOP_PAD, pad) == 0)
        return false;
    // Grow the heap once, with blocks smaller than those the allocator maps on their own.
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    std::vector<void*> blocks;
    blocks.reserve(64);
    while (reinterpret_cast<std::uintptr_t>(sbrk(0)) == before && blocks.size() < 64)
        blocks.push_back(malloc(64 << 10));
    for (void* block : blocks)
        free(block);
    if (reinterpret_cast<std::uintptr_t>(sbrk(0)) == before)
    {
        // The system would not give that much: later growths ask for what they need again,
        // or each would ask for the padding in vain and fail.
        mallopt(M_TOP_PAD, kUsualPadding);
        return false;
    }
    const std::uintptr_t begin = (before + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(sbrk(0)) & ~(kLargePage - 1);
    return end > begin &&
           madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE) == 0;
#else
    return false;
#endif
}

} // namespace toolbox
