#pragma once

#include "app/CleanUpForm.h"
#include "app/Dialogs.h"
#include "app/OptionsForm.h"
#include "app/ProjectForm.h"
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

    bool Show(ProjectForm& form) override { return Run("project", form, project); }
    bool Show(TodoForm&) override { return Unexpected("todo"); }
    bool Show(AddTimeForm&) override { return Unexpected("add time"); }
    bool Show(RemoveTimeForm&) override { return Unexpected("remove time"); }
    bool Show(TransferTimeForm&) override { return Unexpected("transfer"); }
    bool Show(OptionsForm& form) override { return Run("options", form, options); }
    bool Show(WorkingTimeForm& form) override
    {
        return Run("working hours", form, workingTime);
    }
    bool Show(CleanUpForm& form) override { return Run("clean up", form, cleanUp); }

    std::deque<Answer<ProjectForm>> project;
    std::deque<Answer<OptionsForm>> options;
    std::deque<Answer<WorkingTimeForm>> workingTime;
    std::deque<Answer<CleanUpForm>> cleanUp;
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
