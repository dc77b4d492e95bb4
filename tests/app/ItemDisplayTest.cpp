#include "app/Durations.h"
#include "model/Project.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{

// Items shown through the real duration formats, as the application shows them.
class DurationsContext : public ItemContext
{
public:
    std::string FormatDuration(int32_t seconds, int width) const override
    {
        return durations.FormatDuration(seconds, width, false);
    }
    bool ShowsTime(int32_t seconds) const override { return durations.ShowsTime(seconds); }
    const Todo* GetActiveTodo() const override { return nullptr; }
    TreeControl* GetMainTree() const override { return nullptr; }

    Durations durations;
};

Todo& AddTodo(Project& project, const std::string& name, int32_t time)
{
    project.GetTodos().Append(std::make_unique<Todo>(&project));
    project.GetTodos().Last()->SetName(name);
    project.GetTodos().Last()->SetTime(time);
    return *project.GetTodos().Last();
}

TEST(ItemDisplay, LabelsInHoursAndMinutes)
{
    DurationsContext context;
    context.durations.SetTimeFormat(3);
    Project project;
    project.SetName("Web");
    Todo& mail = AddTodo(project, "Mail", 3900);
    AddTodo(project, "Site", 1500);
    project.SetTotalTime(43500);
    EXPECT_EQ(project.GetLabel(context), "  1:30  [12:05]  Web");
    EXPECT_EQ(mail.GetLabel(context), "    1:05    Mail");
    mail.SetTime(123 * 3600);
    EXPECT_EQ(mail.GetLabel(context), "123:00    Mail");
}

TEST(ItemDisplay, VisibleTimeFollowsTheTimeFormat)
{
    DurationsContext context;
    Project project;
    Todo& todo = AddTodo(project, "t", 0);
    const struct
    {
        int32_t format;
        int32_t hidden;
        int32_t shown;
    } cases[] = {{0, 0, 1}, {1, 179, 180}, {2, 17, 18}, {3, 29, 30}};
    for (const auto& c : cases)
    {
        context.durations.SetTimeFormat(c.format);
        todo.SetTime(c.hidden);
        EXPECT_FALSE(todo.HasVisibleTime(context)) << c.format;
        EXPECT_EQ(project.GetImage(context), 15) << c.format;
        todo.SetTime(c.shown);
        EXPECT_TRUE(todo.HasVisibleTime(context)) << c.format;
        EXPECT_EQ(project.GetImage(context), 7) << c.format;
    }
}

} // namespace
