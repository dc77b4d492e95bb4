#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// A duration computed in 64 bits and kept at the ends of the 32-bit range, so that a huge
// typed amount, an absurd stored value or a clock far off gives a large time, never a wrapped
// one.
inline int32_t SaturatedDuration(int64_t seconds)
{
    return static_cast<int32_t>(std::clamp<int64_t>(seconds, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}
