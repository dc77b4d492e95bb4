#pragma once

class CommandContext;
class Todo;
class TreeItem;

// A dragged todo released over an item of the main tree: on a todo it opens the simple
// transfer dialog; on another project it moves there. Anything else does nothing.
void DropTodo(CommandContext& context, Todo& dragged, TreeItem& target);
