#pragma once

#include "app/AddTimeForm.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/ProjectForm.h"
#include "app/RemoveTimeForm.h"
#include "app/TodoForm.h"
#include "app/TransferTimeForm.h"
#include "model/TreeItem.h"
#include "tests/model/FakeTreeControl.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Dialogs answered by filling their forms. The dialog opens its form; each answer then fills
// it as the user would and presses OK; while the form refuses, the next answer is tried, and
// when none is left the user presses Cancel. So an empty script is a plain Cancel.
class FakeDialogs : public Dialogs
{
public:
    template <class Form> using Answers = std::deque<std::function<void(Form&)>>;

    FakeDialogs(Prompts& prompts, MainWindow& window) : prompts(prompts), window(window) {}

    bool Show(ProjectForm& form) override { return Run("project", form, project); }
    bool Show(TodoForm& form) override { return Run("todo", form, todo); }
    bool Show(AddTimeForm& form) override { return Run("add time", form, addTime); }
    bool Show(RemoveTimeForm& form) override
    {
        return Run("remove time", form, removeTime);
    }

    // Like the window: the selector variant fills its two trees and starts from what they
    // show selected; any run ends with the main tree rebuilt, since filling the selectors
    // pointed the items' nodes at them.
    bool Show(TransferTimeForm& form) override
    {
        preselectedFrom = preselectedTo = nullptr;
        form.Open();
        if (!form.IsSimple())
        {
            fromSelector = std::make_unique<FakeTreeControl>();
            toSelector = std::make_unique<FakeTreeControl>();
            form.FillSelectors(*fromSelector, *toSelector);
            preselectedFrom = SelectedIn(*fromSelector);
            preselectedTo = SelectedIn(*toSelector);
            form.fromChoice = preselectedFrom;
            form.toChoice = preselectedTo;
        }
        const bool ok = Answer(form.IsSimple() ? "simple transfer" : "transfer", form, transfer);
        window.RebuildTree();
        return ok;
    }

    bool Show(OptionsForm&) override { return Unexpected("options"); }
    bool Show(WorkingTimeForm&) override { return Unexpected("working time"); }
    bool Show(CleanUpForm&) override { return Unexpected("clean up"); }

    Answers<ProjectForm> project;
    Answers<TodoForm> todo;
    Answers<AddTimeForm> addTime;
    Answers<RemoveTimeForm> removeTime;
    Answers<TransferTimeForm> transfer;

    std::vector<std::string> opened;
    // What the transfer dialog's selectors showed selected when it opened.
    TreeItem* preselectedFrom = nullptr;
    TreeItem* preselectedTo = nullptr;

private:
    template <class Form> bool Run(const char* name, Form& form, Answers<Form>& answers)
    {
        form.Open();
        return Answer(name, form, answers);
    }

    template <class Form> bool Answer(const char* name, Form& form, Answers<Form>& answers)
    {
        opened.push_back(name);
        while (!answers.empty())
        {
            auto fill = std::move(answers.front());
            answers.pop_front();
            fill(form);
            if (form.Confirm(prompts).accepted)
                return true;
        }
        return false;
    }

    bool Unexpected(const char* name)
    {
        ADD_FAILURE() << "the " << name << " dialog is not opened by these commands";
        return false;
    }

    static TreeItem* SelectedIn(const FakeTreeControl& selector)
    {
        TreeNode node = selector.GetSelection();
        return node != nullptr ? selector.GetNodeData(node) : nullptr;
    }

    Prompts& prompts;
    MainWindow& window;
    // The transfer dialog's two trees, alive while it runs, as the window's are.
    std::unique_ptr<FakeTreeControl> fromSelector;
    std::unique_ptr<FakeTreeControl> toSelector;
};
