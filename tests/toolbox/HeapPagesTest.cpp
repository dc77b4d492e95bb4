#include "toolbox/HeapPages.h"

#if defined(__linux__) && defined(__GLIBC__)
// Linux only: other systems are never asked.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace
{

// Whether the mapping that holds the address is one the system backs with large pages when it
// can: its flags in /proc/self/smaps name "hg".
bool InLargePageArea(const void* address)
{
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream maps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    while (std::getline(maps, line))
    {
        std::uintptr_t begin = 0;
        std::uintptr_t end = 0;
        char dash = 0;
        if (std::istringstream(line) >> std::hex >> begin >> dash >> end && dash == '-')
            inside = begin <= at && at < end;
        else if (inside && line.rfind("VmFlags:", 0) == 0)
            return line.find(" hg") != std::string::npos;
    }
    return false;
}

enum Outcome
{
    kHeld = 0,
    kFailed = 1,
    kNotAsked = 2
};

// In a child of its own, as it changes the allocator for the rest of the process.
int InChild(Outcome (*check)())
{
    const pid_t child = fork();
    if (child == 0)
        _exit(check());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : kFailed;
}

} // namespace

// Books of a few megabytes leave the heap alone; large books have the blocks allocated after
// the call in the part of the heap that the system backs with large pages.
TEST(HeapPages, ALargeHeapIsAskedForInLargePagesAndASmallOneIsLeftAlone)
{
    const int outcome = InChild(
        []
        {
            if (toolbox::HeapInLargePages(std::uintmax_t{8} << 20))
                return kFailed;
            if (!toolbox::HeapInLargePages(std::uintmax_t{256} << 20))
                return kNotAsked;
            // More than the heap held before the call, in blocks the allocator keeps in its heap.
            void* last = nullptr;
            for (int block = 0; block < 2000; ++block)
                last = std::malloc(32 << 10);
            return InLargePageArea(last) ? kHeld : kFailed;
        });
    if (outcome == kNotAsked)
        GTEST_SKIP() << "the allocator does not grow its heap with brk (a sanitizer's does not)";
    EXPECT_EQ(kHeld, outcome);
}

// A system that will not let the heap grow so far (here a limit on the data's size) leaves it
// as it was: later allocations still get the little they ask for.
TEST(HeapPages, AHeapThatCannotGrowSoFarGrowsAsBefore)
{
    const int outcome = InChild(
        []
        {
            // Only an allocator that grows its heap with brk is asked (a sanitizer's is not).
            const void* top = sbrk(0);
            for (int block = 0; block < 64 && sbrk(0) == top; ++block)
                if (std::malloc(64 << 10) == nullptr)
                    return kFailed;
            if (sbrk(0) == top)
                return kNotAsked;
            long dataKilobytes = 0;
            std::ifstream status("/proc/self/status");
            for (std::string line; std::getline(status, line);)
                if (line.rfind("VmData:", 0) == 0)
                    dataKilobytes = std::stol(line.substr(7));
            const rlim_t limit = static_cast<rlim_t>(dataKilobytes) * 1024 + (rlim_t{32} << 20);
            const rlimit data{limit, limit};
            if (dataKilobytes == 0 || setrlimit(RLIMIT_DATA, &data) != 0)
                return kNotAsked;
            if (toolbox::HeapInLargePages(std::uintmax_t{512} << 20))
                return kFailed;
            for (int block = 0; block < 200; ++block)
                if (std::malloc(32 << 10) == nullptr)
                    return kFailed;
            return kHeld;
        });
    if (outcome == kNotAsked)
        GTEST_SKIP() << "the allocator does not grow its heap with brk, or no limit was set";
    EXPECT_EQ(kHeld, outcome);
}

#endif
