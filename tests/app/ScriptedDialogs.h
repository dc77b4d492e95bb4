#pragma once

#include "app/CleanUpForm.h"
#include "app/Dialogs.h"
#include "app/OptionsForm.h"
#include "app/ProjectForm.h"
#include "app/RestoreForm.h"
#include "app/Prompts.h"
#include "app/WorkingTimeForm.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Dialogs answered from a script. Each answer gets the form as the dialog opened it, edits it
// as a user would, and says whether the user pressed OK. OK calls the form's Confirm, and a
// refusal keeps the dialog open for the next answer, as the window does.
class ScriptedDialogs : public Dialogs
{
public:
    template <class Form> using Answer = std::function<bool(Form&)>;

    explicit ScriptedDialogs(Prompts& prompts) : prompts(prompts) {}

    bool RunProjectDialog(ProjectForm& form) override { return Run("project", form, project); }
    bool RunTodoDialog(TodoForm&) override { return Unexpected("todo"); }
    bool RunAddTimeDialog(AddTimeForm&) override { return Unexpected("add time"); }
    bool RunRemoveTimeDialog(RemoveTimeForm&) override { return Unexpected("remove time"); }
    bool RunTransferTimeDialog(TransferTimeForm&) override { return Unexpected("transfer"); }
    bool RunOptionsDialog(OptionsForm& form) override { return Run("options", form, options); }
    bool RunWorkingTimeDialog(WorkingTimeForm& form) override
    {
        return Run("working hours", form, workingTime);
    }
    bool RunCleanUpDialog(CleanUpForm& form) override { return Run("clean up", form, cleanUp); }
    bool RunRestoreDialog(RestoreForm& form) override { return Run("restore", form, restore); }

    std::deque<Answer<ProjectForm>> project;
    std::deque<Answer<OptionsForm>> options;
    std::deque<Answer<WorkingTimeForm>> workingTime;
    std::deque<Answer<CleanUpForm>> cleanUp;
    std::deque<Answer<RestoreForm>> restore;
    // The dialogs in the order they opened.
    std::vector<std::string> opened;

private:
    template <class Form> bool Run(const char* name, Form& form, std::deque<Answer<Form>>& script)
    {
        opened.emplace_back(name);
        form.Open();
        while (!script.empty())
        {
            Answer<Form> answer = std::move(script.front());
            script.pop_front();
            if (!answer(form))
                return false;
            if (form.Confirm(prompts).accepted)
                return true;
        }
        ADD_FAILURE() << "no answer left for the " << name << " dialog";
        return false;
    }

    bool Unexpected(const char* name)
    {
        ADD_FAILURE() << "the " << name << " dialog was not expected";
        return false;
    }

    Prompts& prompts;
};

// The common answers: press OK or Cancel without touching anything.
template <class Form> bool PressOk(Form&)
{
    return true;
}
template <class Form> bool PressCancel(Form&)
{
    return false;
}
