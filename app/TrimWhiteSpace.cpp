#include "app/TrimWhiteSpace.h"

std::string TrimWhiteSpace(const std::string& text)
{
    constexpr const char* whiteSpace = " \t\n\v\f\r";
    const size_t first = text.find_first_not_of(whiteSpace);
    if (first == std::string::npos)
        return std::string();
    const size_t last = text.find_last_not_of(whiteSpace);
    return text.substr(first, last - first + 1);
}
