#include "app/AppCommands.h"

#include "app/CleanUpForm.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/OptionsForm.h"
#include "app/ProjectForm.h"
#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/WorkingTimeForm.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "toolbox/Path.h"

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
    if (dialogs.Show(form))
    {
        Project& added = *project;
        app.GetProjects().Append(std::move(project));
        app.LogEvent("Created a new project", added.GetName());
        // No clock update belongs to this command, but the new project is saved at once.
        app.MarkChanged();
        if (MainWindow* window = app.GetMainWindow())
        {
            // The rebuild inserts the new project in its sorted place.
            window->RebuildTree();
            if (added.GetNode() != nullptr)
                window->GetTree().SelectNode(added.GetNode());
        }
    }
    FocusTree();
}

// The overtime commands first bring the clock up to date, so that time booked before the
// change does not land on the new balance, and a day that began since the last tick is charged
// before the balance is set rather than after.
void AppCommands::ZeroOvertime()
{
    if (!app.IsWorkingTimeEnabled())
        return;
    if (!prompts.AskBeforeDestroying("Sure to set the actual working time to zero?"))
        return;
    app.BringUpToDate();
    app.SetOvertimeBalance(0);
    app.LogEvent("Set actual working time", "0");
    app.BringUpToDate();
}

void AppCommands::SetOvertimeToTodaysTarget()
{
    if (!app.IsWorkingTimeEnabled())
        return;
    if (!prompts.AskBeforeDestroying("Sure to set the actual working time to today's target?"))
        return;
    app.BringUpToDate();
    app.SetOvertimeBalance(app.GetTarget(Tallydene::WeekdayOf(Tallydene::DayOf(app.Now()))));
    app.LogEvent("Set actual working time", std::to_string(app.GetOvertimeBalance()));
    app.BringUpToDate();
}

void AppCommands::WorkingHours()
{
    if (!app.IsWorkingTimeEnabled())
        return;
    app.BringUpToDate();
    WorkingTimeForm form(app);
    if (!dialogs.Show(form))
        return;
    app.LogEvent("Set actual working time", std::to_string(app.GetOvertimeBalance()));
    app.BringUpToDate();
}

void AppCommands::Options()
{
    app.BringUpToDate();
    OptionsForm form(app);
    if (!dialogs.Show(form))
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
        prompts.Refuse("Please pause first.");
        return;
    }
    CleanUpForm form(app);
    if (dialogs.Show(form))
    {
        app.BringUpToDate();
        for (Project* project : app.GetProjects())
            ZeroAndDeleteTodos(*project, form.zeroClocks, form.deleteCompleted);
        app.BringUpToDate();
    }
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
            todo->SetTime(0);
            app.LogEvent("Set todo's time to zero (clean up)", todo->GetName());
            todo->Refresh(app);
            project.Refresh(app);
        }
        if (deleteCompleted && todo->IsCompleted())
        {
            app.LogEvent("Deleted a todo (clean up)", todo->GetName());
            if (TreeControl* tree = app.GetMainTree();
                tree != nullptr && todo->GetNode() != nullptr)
                tree->DeleteNode(todo->GetNode());
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
        prompts.Refuse("Could not open\n" + pathOrAddress +
                       "\nNo program to show it is set up on this computer.");
}

void AppCommands::FocusTree()
{
    if (MainWindow* window = app.GetMainWindow())
        window->FocusTree();
}
