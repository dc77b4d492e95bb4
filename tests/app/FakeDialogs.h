#pragma once

#include "app/forms/AddTimeForm.h"
#include "app/forms/AwayTimeForm.h"
#include "app/forms/CleanUpForm.h"
#include "app/forms/Dialogs.h"
#include "app/forms/HistoryForm.h"
#include "app/forms/OptionsForm.h"
#include "app/forms/ProjectForm.h"
#include "app/forms/RemoveTimeForm.h"
#include "app/forms/ReportForm.h"
#include "app/forms/RestoreForm.h"
#include "app/forms/TodoForm.h"
#include "app/forms/TransferTimeForm.h"
#include "app/forms/WorkingTimeForm.h"
#include "model/TreeItem.h"
#include "tests/model/FakeTreeControl.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// What a dialog does when it opens and its script holds no answer (any more): the user presses
// Cancel, so an empty script is a plain Cancel; or the test fails, since every dialog the
// commands open was expected to be answered.
enum class WhenNoAnswerLeft
{
    Cancel,
    Fail
};

// Dialogs answered by filling their forms. The dialog opens its form; each answer then fills
// it as the user would and presses OK, or says false for Cancel; while the form refuses, the
// next answer is tried, as the window keeps a refused dialog open.
class FakeDialogs : public Dialogs
{
public:
    // An answer: a function of the form that returns whether the user pressed OK, or returns
    // nothing, which means OK.
    template <class Form> class Answer
    {
    public:
        template <class Fill> Answer(Fill fill)
        {
            if constexpr (std::is_void_v<std::invoke_result_t<Fill&, Form&>>)
                pressesOk = [fill](Form& form) mutable
                {
                    fill(form);
                    return true;
                };
            else
                pressesOk = std::move(fill);
        }

        bool operator()(Form& form) { return pressesOk(form); }

    private:
        std::function<bool(Form&)> pressesOk;
    };
    template <class Form> using Answers = std::deque<Answer<Form>>;

    FakeDialogs(Prompts& prompts, WhenNoAnswerLeft rule) : prompts(prompts), rule(rule) {}

    bool Show(ProjectForm& form) override { return Run("project", form, project); }
    bool Show(TodoForm& form) override { return Run("todo", form, todo); }
    bool Show(AddTimeForm& form) override { return Run("add time", form, addTime); }
    bool Show(RemoveTimeForm& form) override { return Run("remove time", form, removeTime); }
    bool Show(OptionsForm& form) override { return Run("options", form, options); }
    bool Show(WorkingTimeForm& form) override { return Run("working hours", form, workingTime); }
    bool Show(CleanUpForm& form) override { return Run("clean up", form, cleanUp); }
    bool Show(RestoreForm& form) override { return Run("restore", form, restore); }
    bool Show(AwayTimeForm& form) override { return Run("away time", form, away); }

    // The history window has no OK: it opens its form, and each answer acts on it as the user
    // would while the window is open; the window then closes.
    bool Show(HistoryForm& form) override
    {
        form.Open();
        opened.emplace_back("history");
        while (!history.empty())
        {
            auto answer = std::move(history.front());
            history.pop_front();
            answer(form);
        }
        return false;
    }

    // The report opens on the week of today, weeks starting on Monday; each answer looks at it.
    bool Show(ReportForm& form) override
    {
        form.Open(1);
        opened.emplace_back("report");
        while (!report.empty())
        {
            report.front()(form);
            report.pop_front();
        }
        return false;
    }

    // Like the window: the selector variant fills its two trees and starts from what they
    // show selected; the main tree is left as it is.
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
        return Respond(form.IsSimple() ? "simple transfer" : "transfer", form, transfer);
    }

    Answers<ProjectForm> project;
    Answers<TodoForm> todo;
    Answers<AddTimeForm> addTime;
    Answers<RemoveTimeForm> removeTime;
    Answers<TransferTimeForm> transfer;
    Answers<OptionsForm> options;
    Answers<WorkingTimeForm> workingTime;
    Answers<CleanUpForm> cleanUp;
    Answers<RestoreForm> restore;
    Answers<AwayTimeForm> away;
    std::deque<std::function<void(HistoryForm&)>> history;
    std::deque<std::function<void(ReportForm&)>> report;

    // The dialogs in the order they opened.
    std::vector<std::string> opened;
    // What the transfer dialog's selectors showed selected when it opened.
    TreeItem* preselectedFrom = nullptr;
    TreeItem* preselectedTo = nullptr;

private:
    template <class Form> bool Run(const char* name, Form& form, Answers<Form>& answers)
    {
        form.Open();
        return Respond(name, form, answers);
    }

    template <class Form> bool Respond(const char* name, Form& form, Answers<Form>& answers)
    {
        opened.emplace_back(name);
        while (!answers.empty())
        {
            auto answer = std::move(answers.front());
            answers.pop_front();
            if (!answer(form))
                return false;
            if (form.Confirm(prompts).accepted)
                return true;
        }
        if (rule == WhenNoAnswerLeft::Fail)
            ADD_FAILURE() << "no answer left for the " << name << " dialog";
        return false;
    }

    static TreeItem* SelectedIn(const FakeTreeControl& selector)
    {
        TreeNode node = selector.GetSelection();
        return node != nullptr ? selector.GetNodeData(node) : nullptr;
    }

    Prompts& prompts;
    const WhenNoAnswerLeft rule;
    // The transfer dialog's two trees, alive while it runs, as the window's are.
    std::unique_ptr<FakeTreeControl> fromSelector;
    std::unique_ptr<FakeTreeControl> toSelector;
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
