#include "toolbox/ConfigParameter.h"

#include "toolbox/Exception.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace toolbox
{

ConfigParameter::ConfigParameter(bool flag) : kind(Kind::Bool), flag(flag) {}

ConfigParameter::ConfigParameter(int32_t number) : kind(Kind::Int), number(number) {}

ConfigParameter::ConfigParameter(const char* text)
{
    SetString(text);
}

void ConfigParameter::SetBool(bool value)
{
    text.Set("");
    kind = Kind::Bool;
    flag = value;
}

void ConfigParameter::SetInt(int32_t value)
{
    text.Set("");
    kind = Kind::Int;
    number = value;
}

void ConfigParameter::SetString(const char* value)
{
    const char* given = value != nullptr ? value : "";
    SetString(given, std::strlen(given));
}

void ConfigParameter::SetString(const char* value, std::size_t length)
{
    // A failed copy leaves the text as it was, and the kind is set only after it.
    text.Set(value, length);
    kind = Kind::Text;
}

bool ConfigParameter::AsBool() const
{
    switch (kind)
    {
    case Kind::Bool:
        return flag;
    case Kind::Int:
        return number != 0;
    case Kind::Text:
        return AsInt() != 0;
    case Kind::None:
        break;
    }
    return false;
}

int32_t ConfigParameter::AsInt() const
{
    switch (kind)
    {
    case Kind::Bool:
        return flag ? 1 : 0;
    case Kind::Int:
        return number;
    case Kind::Text:
    {
        long value = std::strtol(text.c_str(), nullptr, 10);
        if (value > INT32_MAX)
            return INT32_MAX;
        if (value < INT32_MIN)
            return INT32_MIN;
        return static_cast<int32_t>(value);
    }
    case Kind::None:
        break;
    }
    return 0;
}

const char* ConfigParameter::AsString() const
{
    switch (kind)
    {
    case Kind::Bool:
        return flag ? "1" : "0";
    case Kind::Text:
        return text.c_str();
    case Kind::Int:
    case Kind::None:
        break;
    }
    return "";
}

const char* ConfigParameter::WrittenForm(char (&digits)[16]) const
{
    if (kind != Kind::Int)
        return AsString();
    std::snprintf(digits, sizeof digits, "%ld", static_cast<long>(number));
    return digits;
}

bool ConfigParameter::IsWrittenAs(const char* written) const
{
    char digits[16];
    return std::strcmp(WrittenForm(digits), written) == 0;
}

} // namespace toolbox
