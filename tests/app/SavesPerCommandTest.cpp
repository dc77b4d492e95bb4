#include "app/CleanUpForm.h"
#include "app/OptionsForm.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "tests/app/CommandScenario.h"
#include "tests/app/ViewScenario.h"
#include "toolbox/FileSystem.h"

#include <functional>

using namespace res;

namespace
{

// The system's own files, counting the saves: each one opens the new file once.
class CountingFileSystem : public toolbox::FileSystem
{
public:
    std::unique_ptr<File> OpenForWrite(const char* name) override
    {
        ++saves;
        return native.OpenForWrite(name);
    }
    bool Rename(const char* from, const char* to) override { return native.Rename(from, to); }
    bool Link(const char* from, const char* to) override { return native.Link(from, to); }
    bool SyncFolder(const char* fileName) override { return native.SyncFolder(fileName); }
    bool Exists(const char* name) override { return native.Exists(name); }
    ReadResult ReadWholeFile(const char* name, std::string& bytes) override
    {
        return native.ReadWholeFile(name, bytes);
    }

    int saves = 0;

private:
    toolbox::FileSystem& native = toolbox::FileSystem::Native();
};

struct Step
{
    const char* what;
    std::function<void()> run;
    int saves;
};

} // namespace

class SavesPerViewCommand : public ViewScenario
{
protected:
    void SetUp() override
    {
        StartWith({{"Office", 900, {{"Mail", 600}, {"Report", 300}}}, {"Home", 0, {}}});
        app->GetConfig().SetFileSystem(files);
    }

    // Each step costs exactly the saves it names, a minute after the one before.
    void Expect(const std::vector<Step>& steps)
    {
        for (const Step& step : steps)
        {
            clock.Advance(60);
            const int before = files.saves;
            step.run();
            EXPECT_EQ(step.saves, files.saves - before) << step.what;
        }
    }

    CountingFileSystem files;
};

TEST_F(SavesPerViewCommand, EachCommandSavesOnceAndOnlyWhenItChangedSomething)
{
    Expect({
        {"Space on a todo",
         [&]
         {
             Select(T("Office", "Mail"));
             Run(ID_ITEM_ACTIVATE);
         },
         1},
        {"Space on a project",
         [&]
         {
             Select(P("Home"));
             Run(ID_ITEM_ACTIVATE);
         },
         1}, // creates and activates
        {"pause", [&] { Run(ID_TODO_PAUSE); }, 1},
        {"pause while paused", [&] { Run(ID_TODO_PAUSE); }, 0},
        {"add time",
         [&]
         {
             dialogs.addTime.push_back([](AddTimeForm& form) { form.amount = "1"; });
             Select(T("Office", "Report"));
             Run(ID_TODO_ADD_TIME);
         },
         1},
        {"add time cancelled", [&] { Run(ID_TODO_ADD_TIME); }, 1}, // the clock moved on
        {"move by drop", [&] { commands->DropOnItem(T("Office", "Report"), &P("Home")); }, 1},
        {"delete",
         [&]
         {
             prompts.answers = {true};
             Select(T("Home", "Report"));
             Run(ID_ITEM_DELETE);
         },
         1},
        {"copy a name",
         [&]
         {
             Select(T("Office", "Mail"));
             Run(ID_ITEM_COPY_NAME);
         },
         0},
        {"set completed", [&] { Run(ID_TODO_COMPLETED); }, 0}, // left to the next tick
        {"tick", [&] { app->UpdateTime(); }, 1},
    });
}

TEST_F(SavesPerViewCommand, WithoutAutoSaveCommandsWriteNothing)
{
    app->SetAutoSaveEnabled(false);
    Expect({
        {"Space on a todo",
         [&]
         {
             Select(T("Office", "Mail"));
             Run(ID_ITEM_ACTIVATE);
         },
         0},
        {"tick", [&] { app->UpdateTime(); }, 0},
    });
}

class SavesPerAppCommand : public CommandScenario
{
protected:
    void SetUp() override
    {
        ExpectedSettings settings;
        settings.lastTimeUpdated = ClockAt(2026, 3, 4, 12, 0, 0);
        settings.projects = {{"Office", 0, {{"Mail", 0, 5}}}};
        WriteConfig(settings);
        clock.Set(2026, 3, 4, 12, 0, 0);
        Run();
        app->GetConfig().SetFileSystem(files);
    }

    CountingFileSystem files;
};

TEST_F(SavesPerAppCommand, ANewProjectIsSavedAtOnceAndDialogCommandsSaveOnce)
{
    dialogs.project.push_back(
        [](ProjectForm& form)
        {
            form.name = "Kitchen";
            return true;
        });
    Execute(ID_PROJECT_NEW);
    EXPECT_EQ(1, files.saves) << "a new project waits for no tick";
    EXPECT_NE(SavedConfig().find("Kitchen"), std::string::npos);

    dialogs.options.push_back(
        [](OptionsForm& form)
        {
            form.timeFormat = 3;
            return true;
        });
    Execute(ID_TOOLS_OPTIONS);
    EXPECT_EQ(2, files.saves);

    dialogs.cleanUp.push_back(
        [](CleanUpForm& form)
        {
            form.deleteCompleted = true;
            return true;
        });
    Execute(ID_TOOLS_CLEAN_UP);
    EXPECT_EQ(3, files.saves);
    EXPECT_EQ(SavedConfig().find("Mail"), std::string::npos);
}
