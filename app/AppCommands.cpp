#include "app/AppCommands.h"

#include "app/BookedChange.h"
#include "app/BackupRestore.h"
#include "app/CleanUpForm.h"
#include "app/ClockValue.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/OptionsForm.h"
#include "app/ProjectForm.h"
#include "app/RestoreForm.h"
#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/WorkingTimeForm.h"
#include "model/FillTree.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "toolbox/Path.h"
#include "toolbox/Translation.h"

#include <memory>

namespace
{

// A documentation file: in "docs" beside the program, as in the build folder, else where an
// installation puts it, "share/tallydene/docs" beside the program's "bin" folder. When neither
// holds the file, the first place is named, so the opener reports what is missing.
std::string DocsFile(std::initializer_list<const char*> components)
{
    toolbox::Path beside = toolbox::Path::CreateApplicationDirectoryPath();
    toolbox::Path installed = beside;
    installed.RemoveLast();
    for (const char* folder : {"share", "tallydene"})
        installed.Append(folder);
    for (toolbox::Path* path : {&beside, &installed})
    {
        path->Append("docs");
        for (const char* component : components)
            path->Append(component);
    }
    const toolbox::Path& found = !beside.Exists() && installed.Exists() ? installed : beside;
    return found.ToString(false).c_str();
}

// Escapes what may not stand in a file address as it is; "/" separates the folders.
std::string FileAddress(const std::string& path)
{
    static const char* hex = "0123456789ABCDEF";
    std::string address = "file://";
    for (char c : path)
    {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                           (byte >= '0' && byte <= '9') || c == '/' || c == '-' || c == '_' ||
                           c == '.' || c == '~';
        if (plain)
        {
            address += c;
        }
        else
        {
            address += '%';
            address += hex[byte >> 4];
            address += hex[byte & 0x0F];
        }
    }
    return address;
}

} // namespace

AppCommands::AppCommands(Tallydene& app, Prompts& prompts, Dialogs& dialogs)
    : app(app), prompts(prompts), dialogs(dialogs)
{
}

bool AppCommands::Execute(int commandId)
{
    const bool handled = Dispatch(commandId);
    app.FinishCommand();
    return handled;
}

bool AppCommands::Dispatch(int commandId)
{
    switch (commandId)
    {
    case res::ID_PROJECT_NEW:
        NewProject();
        return true;
    case res::ID_OVERTIME_ZERO:
        ZeroOvertime();
        return true;
    case res::ID_OVERTIME_TODAYS_TARGET:
        SetOvertimeToTodaysTarget();
        return true;
    case res::ID_OVERTIME_WORKING_HOURS:
        WorkingHours();
        return true;
    case res::ID_TOOLS_OPTIONS:
        Options();
        return true;
    case res::ID_TOOLS_CLEAN_UP:
        CleanUp();
        return true;
    case res::ID_FILE_RESTORE:
        RestoreFromBackup();
        return true;
    case res::ID_HELP_INDEX:
        Open(DocsFile({"help", "index.html"}));
        return true;
    case res::ID_HELP_TERMS:
        Open(DocsFile({"Readme.txt"}));
        return true;
    case res::ID_HELP_WEB_SITE:
        Open(WebSiteAddress());
        return true;
    default:
        return false;
    }
}

void AppCommands::RunFirstRun()
{
    if (!app.IsFirstRun())
        return;
    Execute(res::ID_TOOLS_OPTIONS);
    Execute(res::ID_OVERTIME_WORKING_HOURS);
}

std::string AppCommands::WebSiteAddress()
{
    return FileAddress(DocsFile({"help", "index.html"}));
}

void AppCommands::NewProject()
{
    auto project = std::make_unique<Project>();
    ProjectForm form(app, *project);
    if (dialogs.RunProjectDialog(form))
    {
        Project& added = *project;
        app.GetProjects().Append(std::move(project));
        app.LogEvent("Created a new project", added.GetName());
        // No clock update belongs to this command, but the new project is saved at once.
        app.MarkChanged();
        if (MainWindow* window = app.GetMainWindow())
            InsertProjectInOrder(window->GetTree(), app.GetProjects(), added, app);
    }
    FocusTree();
}

// The overtime commands first bring the clock up to date, so that time booked before the
// change does not land on the new balance, and a day that began since the last tick is charged
// before the balance is set rather than after.
void AppCommands::ZeroOvertime()
{
    if (!app.GetOptions().IsWorkingTimeEnabled())
        return;
    if (!prompts.AskBeforeDestroying(
            toolbox::Translation::Tr("Sure to set the actual working time to zero?")))
        return;
    app.BringUpToDate();
    const BookedChange booked(app, nullptr);
    app.GetOvertimeAccount().SetBalance(0);
    booked.Record(JournalKind::overtime);
    app.LogEvent("Set actual working time", "0");
    app.BringUpToDate();
}

void AppCommands::SetOvertimeToTodaysTarget()
{
    if (!app.GetOptions().IsWorkingTimeEnabled())
        return;
    if (!prompts.AskBeforeDestroying(
            toolbox::Translation::Tr("Sure to set the actual working time to today's target?")))
        return;
    app.BringUpToDate();
    const BookedChange booked(app, nullptr);
    OvertimeAccount& account = app.GetOvertimeAccount();
    account.SetBalance(account.GetTarget(WeekdayOf(DayOf(app.Now()))));
    booked.Record(JournalKind::overtime);
    app.LogEvent("Set actual working time", std::to_string(account.GetBalance()));
    app.BringUpToDate();
}

void AppCommands::WorkingHours()
{
    if (!app.GetOptions().IsWorkingTimeEnabled())
        return;
    app.BringUpToDate();
    WorkingTimeForm form(app);
    if (!dialogs.RunWorkingTimeDialog(form))
        return;
    app.LogEvent("Set actual working time", std::to_string(app.GetOvertimeAccount().GetBalance()));
    app.BringUpToDate();
}

void AppCommands::Options()
{
    app.BringUpToDate();
    OptionsForm form(app);
    if (!dialogs.RunOptionsDialog(form))
        return;
    app.BringUpToDate();
    if (MainWindow* window = app.GetMainWindow())
    {
        window->UpdateMenu();
        window->RebuildTree();
    }
}

void AppCommands::CleanUp()
{
    if (app.GetActiveTodo() != nullptr)
    {
        prompts.Refuse(toolbox::Translation::Tr("Please pause first."));
        return;
    }
    CleanUpForm form(app);
    if (dialogs.RunCleanUpDialog(form))
    {
        app.BringUpToDate();
        for (Project* project : app.GetProjects())
            ZeroAndDeleteTodos(*project, form.zeroClocks, form.deleteCompleted);
        app.BringUpToDate();
    }
    FocusTree();
}

void AppCommands::RestoreFromBackup()
{
    if (app.GetActiveTodo() != nullptr)
    {
        prompts.Refuse(toolbox::Translation::Tr("Please pause first."));
        return;
    }
    RestoreForm form(app);
    form.Open();
    if (form.rows.empty())
        prompts.Inform(toolbox::Translation::Tr(
            "There are no backups yet. Tallydene keeps one for each day you use it."));
    else if (dialogs.RunRestoreDialog(form))
        BackupRestore::Restore(app, prompts, form.Chosen(), true);
    FocusTree();
}

void AppCommands::ZeroAndDeleteTodos(Project& project, bool zeroClocks, bool deleteCompleted)
{
    toolbox::ArrayList<Todo>& todos = project.GetTodos();
    int position = 0;
    while (Todo* todo = todos.Get(position))
    {
        if (zeroClocks)
        {
            const BookedChange booked(app, todo);
            todo->SetTime(0);
            booked.Record(JournalKind::cleanUp);
            app.LogEvent("Set todo's time to zero (clean up)", todo->GetName());
            todo->Refresh(app);
            project.Refresh(app);
        }
        if (deleteCompleted && todo->IsCompleted())
        {
            app.LogEvent("Deleted a todo (clean up)", todo->GetName());
            if (TreeControl* tree = app.GetMainTree(); tree != nullptr)
                if (const TreeNode node = tree->NodeOf(*todo); node != nullptr)
                    tree->DeleteNode(node);
            todos.DeleteAt(position);
            project.Refresh(app);
            // The next todo now stands at this position.
            continue;
        }
        ++position;
    }
}

void AppCommands::Open(const std::string& pathOrAddress)
{
    MainWindow* window = app.GetMainWindow();
    if (window && !window->OpenDocument(pathOrAddress))
        prompts.Refuse(toolbox::Translation::TrFormat(
            "Could not open\n%s\nNo program to show it is set up on this computer.",
            {pathOrAddress}));
}

void AppCommands::FocusTree()
{
    if (MainWindow* window = app.GetMainWindow())
        window->FocusTree();
}
