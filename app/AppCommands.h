#pragma once

#include <string>

class Dialogs;
class Project;
class Prompts;
class Tallydene;

// The commands of the application itself: a new project, the overtime account, the working
// hours, the options, the clean-up of todos and the help pages. The windows route every
// command identifier here after the main view's commands have had their turn.
class AppCommands
{
public:
    AppCommands(Tallydene& app, Prompts& prompts, Dialogs& dialogs);

    // Runs the command and saves what it changed once; false when the identifier is not one of
    // these commands.
    bool Execute(int commandId);

    // On the program's first run: the options, then the working hours when overtime is then
    // on, each exactly as its command shows it. Nothing on a later run.
    void RunFirstRun();

    // The address the web-site command opens: the help page below the program's folder, as a
    // file address, since the program has no page on the web.
    static std::string WebSiteAddress();

private:
    // Runs the command itself; Execute then finishes it with the one save.
    bool Dispatch(int commandId);
    void NewProject();
    void ZeroOvertime();
    void SetOvertimeToTodaysTarget();
    void WorkingHours();
    void Options();
    void CleanUp();
    void RestoreFromBackup();
    void ZeroAndDeleteTodos(Project& project, bool zeroClocks, bool deleteCompleted);
    void Open(const std::string& pathOrAddress);
    void FocusTree();

    Tallydene& app;
    Prompts& prompts;
    Dialogs& dialogs;
};
