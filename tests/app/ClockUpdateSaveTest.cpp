#include "res/CommandIds.h"
#include "tests/app/ViewScenario.h"

using namespace res;

namespace
{

class ClockUpdateSave : public ViewScenario
{
protected:
    // A minute on, the clock update's file; and beside it the file a full save of the same
    // state writes.
    std::pair<std::string, std::string> TickedAndFull()
    {
        clock.Advance(kMinute);
        app->UpdateTime();
        const std::string ticked = SavedConfig();
        app->SaveSettings();
        EXPECT_TRUE(app->Save());
        return {ticked, SavedConfig()};
    }
};

} // namespace

// The update writes what it booked, and whatever else was left unsaved: the file is always the
// one a full save of the same state writes.
TEST_F(ClockUpdateSave, WritesTheSameFileAsAFullSave)
{
    StartWith({{"Office", 900, {{"Mail", 600}, {"Report", 300}}}, {"Home", 0, {{"Garden", 0}}}});
    Select(T("Office", "Mail"));
    Run(ID_ITEM_ACTIVATE);
    for (int tick = 0; tick < 3; ++tick)
    {
        const auto [ticked, full] = TickedAndFull();
        EXPECT_EQ(full, ticked) << "tick " << tick;
    }
    EXPECT_EQ(600 + 3 * kMinute, T("Office", "Mail").GetTime());
    EXPECT_NE(SavedConfig().find("<Time>780</>"), std::string::npos);

    // A command that saved nothing: its change goes with the next update.
    Select(T("Office", "Report"));
    Run(ID_TODO_COMPLETED);
    {
        const auto [ticked, full] = TickedAndFull();
        EXPECT_EQ(full, ticked) << "after a command that did not save";
    }
    // A change marked unsaved outside any command, as folding a project away.
    P("Home").SetExpanded(false);
    app->MarkChanged();
    {
        const auto [ticked, full] = TickedAndFull();
        EXPECT_EQ(full, ticked) << "after a change marked unsaved";
    }
    Run(ID_TODO_PAUSE);
    {
        const auto [ticked, full] = TickedAndFull();
        EXPECT_EQ(full, ticked) << "paused";
    }
}
