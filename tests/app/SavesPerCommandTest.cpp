#include "app/commands/AppCommands.h"
#include "res/CommandIds.h"
#include "tests/app/ViewScenario.h"
#include "tests/toolbox/FaultyFileSystem.h"
#include "tests/toolbox/StringWriter.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigFormat.h"
#include "toolbox/ConfigSection.h"

#include <random>

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
    EXPECT_EQ(1, SavesOf(ID_TODO_COMPLETED)); // a change: booked and saved like any other
    EXPECT_EQ(1, SavesOf(ID_TODO_PAUSE));

    // A new project is in the file at once.
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

// A full save brings the stored projects up to date in place. After any mix of changes, keys
// the program does not write, and names that differ only in letter case, the file must be the
// one that writing every project afresh gives.
TEST_F(SavesPerCommand, AFullSaveWritesWhatWritingEveryProjectAfreshWould)
{
    StartWith({{"Office", 900, {{"Mail", 600}, {"Report", 300}}}, {"Home", 0, {{"Tax", 60}}}});
    toolbox::ConfigSection& stored = app->GetConfig().GetRoot().GetSection("Projects");
    stored.GetParameter("Stray").SetInt(1);
    stored.GetSection("Office").GetParameter("Colour").SetString("red");
    toolbox::ConfigSection& mail =
        stored.GetSection("Office").GetSection("Todos").GetSection("Mail");
    mail.GetSection("Notes");
    mail.GetParameter("Colour").SetString("blue");
    stored.GetSection("Gone").GetParameter("TotalTime").SetInt(5);

    std::mt19937 random(17);
    const auto pick = [&](int count) { return static_cast<int>(random() % count); };
    // Now and then a name that differs from another only in letter case.
    const auto name = [&]
    {
        const std::vector<std::string> names = {"Mail", "Report", "Tax", "Zoo", "a", "b", "c"};
        return pick(12) == 0 ? std::string("MAIL") : names[pick(names.size())];
    };
    toolbox::ArrayList<Project>& projects = app->GetProjects();
    for (int round = 0; round < 160; ++round)
    {
        Project& project = *projects.Get(pick(projects.Count()));
        toolbox::ArrayList<Todo>& todos = project.GetTodos();
        Todo* todo = todos.IsEmpty() ? nullptr : todos.Get(pick(todos.Count()));
        switch (pick(9))
        {
        case 0:
            project.SetName(name() + "s");
            break;
        case 1:
            if (todo != nullptr)
                todo->SetName(name());
            break;
        case 2:
            if (todo != nullptr)
                todos.Delete(todo);
            break;
        case 3:
            todos.Append(std::make_unique<Todo>(&project));
            todos.Last()->SetName(name() + std::to_string(round % 5));
            break;
        case 4:
            if (projects.Count() > 1)
                projects.Delete(&project);
            break;
        case 5:
            projects.Append(std::make_unique<Project>());
            projects.Last()->SetName(name() + std::to_string(round % 4));
            break;
        case 6:
            if (todo != nullptr)
                todo->SetComment(round % 3 == 0 ? "" : "line\nline " + std::to_string(round));
            break;
        case 7:
            if (todo != nullptr)
                todo->SetTime(round); // the project keeps its total
            break;
        default:
            project.SetExpanded(!project.IsExpanded());
            if (todo != nullptr)
                todo->AddTime(round);
            project.AddTime(round);
            break;
        }
        if (round % 2 != 0)
            continue;
        app->MarkChanged();
        app->FinishCommand();
        const std::string saved = SavedConfig();

        toolbox::Config fresh;
        std::string text = saved;
        ASSERT_TRUE(fresh.Parse(text.data()));
        fresh.GetRoot().RemoveSection("Projects");
        for (const Project* each : projects)
            each->Save(fresh.GetRoot().GetSection("Projects"));
        StringWriter writer("\r\n");
        ASSERT_TRUE(toolbox::ConfigFormat::Write(fresh.GetRoot(), writer));
        ASSERT_EQ(writer.written, saved) << "after round " << round;
    }

    // With the names apart again, booking on one project leaves the text written for the
    // others in place.
    for (int p = 0; p < projects.Count(); ++p)
        projects.Get(p)->SetName("Project " + std::to_string(p));
    app->MarkChanged();
    app->FinishCommand();
    projects.Get(0)->AddTime(60);
    app->SaveSettings();
    const toolbox::ConfigSection& list = app->GetConfig().GetRoot().GetSection("Projects");
    for (const Project* project : projects)
        EXPECT_EQ(project != projects.Get(0),
                  list.Sections().Get(project->GetName().c_str())->WrittenText(1, "\r\n") !=
                      nullptr)
            << project->GetName();
}

// The projects' sections of the store are kept as their text between uses: after the load,
// after the first save, which counts every loaded project as changed, and after a command's.
TEST_F(SavesPerCommand, ProjectsAreKeptAsTextBetweenUses)
{
    StartWith({{"Office", 900, {{"Mail", 600}}}, {"Home", 60, {{"Garden", 60}}}});
    const auto folded = [&]
    {
        int count = 0;
        for (const toolbox::ConfigSection* section :
             app->GetConfig().GetRoot().GetSection("Projects").Sections().Values())
            count += section->IsFolded() ? 1 : 0;
        return count;
    };
    EXPECT_EQ(2, folded());
    clock.Advance(60);
    app->MarkChanged();
    app->FinishCommand();
    EXPECT_EQ(2, folded());
    for (Project* project : app->GetProjects())
        if (project->GetName() == "Home")
            project->AddTime(60);
    app->MarkChanged();
    app->FinishCommand();
    EXPECT_EQ(2, folded());
    EXPECT_NE(std::string::npos, SavedConfig().find("<TotalTime>120</>"));
}
