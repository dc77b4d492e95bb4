#include "tests/app/ViewScenario.h"

#include "app/commands/AppCommands.h"
#include "app/forms/TodoForm.h"
#include "app/journal/SessionHistory.h"
#include "model/ItemId.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "tests/support/ScopedVariable.h"
#include "toolbox/Logger.h"
#include "toolbox/Places.h"

#include <algorithm>
#include <map>

using namespace res;

namespace
{

// The id of every item by its place, "project" or "project/todo".
std::map<std::string, std::string> IdsByPlace(Tallydene& app)
{
    std::map<std::string, std::string> ids;
    for (const Project* project : app.GetProjects())
    {
        ids[project->GetName()] = project->GetId();
        for (const Todo* todo : project->GetTodos())
            ids[project->GetName() + "/" + todo->GetName()] = todo->GetId();
    }
    return ids;
}

} // namespace

class ItemIds : public ViewScenario
{
protected:
    void Restart()
    {
        commands.reset();
        app.reset();
        app = Start(false);
        view.app = app.get();
        app->SetMainWindow(&view);
        view.RebuildTree();
        commands = std::make_unique<ViewCommands>(*app, prompts, dialogs);
    }
};

// A file from before ids gets them at the start and saves them; a new item gets its own; a
// rename, a move, undo, redo and the next start keep every id.
TEST_F(ItemIds, AreGivenOnceAndFollowTheirItems)
{
    StartWith({{"Office", 900, {{"Mail", 600}, {"Report", 300}}}, {"Home", 0, {}}});
    app->UpdateTime();
    const std::map<std::string, std::string> loaded = IdsByPlace(*app);
    EXPECT_EQ(Config({{"Office", 900, {{"Mail", 600}, {"Report", 300}}}, {"Home", 0, {}}}, At(10)),
              SavedConfig());

    Select(P("Office"));
    dialogs.todo.push_back([](TodoForm& form) { form.name = "Call"; });
    Run(ID_TODO_NEW);
    const std::string call = T("Office", "Call").GetId();
    EXPECT_TRUE(ItemId::IsWellFormed(call)) << call;
    Select(T("Office", "Mail"));
    dialogs.todo.push_back([](TodoForm& form) { form.name = "Post"; });
    Run(ID_TODO_PROPERTIES);
    commands->DropOnItem(T("Office", "Post"), &P("Home"));
    std::map<std::string, std::string> expected = loaded;
    expected["Office/Call"] = call;
    expected["Home/Post"] = expected["Office/Mail"];
    expected.erase("Office/Mail");
    EXPECT_EQ(expected, IdsByPlace(*app));

    // Undo makes the items again from its copies, the deleted new one included.
    AppCommands appCommands(*app, prompts, dialogs);
    for (int step = 0; step < 3; ++step)
        appCommands.Execute(ID_EDIT_UNDO);
    EXPECT_EQ(loaded, IdsByPlace(*app));
    for (int step = 0; step < 3; ++step)
        appCommands.Execute(ID_EDIT_REDO);
    EXPECT_EQ(expected, IdsByPlace(*app));

    Restart();
    EXPECT_EQ(expected, IdsByPlace(*app));
}

// A section copied by hand brings its id along: the item loaded later gets a new one, with a
// warning in the diagnostic log, and the file is saved with both.
TEST_F(ItemIds, ARepeatedIdInTheFileIsReplacedForTheLaterItem)
{
    const ScopedVariable documents("XDG_DOCUMENTS_DIR", temp.Path().string().c_str());
    toolbox::Places::SetArguments(
        std::vector<toolbox::String>{toolbox::String((ProgramFolder() / "Tallydene").string().c_str()),
                                     toolbox::String("/log"), toolbox::String("warn")});
    std::unique_ptr<toolbox::Logger> logger = std::make_unique<toolbox::Logger>();
    toolbox::Places::SetArguments(std::nullopt);
    const std::string copied(32, 'a');
    ExpectedTodo mail("Mail", 600);
    mail.id = copied;
    ExpectedTodo post("Post", 300);
    post.id = copied;
    ExpectedProject office("Office", 900, {mail, post});
    office.id = copied;
    StartWith({office});
    app->UpdateTime();

    const std::map<std::string, std::string> ids = IdsByPlace(*app);
    const Project& first = *app->GetProjects().Get(0);
    EXPECT_EQ(copied, first.GetId()) << "the first loaded keeps it";
    EXPECT_NE(ids.at("Office/Mail"), ids.at("Office/Post"));
    EXPECT_NE(copied, ids.at("Office/Mail"));
    EXPECT_EQ(Config({{"Office", 900, {{"Mail", 600}, {"Post", 300}}}}, At(10)), SavedConfig());
    const std::string log = ReadFileBytes(logger->GetPath().c_str());
    logger.reset();
    EXPECT_NE(std::string::npos, log.find("Id " + copied + " of \"Mail\" was taken"));
    EXPECT_NE(std::string::npos, log.find("Id " + copied + " of \"Post\" was taken"));
}

// A new todo keeps its default name or gets another: no rename is journalled for it, and the
// history keeps each todo's sessions apart, also two todos that had the same name at
// different times.
TEST_F(ItemIds, ANewTodoIsNoRenameAndTheHistoryFollowsIdsNotNames)
{
    StartWith({{"Office", 0, {}}});
    const auto newTodo = [this](const char* name)
    {
        Select(P("Office"));
        dialogs.todo.push_back([name](TodoForm& form)
                               { form.name = name != nullptr ? name : form.name; });
        Run(ID_TODO_NEW);
    };
    const auto work = [this](const char* todo, int minutes)
    {
        Select(T("Office", todo));
        Run(ID_TODO_ACTIVATE);
        clock.Advance(minutes * 60);
        Run(ID_TODO_PAUSE);
    };
    newTodo(nullptr); // the default name, "Todo"
    work("Todo", 10);
    newTodo("Other");
    prompts.answers = {true};
    Select(T("Office", "Todo"));
    Run(ID_TODO_DELETE);
    newTodo(nullptr);
    work("Todo", 20);
    Select(T("Office", "Todo"));
    dialogs.todo.push_back([](TodoForm& form) { form.name = "Second"; });
    Run(ID_TODO_PROPERTIES);

    std::vector<std::string> kinds;
    for (const JournalEntry& entry : app->GetJournal().GetFile().ReadAll())
        kinds.push_back(entry.kind);
    EXPECT_EQ(1, std::ranges::count(kinds, std::string(JournalKind::rename)));
    EXPECT_EQ(3, std::ranges::count(kinds, std::string(JournalKind::newTodo)));
    const std::vector<Session> sessions = SessionsOf(app->GetJournal().GetFile().ReadAll());
    ASSERT_EQ(2u, sessions.size());
    EXPECT_EQ(600, sessions[0].booked);
    EXPECT_EQ(1200, sessions[1].booked);
    EXPECT_EQ("Todo", sessions[0].todo);
    EXPECT_EQ("Second", sessions[1].todo);
}
