#pragma once

#include <wx/string.h>

#include <array>
#include <string>

class UndoHistory;
class wxFrame;

// Keeps the undo and redo entries of the frame's menu and tool bar up to date: greyed while
// there is no step to take, and naming the step otherwise ("Undo Delete todo 'Mail'"). The
// history must outlive the frame.
class UndoEntries
{
public:
    UndoEntries(wxFrame& frame, const UndoHistory& history);

    // Names the steps in the menu before it opens: a label changed while GTK lays out the open
    // menu is cut to the width it had.
    void Update();

private:
    struct Entry
    {
        int command;
        wxString format;
        const char* key;
        std::string (UndoHistory::*nameOf)() const;
        // As the menu table has it, translated: shown while there is no step.
        wxString plain;
    };

    wxString LabelOf(const Entry& entry) const;

    wxFrame& frame;
    const UndoHistory& history;
    std::array<Entry, 2> entries;
};
