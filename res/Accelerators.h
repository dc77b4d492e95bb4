#pragma once

#include <span>

namespace res
{

// The keys that shortcuts use. Letters and digits carry their character code, so that a
// window layer can pass them on as they are.
enum class Key : int
{
    Digit1 = '1',
    Digit2 = '2',
    Digit3 = '3',
    Digit4 = '4',
    Digit5 = '5',
    C = 'C',
    H = 'H',
    X = 'X',
    Y = 'Y',
    Z = 'Z',
    Space = 0x100,
    Enter,
    Escape,
    Insert,
    Delete,
    F1,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
};

// Modifier flags, combined with "|".
enum Modifier : unsigned
{
    kNoModifier = 0,
    kShift = 1,
    kCtrl = 2,
    kAlt = 4,
};

struct AcceleratorSpec
{
    unsigned modifiers; // Modifier flags
    Key key;
    int id; // the command the key gives
};

// The shortcut keys of the main window.
std::span<const AcceleratorSpec> MainAccelerators();

} // namespace res
