#include "res/ToolBar.h"

#include "res/CommandIds.h"

namespace res
{
namespace
{

constexpr ToolSpec kSeparator{0, IconId{}};

constexpr ToolSpec kMainToolBar[] = {
    {ID_PROJECT_NEW, IconId::NewProject},   {ID_TODO_NEW, IconId::NewTodo},        kSeparator,
    {ID_TODO_PAUSE, IconId::Pause},         {ID_ITEM_ACTIVATE, IconId::Activate},  kSeparator,
    {ID_ITEM_COPY_NAME, IconId::CopyName},  {ID_ITEM_COPY_TIME, IconId::CopyTime}, kSeparator,
    {ID_TODO_COMPLETED, IconId::Completed}, {ID_ITEM_DELETE, IconId::Delete},      kSeparator,
    {ID_EDIT_UNDO, IconId::Undo},           {ID_EDIT_REDO, IconId::Redo},          kSeparator,
    {ID_TOOLS_CLEAN_UP, IconId::CleanUp},
};

} // namespace

std::span<const ToolSpec> MainToolBar()
{
    return kMainToolBar;
}

} // namespace res
