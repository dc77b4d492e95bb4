#pragma once

// The toolkit takes menu and command ids below 0x7FFF only, but the program's command
// identifiers reach 59393. Every command therefore travels as its identifier less 30000
// (2771 to 2808, 27632 to 29393): clear of the toolkit's own ids (4999 to 5999) and of its
// generated ones (negative).
inline constexpr int kCommandIdOffset = 30000;

constexpr int WxIdOf(int command)
{
    return command - kCommandIdOffset;
}

constexpr int CommandOf(int wxId)
{
    return wxId + kCommandIdOffset;
}
