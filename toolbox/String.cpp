#include "toolbox/String.h"

#include "toolbox/Exception.h"

#include <cstdio>
#include <cstring>

namespace toolbox
{

namespace
{

const char* OrEmpty(const char* text)
{
    return text != nullptr ? text : "";
}

// Results this long or longer are refused rather than allocated.
constexpr int kFormatLimit = 536870912;

} // namespace

String::String(const char* text)
{
    Set(text);
}

String::String(char c)
{
    Append(c);
}

void String::Set(const char* text)
{
    GuardAllocation([&] { content.assign(OrEmpty(text)); });
}

void String::Set(const char* text, std::size_t length)
{
    GuardAllocation([&] { content.assign(text, length); });
}

String& String::Append(const char* text)
{
    GuardAllocation([&] { content.append(OrEmpty(text)); });
    return *this;
}

String& String::Append(char c)
{
    if (c != '\0')
    {
        GuardAllocation([&] { content.push_back(c); });
    }
    return *this;
}

String& String::AppendNumber(int32_t n)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", static_cast<int>(n));
    return Append(digits);
}

void String::Truncate(int position)
{
    if (position < 0)
    {
        content.clear();
    }
    else if (position < Length())
    {
        content.resize(static_cast<size_t>(position));
    }
}

void String::CutLast(int n)
{
    if (n < 0)
    {
        return;
    }
    content.resize(n >= Length() ? 0 : content.size() - static_cast<size_t>(n));
}

bool String::EndsWith(const char* suffix) const
{
    size_t length = std::strlen(OrEmpty(suffix));
    return length <= content.size() &&
           content.compare(content.size() - length, length, OrEmpty(suffix)) == 0;
}

int String::IndexOf(char c) const
{
    size_t position = c == '\0' ? std::string::npos : content.find(c);
    return position == std::string::npos ? -1 : static_cast<int>(position);
}

int String::IndexOf(const char* text, int from) const
{
    if (text == nullptr || from > Length())
    {
        return -1;
    }
    size_t position = content.find(text, from < 0 ? 0 : static_cast<size_t>(from));
    return position == std::string::npos ? -1 : static_cast<int>(position);
}

int String::Compare(const char* text) const
{
    return std::strcmp(content.c_str(), OrEmpty(text));
}

void String::ToLowerCase()
{
    for (char& c : content)
    {
        auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 192 && byte <= 222 && byte != 215))
        {
            c = static_cast<char>(byte + 32);
        }
    }
}

void String::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    try
    {
        FormatFromVargs(format, args);
    }
    catch (...)
    {
        va_end(args);
        throw;
    }
    va_end(args);
}

void String::FormatFromVargs(const char* format, va_list args)
{
    format = OrEmpty(format);
    // Most texts fit a small buffer; only longer ones are measured first and then formatted
    // again into a buffer of the reported size, so nothing huge is allocated before the
    // limit is checked.
    char small[512];
    va_list attempt;
    va_copy(attempt, args);
    int length = std::vsnprintf(small, sizeof small, format, attempt);
    va_end(attempt);
    if (length >= 0 && length < static_cast<int>(sizeof small))
    {
        Set(small);
        return;
    }
    if (length < 0 || length >= kFormatLimit)
    {
        content.clear();
        throw EIllegalArgument("Formatted string requires too much space (>512MB)",
                               "toolbox::String::FormatFromVargs", __LINE__);
    }
    GuardAllocation([&] { content.assign(static_cast<size_t>(length), '\0'); });
    va_copy(attempt, args);
    std::vsnprintf(content.data(), static_cast<size_t>(length) + 1, format, attempt);
    va_end(attempt);
    // A zero byte written by "%c" ends the text, as it does for short results.
    content.resize(std::strlen(content.c_str()));
}

} // namespace toolbox
