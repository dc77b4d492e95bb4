#pragma once

#include "toolbox/String.h"

#include <cstddef>
#include <cstdint>

namespace toolbox
{

// One value of the store, of one of four kinds; a value read as another kind is converted.
class ConfigParameter
{
public:
    enum class Kind : uint8_t
    {
        None,
        Bool,
        Int,
        Text
    };

    ConfigParameter() = default;
    explicit ConfigParameter(bool flag);
    explicit ConfigParameter(int32_t number);
    explicit ConfigParameter(const char* text);

    void SetBool(bool flag);
    void SetInt(int32_t number);
    void SetString(const char* text);
    // The first length bytes, which must hold no zero byte.
    void SetString(const char* text, std::size_t length);

    bool AsBool() const;
    // A text gives its leading decimal number (as strtol does), clamped to 32 bits.
    int32_t AsInt() const;
    // Only a text or a flag have a text form; an integer reads as the empty text.
    const char* AsString() const;
    Kind GetKind() const { return kind; }
    // The text the value is written as, before escaping: a flag's "1" or "0", a number's
    // digits (made in digits), a text itself; nothing is the empty text.
    const char* WrittenForm(char (&digits)[16]) const;
    // Whether the value is written as exactly this text: setting it would change no byte.
    bool IsWrittenAs(const char* text) const;

private:
    Kind kind = Kind::None;
    bool flag = false;
    int32_t number = 0;
    String text;
};

} // namespace toolbox
