#include "app/Durations.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

// Any bytes are a typed duration: the parser must yield a number, and that number must format
// within 63 characters in every display and copy form.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int32_t seconds = Durations::ParseDuration(text);
    // The strict reading takes any bytes too, and what it accepts reads as the parser does.
    if (const std::optional<int32_t> read = Durations::ReadDuration(text); read && *read != seconds)
        std::abort();

    Durations durations;
    for (int32_t timeRound = -1; timeRound <= 5; ++timeRound)
    {
        durations.SetTimeRound(timeRound);
        for (int32_t format = -1; format <= 4; ++format)
            for (bool roundForCopy : {false, true})
                if (durations.FormatDuration(seconds, 3, roundForCopy, format).size() > 63)
                    std::abort();
        if (durations.FormatForCopy(seconds).size() > 63)
            std::abort();
    }
    return 0;
}
