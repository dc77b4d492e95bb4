#pragma once

#include <cstdint>

namespace toolbox
{

// Asks the system to back the next `bytes` of the heap with its large pages (2 MB on x86-64),
// where it gives them only to those who ask, as Linux does by default. A program that fills a
// large heap at its start then takes a page fault per 2 MB instead of one per 4 KB, which at
// 100,000 todos is most of the time the start spends in the kernel. Call once, before the heap
// has grown much. A heap smaller than some large pages is left alone: rounded up to whole large
// pages it would take more memory than it saves time. True when the system was asked; false
// for a small heap, on other systems, and with an allocator that does not grow the heap.
bool HeapInLargePages(std::uintmax_t bytes);

} // namespace toolbox
