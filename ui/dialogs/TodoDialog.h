#pragma once

#include "ui/dialogs/FormDialog.h"

#include <array>

class Prompts;
class TodoForm;
class wxRadioButton;
class wxSizer;
class wxTextCtrl;

// "Todo properties": the name, the todo's time (shown, not edited) with a note on how to
// change it, the six priorities in three columns of two, and the comment.
class TodoDialog : public FormDialog
{
public:
    TodoDialog(wxWindow* parent, TodoForm& form, Prompts& prompts);

    bool TransferDataFromWindow() override;

private:
    // The name and the time, which only the note below it says how to change.
    void AddNameAndTime(wxSizer& content);
    // The six priorities, the form's one chosen.
    wxSizer* CreatePriorityBox();
    void AddComment(wxSizer& content);

    TodoForm& form;
    const std::string shownName;
    const std::string shownComment;
    Prompts& prompts;
    wxTextCtrl* name;
    wxTextCtrl* comment;
    // Indexed by priority value.
    std::array<wxRadioButton*, 6> priorities{};
};
