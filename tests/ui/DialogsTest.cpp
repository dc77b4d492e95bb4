#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "app/forms/AddTimeForm.h"
#include "app/forms/ProjectForm.h"
#include "app/forms/RemoveTimeForm.h"
#include "app/forms/TodoForm.h"
#include "app/forms/TransferTimeForm.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "ui/MainFrame.h"
#include "ui/MainView.h"
#include "ui/WxDialogs.h"
#include "ui/WxPrompts.h"
#include "ui/WxText.h"
#include "ui/WxTreeControl.h"
#include "ui/dialogs/ProjectDialog.h"
#include "ui/dialogs/TimeChangeDialog.h"
#include "ui/dialogs/TodoDialog.h"
#include "ui/dialogs/TransferTimeDialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include <functional>
#include <vector>

namespace
{

// Garden (total 3:00) with Mow & rake 1:00 and Weed 0:30, priority outside the buttons;
// Office (total 2:00) with Mail 2:00 and a two-line comment.
ConfigText Prepared(bool overtime = true)
{
    ConfigText config;
    config.Open("Options").Value("WorkingTimeEnabled", overtime ? 1 : 0).Close("Options");
    config.Open("Projects");
    config.Open("Garden").Value("TotalTime", 10800);
    config.Open("Todos").Todo("Mow & rake", 2, 3600).Todo("Weed", 9, 1800).Close("Todos");
    config.Close("Garden");
    config.Open("Office").Value("TotalTime", 7200);
    config.Open("Todos").Todo("Mail", 1, 7200, "first\\r\\nsecond").Close("Todos");
    config.Close("Office");
    config.Close("Projects");
    return config;
}

template <class Control> Control* Named(wxWindow& dialog, const char* name)
{
    auto* control = dynamic_cast<Control*>(wxWindow::FindWindowByName(name, &dialog));
    EXPECT_NE(nullptr, control) << name;
    return control;
}

// The labels of the dialog's static texts, check boxes and radio buttons, in creation order,
// which is also the tab order.
std::vector<std::string> Labels(wxWindow& window)
{
    std::vector<std::string> labels;
    for (wxWindow* child : window.GetChildren())
    {
        if (!child->IsShown())
            continue;
        if (dynamic_cast<wxStaticText*>(child) || dynamic_cast<wxCheckBox*>(child) ||
            dynamic_cast<wxRadioButton*>(child))
        {
            // A wrapped text reads as one line.
            wxString label = child->GetLabel();
            label.Replace("\n", " ");
            labels.push_back(FromWx(label));
        }
        if (dynamic_cast<wxStaticBox*>(child))
        {
            std::string box = "[";
            box += FromWx(child->GetLabel());
            labels.push_back(box + "]");
            for (const std::string& inner : Labels(*child))
                labels.push_back(inner);
        }
    }
    return labels;
}

// Whether the node is one of the tree's own, not another tree's.
bool BelongsTo(const VirtualTree& tree, TreeNode node)
{
    wxTreeItemId id(node);
    while (tree.GetItemParent(id).IsOk())
        id = tree.GetItemParent(id);
    return id == tree.GetRootItem();
}

} // namespace

class DialogWindows : public WindowTest
{
protected:
    void StartWith(const ConfigText& config)
    {
        WriteConfig(config);
        Start();
    }

    // Shows the dialog as a window of its own, so that the test can look at the focus.
    static void Show(wxDialog& dialog)
    {
        dialog.Show();
        EXPECT_TRUE(PumpUntil([&] { return dialog.IsShownOnScreen(); }));
        Pump(50);
    }

    // The hint beside a duration field, in the user's decimal character.
    std::string Hint() { return App().GetDurations().DurationHint(); }

    static void ClickOk(wxDialog& dialog)
    {
        auto* ok = dynamic_cast<wxButton*>(dialog.FindWindow(wxID_OK));
        ASSERT_NE(nullptr, ok);
        wxCommandEvent click(wxEVT_BUTTON, wxID_OK);
        click.SetEventObject(ok);
        ok->ProcessWindowEvent(click);
        Pump(50);
    }

    static void ExpectFocusedAndSelected(wxTextCtrl* field)
    {
        ASSERT_NE(nullptr, field);
        EXPECT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == field; }, 2000));
        long from = -1;
        long to = -1;
        field->GetSelection(&from, &to);
        EXPECT_EQ(0, from);
        EXPECT_EQ(field->GetLastPosition(), to);
    }

    WxPrompts prompts;
};

TEST_F(DialogWindows, AddAndRemoveTimeShowTheTodoAndStartOnTheAmount)
{
    StartWith(Prepared(false));
    Todo& mow = TodoNamed("Garden", "Mow & rake");
    AddTimeForm addForm(App(), mow);
    addForm.Open();
    TimeChangeDialog add(Frame(), addForm, prompts, "Add time", "Add &time:", wxSize(140, 111));
    Show(add);
    Screenshot(add, "add-time-dialog");
    EXPECT_EQ("Add time", add.GetTitle());
    EXPECT_EQ(
        (std::vector<std::string>{
            "Todo: Mow && rake", "Current time: " + App().GetDurations().FormatForDialog(3600),
            "Add &time:", Hint(), "Adjust &project's time", "Adjust &overtime"}),
        Labels(add));
    auto* amount = Named<wxTextCtrl>(add, "amount");
    EXPECT_EQ(amount, wxWindow::FindFocus());
    EXPECT_EQ(add.FindWindow(wxID_OK), add.GetDefaultItem());
    EXPECT_TRUE(add.FindWindow(wxID_CANCEL));
    EXPECT_GE(add.GetClientSize().x, add.ConvertDialogToPixels(wxSize(140, 111)).x);
    // Overtime is off: its box is unchecked and takes no input.
    auto* overtime = dynamic_cast<wxCheckBox*>(add.FindWindowByLabel("Adjust &overtime"));
    ASSERT_NE(nullptr, overtime);
    EXPECT_FALSE(overtime->GetValue());
    EXPECT_FALSE(overtime->IsEnabled());
    // Minutes are no unit the field knows: the dialog stays open on the selected amount.
    amount->ChangeValue("30m");
    wxTEST_DIALOG(ClickOk(add),
                  ExpectMessageBox("Please enter a time in hours, such as 12" +
                                       std::string(1, App().GetDurations().DecimalChar()) + "50.",
                                   wxICON_ERROR, wxOK));
    EXPECT_TRUE(add.IsShown());
    ExpectFocusedAndSelected(amount);
    EXPECT_EQ(3600, mow.GetTime());
    amount->ChangeValue("0,5");
    ClickOk(add);
    EXPECT_FALSE(add.IsShown());
    EXPECT_EQ(5400, mow.GetTime());
}

TEST_F(DialogWindows, ARefusedRemovalKeepsTheDialogOpenOnTheSelectedAmount)
{
    StartWith(Prepared());
    Todo& weed = TodoNamed("Garden", "Weed");
    RemoveTimeForm form(App(), weed);
    form.Open();
    TimeChangeDialog remove(Frame(), form, prompts, "Remove time",
                            "Remove &time:", wxSize(154, 111));
    Show(remove);
    EXPECT_TRUE(remove.FindWindowByLabel("Remove &time:"));
    auto* amount = Named<wxTextCtrl>(remove, "amount");
    amount->ChangeValue("2");
    const std::string notEnough = "The todo does not have that much time.\nSet the time to zero?";
    wxTEST_DIALOG(ClickOk(remove), ExpectMessageBox(notEnough, wxICON_WARNING, wxNO));
    EXPECT_TRUE(remove.IsShown());
    ExpectFocusedAndSelected(amount);
    EXPECT_EQ(1800, weed.GetTime());

    wxTEST_DIALOG(ClickOk(remove), ExpectMessageBox(notEnough, wxICON_WARNING, wxYES));
    EXPECT_FALSE(remove.IsShown());
    EXPECT_EQ(0, weed.GetTime());
}

TEST_F(DialogWindows, ProjectPropertiesRefuseOnTheFieldAtFault)
{
    StartWith(Prepared());
    Project& office = ProjectNamed("Office");
    office.SetComment("line one\r\nline two");
    ProjectForm form(App(), office);
    form.Open();
    ProjectDialog dialog(Frame(), form, prompts);
    Show(dialog);
    Screenshot(dialog, "project-dialog");
    EXPECT_EQ("Project properties", dialog.GetTitle());
    EXPECT_EQ((std::vector<std::string>{"&Name:", "&Total time:", Hint(), "&Comment:"}),
              Labels(dialog));
    auto* name = Named<wxTextCtrl>(dialog, "name");
    auto* total = Named<wxTextCtrl>(dialog, "totalTime");
    auto* comment = Named<wxTextCtrl>(dialog, "comment");
    EXPECT_EQ(name, wxWindow::FindFocus());
    EXPECT_TRUE(comment->IsMultiLine());
    EXPECT_EQ("line one\nline two", comment->GetValue());

    name->ChangeValue("Garden");
    wxTEST_DIALOG(ClickOk(dialog),
                  ExpectMessageBox("A project with this name already exists.", wxICON_ERROR, wxOK));
    EXPECT_TRUE(dialog.IsShown());
    ExpectFocusedAndSelected(name);

    name->ChangeValue("Desk");
    total->ChangeValue("1");
    wxTEST_DIALOG(ClickOk(dialog),
                  ExpectMessageBox("The project's total time may not be less than\nthe current "
                                   "open todos' sum of times.\nApply the todos' sum?",
                                   wxICON_WARNING, wxNO));
    EXPECT_TRUE(dialog.IsShown());
    ExpectFocusedAndSelected(total);
    EXPECT_EQ("Office", office.GetName());

    total->ChangeValue("2,5");
    comment->ChangeValue("line one\nline two\nline three\n");
    ClickOk(dialog);
    EXPECT_FALSE(dialog.IsShown());
    EXPECT_EQ("Desk", office.GetName());
    EXPECT_EQ("line one\r\nline two\r\nline three", office.GetComment());
}

TEST_F(DialogWindows, TodoPropertiesShowPrioritiesInThreeColumnsOfTwo)
{
    StartWith(Prepared());
    Todo& weed = TodoNamed("Garden", "Weed");
    TodoForm form(App(), weed);
    form.Open();
    TodoDialog dialog(Frame(), form, prompts);
    Show(dialog);
    Screenshot(dialog, "todo-dialog");
    EXPECT_EQ("Todo properties", dialog.GetTitle());
    EXPECT_EQ((std::vector<std::string>{
                  "&Name:", "&Total time:",
                  "To change the todo's time, use add, remove and transfer time from the Todo "
                  "menu or the drag and drop feature.",
                  "[Priority]", "&1 (urgent)", "&2 (asap)", "&3 (normal)", "&4 (later on)",
                  "&5 (nice to have)", "&Completed", "Co&mment:"}),
              Labels(dialog));
    EXPECT_EQ(Named<wxTextCtrl>(dialog, "name"), wxWindow::FindFocus());
    auto* time = Named<wxTextCtrl>(dialog, "time");
    EXPECT_FALSE(time->IsEnabled());
    EXPECT_EQ(ToWx(App().GetDurations().FormatForDialog(1800)), time->GetValue());

    std::vector<wxRadioButton*> radios;
    for (const char* label : {"&1 (urgent)", "&2 (asap)", "&3 (normal)", "&4 (later on)",
                              "&5 (nice to have)", "&Completed"})
    {
        radios.push_back(dynamic_cast<wxRadioButton*>(dialog.FindWindowByLabel(label)));
        ASSERT_NE(nullptr, radios.back()) << label;
        // Priority 9 is none of them.
        EXPECT_FALSE(radios.back()->GetValue()) << label;
    }
    for (int column = 0; column < 3; ++column)
    {
        const wxRect top = radios[2 * column]->GetRect();
        const wxRect bottom = radios[2 * column + 1]->GetRect();
        EXPECT_EQ(top.x, bottom.x);
        EXPECT_LT(top.y, bottom.y);
        if (column > 0)
        {
            EXPECT_GT(top.x, radios[2 * column - 2]->GetRect().GetRight());
            EXPECT_EQ(top.y, radios[2 * column - 2]->GetRect().y);
        }
    }

    // A name taken in the same project is refused; the priority stays until one is chosen.
    auto* name = Named<wxTextCtrl>(dialog, "name");
    name->ChangeValue("Mow & rake");
    wxTEST_DIALOG(ClickOk(dialog),
                  ExpectMessageBox("A todo with this name already exists.", wxICON_ERROR, wxOK));
    EXPECT_TRUE(dialog.IsShown());
    ExpectFocusedAndSelected(name);
    name->ChangeValue("Mail");
    ClickOk(dialog);
    EXPECT_FALSE(dialog.IsShown());
    EXPECT_EQ("Mail", weed.GetName());
    EXPECT_EQ(9, weed.GetPriority());
}

TEST_F(DialogWindows, TodoCommentOpensOnAFreshLineAndPriorityButtonsSetThePriority)
{
    StartWith(Prepared());
    Todo& mail = TodoNamed("Office", "Mail");
    TodoForm form(App(), mail);
    wxTEST_DIALOG(
        EXPECT_TRUE(WxDialogs(Frame(), prompts).Show(form)),
        ExpectDialog<TodoDialog>(
            [](TodoDialog& dialog)
            {
                EXPECT_EQ("first\nsecond\n", Named<wxTextCtrl>(dialog, "comment")->GetValue());
                auto* asap = dynamic_cast<wxRadioButton*>(dialog.FindWindowByLabel("&2 (asap)"));
                EXPECT_TRUE(asap && asap->GetValue());
                auto* later =
                    dynamic_cast<wxRadioButton*>(dialog.FindWindowByLabel("&4 (later on)"));
                later->SetValue(true);
                EXPECT_TRUE(dialog.TransferDataFromWindow());
                return wxID_OK;
            }));
    EXPECT_EQ("first\r\nsecond", mail.GetComment());
    EXPECT_EQ(3, mail.GetPriority());
}

TEST_F(DialogWindows, TransferSelectorsPreselectTheTodosAndTheMainTreeIsWholeAfterwards)
{
    StartWith(Prepared());
    VirtualTree& mainTree = Tree();
    Todo* from = &TodoNamed("Garden", "Weed");
    Todo* to = &TodoNamed("Office", "Mail");
    App().Activate(*from);
    TransferTimeForm form(App(), from, to, false);
    const size_t mainNodes = mainTree.GetCount();

    wxTEST_DIALOG(
        EXPECT_FALSE(WxDialogs(Frame(), prompts).Show(form)),
        ExpectDialog<TransferTimeDialog>(
            [&](TransferTimeDialog& dialog)
            {
                EXPECT_EQ("Transfer time", dialog.GetTitle());
                EXPECT_EQ((std::vector<std::string>{"&Time:", "&All the time", Hint(),
                                                    "Adjust &projects' times", "&From:", "T&o:"}),
                          Labels(dialog));
                auto* fromSelector = Named<VirtualTree>(dialog, "from");
                auto* toSelector = Named<VirtualTree>(dialog, "to");
                EXPECT_EQ(from, WxTreeControl::ItemOf(*fromSelector, fromSelector->GetSelection()));
                EXPECT_EQ(to, WxTreeControl::ItemOf(*toSelector, toSelector->GetSelection()));
                EXPECT_EQ(mainNodes, fromSelector->GetCount());
                EXPECT_EQ(mainNodes, toSelector->GetCount());
                EXPECT_EQ(mainTree.GetImageList()->GetImageCount(),
                          fromSelector->GetImageList()->GetImageCount());
                // Side by side, From on the left.
                EXPECT_LT(fromSelector->GetRect().GetRight(), toSelector->GetRect().x);
                EXPECT_EQ(fromSelector->GetRect().y, toSelector->GetRect().y);
                // While the dialog is open the items are the main tree's, so a clock tick
                // refreshes the running todo there and leaves the selectors alone.
                const wxString shownInSelector =
                    fromSelector->GetItemText(fromSelector->GetSelection());
                App().UpdateTime();
                for (Project* project : App().GetProjects())
                {
                    EXPECT_TRUE(BelongsTo(mainTree, App().GetMainTree()->NodeOf(*project)));
                    for (Todo* todo : project->GetTodos())
                        EXPECT_TRUE(BelongsTo(mainTree, App().GetMainTree()->NodeOf(*todo)));
                }
                EXPECT_EQ(shownInSelector, fromSelector->GetItemText(fromSelector->GetSelection()));
                return wxID_CANCEL;
            }));

    EXPECT_EQ(mainNodes, mainTree.GetCount());
    for (Project* project : App().GetProjects())
    {
        EXPECT_TRUE(BelongsTo(mainTree, App().GetMainTree()->NodeOf(*project)));
        EXPECT_EQ(project, WxTreeControl::ItemOf(
                               mainTree, wxTreeItemId(App().GetMainTree()->NodeOf(*project))));
        for (Todo* todo : project->GetTodos())
        {
            EXPECT_TRUE(BelongsTo(mainTree, App().GetMainTree()->NodeOf(*todo)));
            EXPECT_EQ(todo, WxTreeControl::ItemOf(
                                mainTree, wxTreeItemId(App().GetMainTree()->NodeOf(*todo))));
        }
    }
    EXPECT_EQ(1800, TodoNamed("Garden", "Weed").GetTime());
}

TEST_F(DialogWindows, TransferDialogFocusesTheAmountWhichAllTheTimeDisables)
{
    StartWith(Prepared());
    Todo* from = &TodoNamed("Garden", "Weed");
    Todo* to = nullptr;
    TransferTimeForm form(App(), from, to, false);
    form.Open();
    {
        TransferTimeDialog dialog(Frame(), form, prompts);
        Show(dialog);
        Screenshot(dialog, "transfer-time-dialog");
        auto* amount = Named<wxTextCtrl>(dialog, "amount");
        EXPECT_EQ(amount, wxWindow::FindFocus());
        auto* timeChoice = dynamic_cast<wxRadioButton*>(dialog.FindWindowByLabel("&Time:"));
        auto* allChoice = dynamic_cast<wxRadioButton*>(dialog.FindWindowByLabel("&All the time"));
        ASSERT_TRUE(timeChoice && allChoice);
        EXPECT_TRUE(timeChoice->GetValue());
        // "&All the time" stands above "&Time:".
        EXPECT_LT(allChoice->GetRect().GetBottom(), timeChoice->GetRect().y);
        EXPECT_GE(dialog.GetClientSize().x, dialog.ConvertDialogToPixels(wxSize(431, 0)).x);

        const auto click = [](wxRadioButton* choice)
        {
            choice->SetFocus();
            choice->SetValue(true);
            wxCommandEvent event(wxEVT_RADIOBUTTON, choice->GetId());
            event.SetEventObject(choice);
            event.SetInt(1);
            choice->ProcessWindowEvent(event);
            Pump(50);
        };
        click(allChoice);
        EXPECT_FALSE(amount->IsEnabled());
        click(timeChoice);
        EXPECT_TRUE(amount->IsEnabled());
        EXPECT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == amount; }, 2000));

        // Nothing is selected in To: refused, and the amount is focused and selected.
        amount->ChangeValue("0,25");
        wxTEST_DIALOG(ClickOk(dialog), ExpectMessageBox("Please select a todo in both selectors.",
                                                        wxICON_ERROR, wxOK));
        EXPECT_TRUE(dialog.IsShown());
        ExpectFocusedAndSelected(amount);
        EXPECT_EQ(nullptr, to);

        auto* toSelector = Named<VirtualTree>(dialog, "to");
        toSelector->SelectItem(
            NodeShowing(*toSelector, TodoNamed("Office", "Mail"), toSelector->GetRootItem()));
        ClickOk(dialog);
        EXPECT_FALSE(dialog.IsShown());
        EXPECT_EQ(&TodoNamed("Office", "Mail"), to);
    }
    Frame()->RebuildTree();
    EXPECT_EQ(900, TodoNamed("Garden", "Weed").GetTime());
    EXPECT_EQ(8100, TodoNamed("Office", "Mail").GetTime());
}

TEST_F(DialogWindows, TheSimpleTransferSaysWhatItIsForAndHasNoSelectors)
{
    StartWith(Prepared());
    Todo* from = &TodoNamed("Office", "Mail");
    Todo* to = &TodoNamed("Garden", "Weed");
    TransferTimeForm form(App(), from, to, true);
    wxTEST_DIALOG(
        EXPECT_TRUE(WxDialogs(Frame(), prompts).Show(form)),
        ExpectDialog<TransferTimeDialog>(
            [&](TransferTimeDialog& dialog)
            {
                EXPECT_EQ("Transfer time", dialog.GetTitle());
                EXPECT_EQ((std::vector<std::string>{
                              "Please choose how to transfer time between todos.",
                              "&Time:", "&All the time", Hint(), "Adjust &projects' times"}),
                          Labels(dialog));
                EXPECT_EQ(nullptr, wxWindow::FindWindowByName("from", &dialog));
                auto* all = dynamic_cast<wxRadioButton*>(dialog.FindWindowByLabel("&All the time"));
                all->SetValue(true);
                EXPECT_TRUE(dialog.TransferDataFromWindow());
                return wxID_OK;
            }));
    EXPECT_EQ(0, from->GetTime());
    EXPECT_EQ(9000, to->GetTime());
    EXPECT_EQ(Tree().GetCount(), 5u);
}

// Names and comments whose bytes are not UTF-8 (a file written elsewhere) show as Latin-1 and
// are kept byte for byte when the user leaves them as they are.
TEST_F(DialogWindows, PropertiesLeftUneditedKeepBytesThatAreNotUtf8)
{
    StartWith(Prepared());
    Project& office = ProjectNamed("Office");
    office.SetName("Caf\xe9");
    office.SetComment("\xe9t\xe9\r\nhiver");
    ProjectForm projectForm(App(), office);
    projectForm.Open();
    ProjectDialog project(Frame(), projectForm, prompts);
    Show(project);
    EXPECT_EQ(wxString::FromUTF8("Caf\xc3\xa9"), Named<wxTextCtrl>(project, "name")->GetValue());
    ClickOk(project);
    EXPECT_EQ("Caf\xe9", office.GetName());
    EXPECT_EQ("\xe9t\xe9\r\nhiver", office.GetComment());

    Todo& weed = TodoNamed("Garden", "Weed");
    weed.SetName("Unkraut \xfc");
    TodoForm todoForm(App(), weed);
    todoForm.Open();
    TodoDialog todo(Frame(), todoForm, prompts);
    Show(todo);
    Named<wxTextCtrl>(todo, "comment")->ChangeValue("edited");
    ClickOk(todo);
    EXPECT_EQ("Unkraut \xfc", weed.GetName());
    EXPECT_EQ("edited", weed.GetComment());
}
