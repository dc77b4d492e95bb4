#pragma once

// The modal dialogs as the commands see them. Each dialog is a form (its fields as plain
// values, Open fills them from the model, Confirm checks and applies or refuses) and a window
// that shows the form. A Run function shows the window for the form and returns true when the
// dialog ended with OK, which means the form's Confirm accepted and applied the input.
// Tests answer a dialog by filling its form.

class ProjectForm;
class TodoForm;
class AddTimeForm;
class RemoveTimeForm;
class TransferTimeForm;
class OptionsForm;
class WorkingTimeForm;
class CleanUpForm;
class RestoreForm;

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual bool RunProjectDialog(ProjectForm& form) = 0;
    virtual bool RunTodoDialog(TodoForm& form) = 0;
    virtual bool RunAddTimeDialog(AddTimeForm& form) = 0;
    virtual bool RunRemoveTimeDialog(RemoveTimeForm& form) = 0;
    virtual bool RunTransferTimeDialog(TransferTimeForm& form) = 0;
    virtual bool RunOptionsDialog(OptionsForm& form) = 0;
    virtual bool RunWorkingTimeDialog(WorkingTimeForm& form) = 0;
    virtual bool RunCleanUpDialog(CleanUpForm& form) = 0;
    virtual bool RunRestoreDialog(RestoreForm& form) = 0;
};
