#include "app/ProgramArguments.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace
{

struct Answer
{
    std::optional<int> exitCode;
    std::string out;
    std::string errors;
};

Answer AnswerTo(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "tallydene");
    std::ostringstream out;
    std::ostringstream errors;
    const std::optional<int> exitCode = ProgramArguments::AnswerBeforeStart(
        static_cast<int>(arguments.size()), arguments.data(), out, errors);
    return {exitCode, out.str(), errors.str()};
}

} // namespace

TEST(ProgramArguments, HelpEndsWithTheUsageAndUnknownArgumentsFail)
{
    const struct
    {
        std::vector<const char*> arguments;
        std::optional<int> exitCode;
        bool usageOut;
        bool usageErrors;
    } cases[] = {
        {{}, std::nullopt, false, false},
        {{"/log", "info", "--pause"}, std::nullopt, false, false},
        {{"/log"}, std::nullopt, false, false},
        // A level word that looks like an option is still the level word.
        {{"/log", "-h"}, std::nullopt, false, false},
        {{"--export-csv", "a.csv", "--bogus"}, std::nullopt, false, false},
        {{"--help"}, 0, true, false},
        {{"-h"}, 0, true, false},
        {{"--pause", "--help"}, 0, true, false},
        {{"--export-csv", "a.csv", "-h"}, 0, true, false},
        {{"--bogus"}, 2, false, true},
        {{"--pause", "notes.txt"}, 2, false, true},
        {{"-log", "info"}, 2, false, true},
    };
    for (const auto& each : cases)
    {
        const Answer answer = AnswerTo(each.arguments);
        SCOPED_TRACE(testing::PrintToString(each.arguments.size()) + " arguments, first " +
                     (each.arguments.empty() ? "none" : each.arguments.front()));
        EXPECT_EQ(each.exitCode, answer.exitCode);
        EXPECT_EQ(each.usageOut, answer.out.starts_with("Usage: tallydene"));
        EXPECT_EQ(each.usageErrors, answer.errors.find("Usage: tallydene") != std::string::npos);
    }
    EXPECT_NE(std::string::npos, AnswerTo({"--bogus"}).errors.find("\"--bogus\""));
}
