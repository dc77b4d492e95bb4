#include "app/ProgramArguments.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

// Each case: the arguments, the exit code (-1: the program goes on) and where the usage went.
TEST(ProgramArguments, HelpEndsWithTheUsageAndUnknownArgumentsFail)
{
    const struct
    {
        std::vector<const char*> arguments;
        int exitCode;
        const char* usage; // "out", "errors" or ""
    } cases[] = {
        {{"tallydene", "/log", "-h", "--pause"}, -1, ""}, // a level word is never an option
        {{"tallydene", "--export-csv", "a.csv", "--bogus"}, -1, ""}, // the export's to refuse
        {{"tallydene", "--export-csv", "a.csv", "--help"}, 0, "out"},
        {{"tallydene", "--pause", "notes.txt"}, 2, "errors"},
    };
    for (const auto& each : cases)
    {
        std::ostringstream out, errors;
        const int exitCode =
            ProgramArguments::AnswerBeforeStart(static_cast<int>(each.arguments.size()),
                                                each.arguments.data(), out, errors)
                .value_or(-1);
        EXPECT_EQ(each.exitCode, exitCode) << each.arguments[1];
        EXPECT_EQ(std::string(each.usage) == "out", out.str().starts_with("Usage:"));
        EXPECT_EQ(std::string(each.usage) == "errors",
                  errors.str().find("Usage:") != std::string::npos);
    }
}
