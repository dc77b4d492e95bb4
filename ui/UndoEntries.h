#pragma once

class UndoHistory;
class wxFrame;

// Keeps the undo and redo entries of the frame's menu and tool bar up to date: greyed while
// there is no step to take, and naming the step otherwise ("Undo Delete todo 'Mail'"). The
// history must outlive the frame.
void BindUndoEntries(wxFrame& frame, const UndoHistory& history);
