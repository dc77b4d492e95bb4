#pragma once

#include <cstdint>
#include <vector>

namespace res
{

// Every picture of the program. The first seventeen are the tree's image list in its order, so
// that their value is their index in the list (and in the state image list).
enum class IconId : int
{
    ActiveTodo,             // note pad with a red patch and a pen
    Clock,                  // clock face; the drag image
    ActiveTodoWithComment,  // note pad and pen with lines of text
    ProjectWithCommentTime, // window, red body, lines of text
    TodoWithCommentTime,    // red page, lines of text
    ProjectWithComment,     // window, white body, lines of text
    TodoWithComment,        // white page, lines of text
    ProjectWithTime,        // window, red body
    TodoWithTime,           // red page
    Priority1,              // red disc with 1
    Priority2,              // yellow disc with 2
    Priority3,              // green disc with 3
    Priority4,              // cyan disc with 4
    Priority5,              // white disc with 5
    PriorityCompleted,      // white disc with a blue check mark
    Project,                // window, empty white body
    Todo,                   // empty white page

    // The window icons: a todo is running, or the clock is paused.
    Running, // green walking figure
    Paused,  // red standing figure

    // Menu images, also on the tool bar.
    CopyName,
    CopyTime,
    Delete,
    Pause,
    NewProject,
    Activate,
    Completed,
    NewTodo,
    Undo, // arrow turning back to the left
    Redo, // arrow turning on to the right

    // Tool bar only.
    CleanUp, // broom

    Count
};

inline constexpr int kTreeImageCount = 17;
inline constexpr int kMenuImageCount = 10;

// The picture of tree image i (0 to 16).
constexpr IconId TreeImage(int index)
{
    return static_cast<IconId>(index);
}

// Whether a picture is one of the menu images, which the menus show beside their commands.
constexpr bool IsMenuImage(IconId icon)
{
    return static_cast<int>(icon) >= static_cast<int>(IconId::CopyName) &&
           static_cast<int>(icon) < static_cast<int>(IconId::CopyName) + kMenuImageCount;
}

// A picture as 8-bit RGBA bytes, row by row from the top, not premultiplied; where the
// picture leaves the square empty, alpha is 0.
struct IconImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    std::uint8_t Alpha(int x, int y) const { return rgba[(y * width + x) * 4 + 3]; }
    std::uint32_t Rgb(int x, int y) const;
};

class IconCanvas;

// The program's own icon, as the desktop shows it in menus and docks: the running figure.
inline constexpr IconId kApplicationIcon = IconId::Running;

// Draws a picture onto any canvas, in the canvas's 16-unit square.
void DrawIcon(IconId icon, IconCanvas& canvas);

// Draws a picture as a square of size × size pixels (any size from 1), smoothed at its edges.
IconImage RenderIcon(IconId icon, int size);

} // namespace res
