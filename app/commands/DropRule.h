#pragma once

class TreeItem;

// Whether a dragged item released over target has an effect: only a todo is dragged, and it
// goes onto a todo (a transfer, itself included) or onto a project other than its own (a
// move). nullptr stands for empty space.
bool TakesDrop(const TreeItem& dragged, const TreeItem* target);
