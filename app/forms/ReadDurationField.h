#pragma once

#include <cstdint>
#include <optional>
#include <string>

class Prompts;
class Tallydene;

// Whether an emptied field means no time or asks for a value.
enum class EmptyField
{
    Refused,
    Zero,
};

// What the user typed into a dialog's duration field, read on confirming. Every dialog reads
// its duration fields here, so that all accept the same forms and refuse the rest alike: the
// user is told, with an example in the current format, and the result is none, upon which the
// form names the field to focus.
std::optional<int32_t> ReadDurationField(const Tallydene& app, Prompts& prompts,
                                         const std::string& text, EmptyField empty);
