#include "model/ItemId.h"
#include "model/Project.h"
#include "tests/model/AddTodo.h"
#include "tests/support/TempFolder.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigSection.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using toolbox::ConfigSection;

namespace
{

// The application's saver and loader: the whole "Projects" section is rewritten at every save.
void SaveProjects(const toolbox::ArrayList<Project>& projects, ConfigSection& root)
{
    root.RemoveSection("Projects");
    for (const Project* project : projects)
    {
        project->Save(root.GetSection("Projects"));
    }
}

void LoadProjects(toolbox::ArrayList<Project>& projects, ConfigSection& root)
{
    for (ConfigSection* section : root.GetSection("Projects").Sections().Values())
    {
        auto project = std::make_unique<Project>();
        project->Load(*section);
        projects.Append(std::move(project));
    }
    projects.Sort(CompareProjects);
}

Project& AddProject(toolbox::ArrayList<Project>& projects, const std::string& name)
{
    projects.Append(std::make_unique<Project>());
    projects.Last()->SetName(name);
    return *projects.Last();
}

TEST(ItemPersistence, EmptySectionsLoadTheDefaultsAndKeepThem)
{
    ConfigSection root("Root");
    ConfigSection& web = root.GetSection("Projects").GetSection("Web");
    web.GetSection("Todos").GetSection("Mail");

    Project project;
    project.Load(web);
    EXPECT_EQ(project.GetName(), "Web");
    EXPECT_TRUE(project.IsExpanded());
    EXPECT_EQ(project.GetComment(), "");
    EXPECT_EQ(project.GetTotalTime(), 0);
    ASSERT_EQ(project.GetTodos().Count(), 1);
    const Todo& mail = *project.GetTodos().Get(0);
    EXPECT_EQ(mail.GetName(), "Mail");
    EXPECT_EQ(mail.GetProject(), &project);
    EXPECT_TRUE(mail.IsExpanded());
    EXPECT_EQ(mail.GetComment(), "");
    EXPECT_EQ(mail.GetPriority(), 2);
    EXPECT_EQ(mail.GetTime(), 0);
    // No id in the file: the ones made with the items stay, to be saved.
    EXPECT_FALSE(mail.HasStoredId());
    EXPECT_TRUE(ItemId::IsWellFormed(mail.GetId())) << mail.GetId();
    EXPECT_NE(mail.GetId(), project.GetId());
    ConfigSection projects("Projects");
    project.Save(projects);
    EXPECT_EQ(projects.GetSection("Web").GetString("Id", ""), project.GetId());

    // Reading a default leaves it in the store for the next save.
    ConfigSection& mailSection = web.GetSection("Todos").GetSection("Mail");
    for (const char* name : {"Expanded", "Comment", "Priority", "Time"})
    {
        EXPECT_TRUE(mailSection.HasParameter(name)) << name;
    }
    EXPECT_EQ(mailSection.GetInt("Priority", 0), 2);
    EXPECT_TRUE(web.HasParameter("TotalTime"));
}

TEST(ItemPersistence, OutOfRangeValuesLoadAtTheirFloors)
{
    ConfigSection web("Web");
    web.GetParameter("TotalTime").SetInt(100);
    ConfigSection& todos = web.GetSection("Todos");
    todos.GetSection("a").GetParameter("Time").SetInt(40);
    todos.GetSection("b").GetParameter("Time").SetInt(90);
    ConfigSection& negative = todos.GetSection("c");
    negative.GetParameter("Time").SetInt(-20);
    negative.GetParameter("Priority").SetInt(7);

    Project project;
    project.Load(web);
    EXPECT_EQ(project.GetTotalTime(), 130);
    const Todo* loaded = nullptr;
    for (const Todo* todo : project.GetTodos())
    {
        if (todo->GetName() == "c")
        {
            loaded = todo;
        }
    }
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetTime(), 0);
    EXPECT_EQ(loaded->GetPriority(), 7);

    ConfigSection projects("Projects");
    project.Save(projects);
    ConfigSection& saved = projects.GetSection("Web");
    EXPECT_EQ(saved.GetSection("Todos").GetSection("c").GetInt("Time", -1), 0);
    EXPECT_EQ(saved.GetSection("Todos").GetSection("c").GetInt("Priority", -1), 7);
    EXPECT_EQ(saved.GetInt("TotalTime", -1), 130);
}

TEST(ItemPersistence, RoundTripThroughTheFile)
{
    TempFolder folder;
    const std::string file = (folder.Path() / "Tallydene.cfg").string();
    std::string webId;
    std::string mailId;
    {
        toolbox::ArrayList<Project> projects;
        Project& web = AddProject(projects, "Web");
        web.SetExpanded(false);
        web.SetComment("client <a/b>\r\nsecond line");
        Todo& mail = AddTodo(web, "Mail");
        mail.SetTime(3900);
        mail.SetPriority(kPriorityCompleted);
        mail.SetExpanded(false);
        mail.SetComment("ask \"Bob\"");
        web.SetTotalTime(43500);
        webId = web.GetId();
        mailId = mail.GetId();
        AddTodo(AddProject(projects, "Office"), "Mail").SetTime(60);
        AddProject(projects, "Idle");

        toolbox::Config config;
        SaveProjects(projects, config.GetRoot());
        ASSERT_TRUE(config.SaveFile(file.c_str()));
    }

    toolbox::Config config;
    ASSERT_TRUE(config.LoadFile(file.c_str()));
    toolbox::ArrayList<Project> projects;
    LoadProjects(projects, config.GetRoot());
    ASSERT_EQ(projects.Count(), 3);

    const Project& idle = *projects.Get(0);
    EXPECT_EQ(idle.GetName(), "Idle");
    EXPECT_TRUE(idle.GetTodos().IsEmpty());

    // The same todo name in two projects: each its own section under its own project.
    const Project& office = *projects.Get(1);
    ASSERT_EQ(office.GetTodos().Count(), 1);
    EXPECT_EQ(office.GetTodos().Get(0)->GetName(), "Mail");
    EXPECT_EQ(office.GetTodos().Get(0)->GetTime(), 60);
    EXPECT_EQ(office.GetTotalTime(), 60);

    const Project& web = *projects.Get(2);
    EXPECT_FALSE(web.IsExpanded());
    EXPECT_EQ(web.GetComment(), "client <a/b>\r\nsecond line");
    EXPECT_EQ(web.GetTotalTime(), 43500);
    ASSERT_EQ(web.GetTodos().Count(), 1);
    const Todo& mail = *web.GetTodos().Get(0);
    EXPECT_EQ(mail.GetProject(), &web);
    EXPECT_EQ(mail.GetTime(), 3900);
    EXPECT_EQ(mail.GetPriority(), kPriorityCompleted);
    EXPECT_FALSE(mail.IsExpanded());
    EXPECT_EQ(mail.GetComment(), "ask \"Bob\"");
    EXPECT_EQ(web.GetId(), webId);
    EXPECT_EQ(mail.GetId(), mailId);
    EXPECT_TRUE(mail.HasStoredId());
    EXPECT_TRUE(ItemId::IsWellFormed(mailId)) << mailId;
}

TEST(ItemPersistence, SavingWritesOnlyWhatTheListsHold)
{
    ConfigSection root("Root");
    toolbox::ArrayList<Project> projects;
    Project& web = AddProject(projects, "Web");
    AddTodo(web, "Mail");
    AddProject(projects, "Idle");
    SaveProjects(projects, root);
    ConfigSection& saved = root.GetSection("Projects");
    EXPECT_EQ(saved.GetSection("Idle").Sections().Count(), 0);
    EXPECT_EQ(saved.GetSection("Web").GetSection("Todos").Sections().Count(), 1);

    // Loading creates an empty "Todos" for the project without todos; the next save drops it.
    projects.Clear();
    LoadProjects(projects, root);
    ASSERT_EQ(projects.Count(), 2);
    EXPECT_TRUE(projects.Get(0)->GetTodos().IsEmpty());

    projects.Get(1)->SetName("Website");
    projects.Get(1)->GetTodos().DeleteAt(0);
    SaveProjects(projects, root);
    ConfigSection& resaved = root.GetSection("Projects");
    EXPECT_EQ(resaved.Sections().Count(), 2);
    EXPECT_EQ(resaved.Sections().Get("Web"), nullptr);
    ASSERT_NE(resaved.Sections().Get("Website"), nullptr);
    EXPECT_EQ(resaved.GetSection("Website").Sections().Count(), 0);
    EXPECT_EQ(resaved.GetSection("Idle").Sections().Count(), 0);
}

} // namespace
