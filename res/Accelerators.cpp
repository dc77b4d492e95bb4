#include "res/Accelerators.h"

#include "res/CommandIds.h"

namespace res
{
namespace
{

// Several keys give the item-level commands, which act on whatever is selected, so the same
// key works on a project and on a todo.
constexpr AcceleratorSpec kMainAccelerators[] = {
    {kNoModifier, Key::Space, ID_ITEM_ACTIVATE},
    {kAlt, Key::X, ID_APP_EXIT},
    {kNoModifier, Key::Delete, ID_ITEM_DELETE},
    {kCtrl, Key::C, ID_ITEM_COPY_NAME},
    {kCtrl, Key::Insert, ID_ITEM_COPY_NAME},
    {kCtrl | kShift, Key::C, ID_ITEM_COPY_TIME},
    {kNoModifier, Key::F1, ID_HELP_INDEX},
    {kShift, Key::Insert, ID_PROJECT_NEW},
    {kNoModifier, Key::Enter, ID_ITEM_PROPERTIES},
    {kNoModifier, Key::F8, ID_TODO_COMPLETED},
    {kNoModifier, Key::Insert, ID_TODO_NEW},
    {kNoModifier, Key::Escape, ID_TODO_PAUSE},
    {kCtrl, Key::Digit1, ID_TODO_PRIORITY_1},
    {kCtrl, Key::Digit2, ID_TODO_PRIORITY_2},
    {kCtrl, Key::Digit3, ID_TODO_PRIORITY_3},
    {kCtrl, Key::Digit4, ID_TODO_PRIORITY_4},
    {kCtrl, Key::Digit5, ID_TODO_PRIORITY_5},
    {kNoModifier, Key::F7, ID_TODO_ZERO_TIME},
    {kNoModifier, Key::F10, ID_TOOLS_OPTIONS},
    {kNoModifier, Key::F5, ID_VIEW_REFRESH},
    {kCtrl, Key::H, ID_VIEW_HISTORY},
    {kNoModifier, Key::F9, ID_OVERTIME_WORKING_HOURS},
    {kNoModifier, Key::F6, ID_TOOLS_CLEAN_UP},
    {kCtrl, Key::Z, ID_EDIT_UNDO},
    {kCtrl, Key::Y, ID_EDIT_REDO},
};

} // namespace

std::span<const AcceleratorSpec> MainAccelerators()
{
    return kMainAccelerators;
}

} // namespace res
