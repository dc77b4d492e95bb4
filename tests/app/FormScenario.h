#pragma once

#include "app/forms/FormResult.h"
#include "tests/app/AppScenario.h"
#include "tests/app/ScriptedPrompts.h"

// The program started on two projects, with the clock standing at the last update so that
// nothing is booked or charged unless a test lets time pass:
//   Garden, total 3:00: Mow 1:00, Weed 0:30
//   Office, total 2:00: Mail 2:00
// The overtime balance is 1:00, overtime is on and times show in format 1.
class FormScenario : public AppScenario
{
protected:
    static constexpr int32_t kHour = 3600;

    std::unique_ptr<Tallydene> StartWith(ExpectedSettings settings)
    {
        clock.Set(2026, 3, 2, 9, 0, 0);
        settings.lastTimeUpdated = ClockAt(2026, 3, 2, 9, 0, 0);
        WriteConfig(settings);
        return Start();
    }

    static ExpectedSettings Usual()
    {
        ExpectedSettings settings;
        settings.actual = kHour;
        settings.projects = {
            {"Garden", 3 * kHour, {{"Mow", kHour}, {"Weed", kHour / 2}}},
            {"Office", 2 * kHour, {{"Mail", 2 * kHour}}},
        };
        return settings;
    }

    std::unique_ptr<Tallydene> StartUsual() { return StartWith(Usual()); }

    // An answer left over is a question that was expected and never asked.
    void TearDown() override { EXPECT_TRUE(prompts.answers.empty()) << "answers left unused"; }

    static void ExpectRefused(FormField field, const FormResult& result)
    {
        EXPECT_FALSE(result.accepted);
        EXPECT_EQ(field, result.focus);
    }

    ScriptedPrompts prompts;
};
