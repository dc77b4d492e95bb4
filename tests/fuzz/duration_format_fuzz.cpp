#include "app/Durations.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
template <typename T> T Take(const uint8_t*& data, size_t& size)
{
    T value{};
    const size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}
} // namespace

// Seconds, width, flag, format, rounding mode and decimal character all come from the input;
// every text must stay within 63 characters, and an unknown format must give no text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto seconds = Take<int32_t>(data, size);
    // Widths well past the longest padding, and negative ones.
    const int width = Take<int8_t>(data, size) % 64;
    const uint8_t flags = Take<uint8_t>(data, size);
    // Each known value and one unknown on either side.
    const int32_t format = Take<uint8_t>(data, size) % 6 - 1;
    const int32_t timeRound = Take<uint8_t>(data, size) % 7 - 1;
    const char decimal = Take<char>(data, size);

    Durations durations;
    durations.SetTimeFormat(format);
    durations.SetTimeRound(timeRound);
    durations.SetDecimalChar(decimal);
    const bool roundForCopy = (flags & 1) != 0;

    const std::string text = durations.FormatDuration(seconds, width, roundForCopy, format);
    if (text.size() > 63 || (format >= 0 && format <= 3) == text.empty())
        std::abort();
    if (durations.FormatDuration(seconds, width, roundForCopy) != text)
        std::abort();
    for (const std::string& other :
         {durations.FormatForDialog(seconds), durations.FormatForCopy(seconds)})
        if (other.size() > 63)
            std::abort();
    return 0;
}
