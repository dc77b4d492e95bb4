#include "tests/app/ViewScenario.h"

#include "app/forms/AddTimeForm.h"
#include "app/forms/TodoForm.h"
#include "model/Todo.h"
#include "res/CommandIds.h"

using namespace res;
using Lines = std::vector<std::string>;

class JournalFirst : public ViewScenario
{
protected:
    // The run ends without its last save, as a kill or a power cut ends it.
    void KillAndStart()
    {
        app->SkipShutdownSteps();
        app->Abandon();
        commands.reset();
        app.reset();
        app = Start(false);
        view.app = app.get();
        app->SetMainWindow(&view);
        view.RebuildTree();
        commands = std::make_unique<ViewCommands>(*app, prompts, dialogs);
    }

    std::string IncludedEntry() const
    {
        const std::string file = ReadFileBytes(ConfigFile());
        const size_t at = file.find("<JournalEntry>");
        return at == std::string::npos ? "" : file.substr(at + 14, file.find("</>", at) - at - 14);
    }
};

// The journal is written first and the data file records the last entry it includes: a run
// that ends after the journal took a command's entries and before the file did shows them at
// the next start, once.
TEST_F(JournalFirst, AStartAppliesWhatTheJournalTookAfterTheLastSave)
{
    StartWith({{"Office", 900, {{"Mail", 600}, {"Report", 300}}}});
    app->UpdateTime();
    const std::string included = IncludedEntry();
    EXPECT_EQ(std::to_string(app->GetJournal().LastSequence()), included);
    app->GetOptions().SetAutoSaveEnabled(false);
    Select(T("Office", "Mail"));
    dialogs.addTime.push_back([](AddTimeForm& form) { form.amount = "1"; });
    Run(ID_TODO_ADD_TIME);
    Select(T("Office", "Report"));
    dialogs.todo.push_back([](TodoForm& form) { form.name = "Summary"; });
    Run(ID_TODO_PROPERTIES);
    Select(P("Office"));
    dialogs.todo.push_back([](TodoForm& form) { form.name = "Call"; });
    Run(ID_TODO_NEW);
    EXPECT_EQ(included, IncludedEntry()) << "nothing saved since";

    for (int start = 0; start < 2; ++start)
    {
        SCOPED_TRACE(start == 0 ? "after the kill" : "after a save and another kill");
        KillAndStart();
        EXPECT_EQ(600 + kHour, T("Office", "Mail").GetTime());
        EXPECT_EQ(900 + kHour, P("Office").GetTotalTime());
        EXPECT_EQ((Lines{"Call", "Mail", "Summary"}), TreeTodos(P("Office")));
        app->UpdateTime();
        EXPECT_EQ(std::to_string(app->GetJournal().LastSequence()), IncludedEntry());
    }
}
