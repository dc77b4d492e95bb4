#pragma once

#include "ui/dialogs/FormDialog.h"

class Prompts;
class ProjectForm;
class wxTextCtrl;

// "Project properties": the name, the total time with its hint, and the comment, which takes
// the width below them and the Enter key as a new line.
class ProjectDialog : public FormDialog
{
public:
    ProjectDialog(wxWindow* parent, ProjectForm& form, Prompts& prompts);

    bool TransferDataFromWindow() override;

private:
    ProjectForm& form;
    const std::string shownName;
    const std::string shownComment;
    Prompts& prompts;
    wxTextCtrl* name;
    wxTextCtrl* totalTime;
    wxTextCtrl* comment;
};
