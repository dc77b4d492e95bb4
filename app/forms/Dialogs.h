#pragma once

// The modal dialogs as the commands see them. Each dialog is a form (its fields as plain
// values, Open fills them from the model, Confirm checks and applies or refuses) and a window
// that shows the form. Show opens the form, shows its window and returns true when the dialog
// ended with OK, which means the form's Confirm accepted and applied the input.
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
class HistoryForm;
class AwayTimeForm;
class ReportForm;

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual bool Show(ProjectForm& form) = 0;
    virtual bool Show(TodoForm& form) = 0;
    virtual bool Show(AddTimeForm& form) = 0;
    virtual bool Show(RemoveTimeForm& form) = 0;
    virtual bool Show(TransferTimeForm& form) = 0;
    virtual bool Show(OptionsForm& form) = 0;
    virtual bool Show(WorkingTimeForm& form) = 0;
    virtual bool Show(CleanUpForm& form) = 0;
    // OK means a backup was chosen and the replacement agreed to.
    virtual bool Show(RestoreForm& form) = 0;
    // The history window has no OK: its edits apply at once, and Show returns false.
    virtual bool Show(HistoryForm& form) = 0;
    // OK means the form applied the chosen answer; Cancel leaves the question for later.
    virtual bool Show(AwayTimeForm& form) = 0;
    // The report window only shows: Show returns false.
    virtual bool Show(ReportForm& form) = 0;
};
