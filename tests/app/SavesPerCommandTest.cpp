#include "app/AppCommands.h"
#include "res/CommandIds.h"
#include "tests/app/ViewScenario.h"
#include "tests/toolbox/FaultyFileSystem.h"

using namespace res;

class SavesPerCommand : public ViewScenario
{
protected:
    // The end of the program saves too, after the counter is gone.
    ~SavesPerCommand() override
    {
        if (app)
            app->GetConfig().SetFileSystem(toolbox::FileSystem::Native());
    }

    // The saves that running the command costs, a minute after the one before.
    int SavesOf(int commandId)
    {
        clock.Advance(60);
        const int before = files.Calls(FaultyFileSystem::Operation::Open);
        if (!Run(commandId))
            AppCommands(*app, prompts, dialogs).Execute(commandId);
        return files.Calls(FaultyFileSystem::Operation::Open) - before;
    }

    // Nothing fails: it counts the saves, each of which opens the new file once.
    FaultyFileSystem files;
};

TEST_F(SavesPerCommand, EachCommandSavesOnceAndOnlyWhenItChangedSomething)
{
    StartWith({{"Office", 900, {{"Mail", 600}, {"Report", 300}}}});
    app->GetConfig().SetFileSystem(files);

    Select(T("Office", "Mail"));
    EXPECT_EQ(1, SavesOf(ID_ITEM_ACTIVATE)); // books for the old todo and for the new one
    dialogs.addTime.push_back([](AddTimeForm& form) { form.amount = "1"; });
    EXPECT_EQ(1, SavesOf(ID_TODO_ADD_TIME));  // books before the dialog and after it
    EXPECT_EQ(1, SavesOf(ID_TODO_ADD_TIME));  // cancelled, but the clock moved on
    EXPECT_EQ(0, SavesOf(ID_ITEM_COPY_NAME)); // changes nothing
    EXPECT_EQ(0, SavesOf(ID_TODO_COMPLETED)); // books no time: left to the next tick
    EXPECT_EQ(1, SavesOf(ID_TODO_PAUSE));

    // A new project books no time, yet it is in the file at once.
    dialogs.project.push_back([](ProjectForm& form) { form.name = "Kitchen"; });
    EXPECT_EQ(1, SavesOf(ID_PROJECT_NEW));
    EXPECT_NE(SavedConfig().find("Kitchen"), std::string::npos);

    app->GetOptions().SetAutoSaveEnabled(false);
    EXPECT_EQ(0, SavesOf(ID_ITEM_ACTIVATE));
}

// Quitting writes the file once: the shutdown steps save, and the base class's own end after
// them writes nothing more.
TEST_F(SavesPerCommand, QuittingSavesOnce)
{
    StartWith({{"Office", 900, {{"Mail", 600}}}});
    app->GetConfig().SetFileSystem(files);
    clock.Advance(60);
    app->SetMainWindow(nullptr);
    app.reset();
    EXPECT_EQ(1, files.Calls(FaultyFileSystem::Operation::Open));
}
