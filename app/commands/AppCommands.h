#pragma once

class Dialogs;
class Prompts;
class Tallydene;

// The commands of the application itself: a new project, the overtime account, the working
// hours, the options, the clean-up of todos and the help pages; the command table holds what
// each does. The windows route every command identifier here after the main view's commands
// have had their turn.
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

private:
    Tallydene& app;
    Prompts& prompts;
    Dialogs& dialogs;
};
