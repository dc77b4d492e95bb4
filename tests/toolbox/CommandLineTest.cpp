#include "toolbox/CommandLine.h"

#include "tests/support/TestPlaces.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using toolbox::ArrayList;
using toolbox::CommandLine;
using toolbox::String;

namespace
{

std::vector<std::string> Texts(const ArrayList<String>* list)
{
    std::vector<std::string> texts;
    if (list == nullptr)
    {
        texts.emplace_back("(no option)");
        return texts;
    }
    for (const String* text : *list)
        texts.emplace_back(text->c_str());
    return texts;
}

void Parse(CommandLine& commandLine, std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "Tallydene");
    commandLine.Parse(static_cast<int>(arguments.size()), arguments.data());
}

using Strings = std::vector<std::string>;

} // namespace

TEST(CommandLine, DeclaredOptionTakesItsParametersWhateverTheyLookLike)
{
    CommandLine commandLine;
    commandLine.AddOption("/log", 1);
    commandLine.AddOption("-pair", 2);
    Parse(commandLine, {"first", "/log", "-debug", "-pair", "/x", "y", "last"});
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("/log")), Strings{"-debug"});
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("-pair")), (Strings{"/x", "y"}));
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("-debug")), Strings{"(no option)"});
    EXPECT_EQ(Texts(&commandLine.GetPlainArguments()), (Strings{"first", "last"}));
    EXPECT_STREQ(commandLine.GetProgram().c_str(), "Tallydene");
}

TEST(CommandLine, TooFewParametersStopParsing)
{
    CommandLine commandLine;
    commandLine.AddOption("/log", 1);
    commandLine.AddOption("/two", 2);
    Parse(commandLine, {"/log", "info", "/two", "a"});
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("/log")), Strings{"info"});
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("/two")), Strings{});
    EXPECT_TRUE(commandLine.GetPlainArguments().IsEmpty());

    CommandLine last;
    last.AddOption("/log", 1);
    Parse(last, {"plain", "/log"});
    EXPECT_EQ(Texts(last.GetOptionArgs("/log")), Strings{});
    EXPECT_EQ(Texts(&last.GetPlainArguments()), Strings{"plain"});
}

TEST(CommandLine, UndeclaredOptionsAreRecordedWithoutParameters)
{
    CommandLine commandLine;
    commandLine.AddOption("/log", 1);
    Parse(commandLine, {"-log", "debug", "/LOG", "warn", "-", "x"});
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("/log")), Strings{});
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("-log")), Strings{});
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("/LOG")), Strings{});
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("-")), Strings{});
    EXPECT_EQ(Texts(&commandLine.GetPlainArguments()), (Strings{"debug", "warn", "x"}));
}

TEST(CommandLine, RepeatedOptionsAndParsesAndDeclarations)
{
    CommandLine commandLine;
    commandLine.AddOption("/log", 1);
    Parse(commandLine, {"/log", "info", "a", "/log", "warn"});
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("/log")), Strings{"warn"});
    Parse(commandLine, {"b"});
    EXPECT_EQ(Texts(&commandLine.GetPlainArguments()), (Strings{"a", "b"}));
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("/log")), Strings{"warn"});

    // A second declaration replaces the first, with its parameters.
    commandLine.AddOption("/log", 0);
    Parse(commandLine, {"/log", "c"});
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("/log")), Strings{});
    EXPECT_EQ(Texts(&commandLine.GetPlainArguments()), (Strings{"a", "b", "c"}));

    // A negative count is no count at all, rather than a parser that never ends.
    commandLine.AddOption("/back", -1);
    Parse(commandLine, {"/back", "d"});
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("/back")), Strings{});
    EXPECT_EQ(Texts(&commandLine.GetPlainArguments()), (Strings{"a", "b", "c", "d"}));
}

TEST(CommandLine, ProgramAloneOrNothingAtAll)
{
    CommandLine commandLine;
    commandLine.AddOption("/log", 1);
    Parse(commandLine, {});
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("/log")), Strings{});
    EXPECT_TRUE(commandLine.GetPlainArguments().IsEmpty());

    CommandLine empty;
    empty.Parse(0, nullptr);
    EXPECT_STREQ(empty.GetProgram().c_str(), "");
}

TEST(CommandLine, GlobalParseReadsTheProcessArguments)
{
    TestPlaces places;
    places.SetArguments({"/log", "debug", "file.txt"});
    CommandLine commandLine;
    commandLine.AddOption("/log", 1);
    commandLine.ParseGlobal();
    EXPECT_EQ(Texts(commandLine.GetOptionArgs("/log")), Strings{"debug"});
    EXPECT_EQ(Texts(&commandLine.GetPlainArguments()), Strings{"file.txt"});
    EXPECT_EQ(std::string(commandLine.GetProgram().c_str()), places.ProgramPath().string());
}
