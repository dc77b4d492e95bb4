#include "app/Durations.h"
#include "toolbox/Translation.h"

#include <algorithm>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>
#include <stdexcept>

namespace
{
constexpr int64_t kInt64Max = std::numeric_limits<int64_t>::max();
constexpr int64_t kInt64Min = std::numeric_limits<int64_t>::min();

// Every text stays within 63 characters: 29 missing digits of padding, a sign, one hour digit
// and the three characters after it make exactly 63, so wider widths pad as 30.
constexpr int kMaxWidth = 30;

// Seconds of the copy rounding unit of a TimeRound value; 0 for no rounding.
int64_t RoundingUnit(int32_t timeRound)
{
    switch (timeRound)
    {
    case 0:
        return 36;
    case 1:
        return 360;
    case 2:
        return 900;
    case 3:
        return 1800;
    case 4:
        return 3600;
    default:
        return 0;
    }
}

int CountDigits(int64_t value)
{
    int digits = 1;
    for (; value >= 10; value /= 10)
        ++digits;
    return digits;
}

std::string TwoDigits(int64_t value)
{
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// Typed texts may hold any number of digits. Rather than wrap, the arithmetic saturates at the
// 64-bit limits and the parsed duration at the 32-bit limits.
int64_t MultiplySaturated(int64_t value, int64_t factor)
{
    if (value > kInt64Max / factor)
        return kInt64Max;
    if (value < kInt64Min / factor)
        return kInt64Min;
    return value * factor;
}

int64_t AddSaturated(int64_t a, int64_t b)
{
    if (b > 0 && a > kInt64Max - b)
        return kInt64Max;
    if (b < 0 && a < kInt64Min - b)
        return kInt64Min;
    return a + b;
}

// strtol's reading (white space, sign, digits), with the 64-bit range on every platform.
int64_t LeadingInteger(const std::string& text)
{
    return std::strtoll(text.c_str(), nullptr, 10);
}

// The part after a separator: each of its characters, digit or not, divides by ten once,
// rounding half up, so "3" after a ":" is read like "30".
int64_t ScaledFraction(const std::string& fraction, int64_t unit)
{
    int64_t value = MultiplySaturated(LeadingInteger(fraction), unit);
    for (std::size_t i = 0; i < fraction.size(); ++i)
        value = AddSaturated(value, 5) / 10;
    return value;
}

bool AllDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int64_t SplitValue(const std::string& text, std::size_t separator, int64_t fractionUnit)
{
    return AddSaturated(MultiplySaturated(LeadingInteger(text.substr(0, separator)), 3600),
                        ScaledFraction(text.substr(separator + 1), fractionUnit));
}
} // namespace

std::string Durations::FormatDuration(int32_t seconds, int width, bool roundForCopy,
                                      int32_t format) const
{
    // 64-bit, so that the magnitude of the most negative duration and the roundings fit.
    int64_t magnitude = seconds < 0 ? -static_cast<int64_t>(seconds) : seconds;
    const int64_t unit = roundForCopy ? RoundingUnit(timeRound) : 0;
    if (unit != 0)
        magnitude = (magnitude + unit / 2) / unit * unit;

    int64_t hours = 0;
    std::string tail;
    switch (format)
    {
    case 0:
        hours = (magnitude + 1800) / 3600;
        break;
    case 1:
    {
        const int64_t tenths = (magnitude + 180) / 360;
        hours = tenths / 10;
        tail = {decimalChar, static_cast<char>('0' + tenths % 10)};
        break;
    }
    case 2:
    {
        const int64_t hundredths = (magnitude + 18) / 36;
        hours = hundredths / 100;
        tail = decimalChar + TwoDigits(hundredths % 100);
        break;
    }
    case 3:
    {
        const int64_t minutes = (magnitude + 30) / 60;
        hours = minutes / 60;
        tail = ':' + TwoDigits(minutes % 60);
        break;
    }
    default:
        return {};
    }

    std::string text;
    for (int digit = CountDigits(hours); digit < std::min(width, kMaxWidth); ++digit)
        text += "  ";
    if (seconds < 0)
        text += '-';
    return text + std::to_string(hours) + tail;
}

std::string Durations::FormatDuration(int32_t seconds, int width, bool roundForCopy) const
{
    return FormatDuration(seconds, width, roundForCopy, timeFormat);
}

std::string Durations::FormatForDialog(int32_t seconds) const
{
    return FormatDuration(seconds, 0, false, timeFormat == 1 ? 2 : timeFormat);
}

std::string Durations::FormatForCopy(int32_t seconds) const
{
    int32_t format = 2;
    if (timeRound == 1 || timeRound == 3)
        format = 1;
    else if (timeRound == 4)
        format = 0;
    return FormatDuration(seconds, 0, true, format);
}

int32_t Durations::ParseDuration(const std::string& input)
{
    // A typed text ends at its first NUL, as it does in the dialog's field.
    std::string text = input.substr(0, input.find('\0'));
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    text = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);

    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.erase(0, 1);

    int64_t result = 0;
    std::size_t separator = text.find(',');
    if (separator == std::string::npos)
        separator = text.find('.');
    if (separator != std::string::npos)
        result = SplitValue(text, separator, 3600);
    else if ((separator = text.find(':')) != std::string::npos)
        result = SplitValue(text, separator, 6000);
    else
        result = MultiplySaturated(LeadingInteger(text), 3600);

    if (negative)
        result = result == kInt64Min ? kInt64Max : -result;
    return static_cast<int32_t>(std::clamp<int64_t>(result, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

std::optional<int32_t> Durations::ReadDuration(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    std::string body = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (body.front() == '-')
        body.erase(0, 1);
    const std::size_t separator = body.find_first_of(",.:");
    const std::string whole = body.substr(0, separator);
    const std::string fraction = separator == std::string::npos ? "" : body.substr(separator + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    if (!AllDigits(whole) || !AllDigits(fraction))
        return std::nullopt;
    return ParseDuration(text);
}

std::string Durations::DurationHint() const
{
    return toolbox::Translation::TrFormat("(e.g. 12%s50 or 12:30)", {std::string(1, decimalChar)});
}

std::string Durations::DurationExample() const
{
    switch (timeFormat)
    {
    case 0:
        return "12";
    case 3:
        return "12:30";
    default:
        return std::string("12") + decimalChar + "50";
    }
}

bool Durations::ShowsTime(int32_t seconds) const
{
    switch (timeFormat)
    {
    case 1:
        return seconds >= 180;
    case 2:
        return seconds >= 18;
    case 3:
        return seconds >= 30;
    default:
        return seconds > 0;
    }
}

char LocaleDecimalChar()
{
    try
    {
        std::ostringstream zero;
        zero.imbue(std::locale(""));
        zero << std::fixed << std::setprecision(1) << 0.0;
        const std::string text = zero.str();
        return text.size() >= 2 ? text[1] : '.';
    }
    catch (const std::runtime_error&)
    {
        return '.';
    }
}
