#include "tests/toolbox/ConfigTestSupport.h"

#include "toolbox/ConfigFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using toolbox::Config;
using toolbox::ConfigFormat;
using toolbox::ConfigSection;

namespace
{

ConfigSection& ProjectA(Config& config)
{
    return config.GetRoot().GetSection("Projects").GetSection("A");
}

// The tree a parse gives when it reads every section in full at once.
std::string ReadInFull(const std::string& text)
{
    std::vector<char> copy(text.begin(), text.end() + 1);
    ConfigSection root("");
    EXPECT_TRUE(ConfigFormat::Parse(root, copy.data(), ConfigFormat::Kept::ReadInFull));
    return WrittenText(root);
}

} // namespace

// A loaded project is folded: it reads as it was, folds again while unchanged, is written as
// the file has it, and once changed stays open until the save that writes it folds it again.
TEST(ConfigFold, AProjectIsKeptAsTextUntilUsedAndAgainAfterASave)
{
    const std::string text = "<Options>\n\t<TimeFormat>1</>\n</Options>\n\n<Projects>\n"
                             "\t<A>\n\t\t<Comment>one\\ttwo</>\n\n\t\t<Todos>\n"
                             "\t\t\t<T 1>\n\t\t\t\t<Time>5</>\n\t\t\t</T 1>\n\t\t</Todos>\n"
                             "\t</A>\n</Projects>\n";
    Config config;
    ASSERT_TRUE(ParseText(config, text));
    EXPECT_TRUE(ProjectA(config).IsFolded());
    EXPECT_EQ(1, config.GetRoot().GetSection("Options").GetInt("TimeFormat", 0));

    EXPECT_STREQ("one\ttwo", ProjectA(config).GetString("Comment", ""));
    EXPECT_FALSE(ProjectA(config).IsFolded());
    ProjectA(config).Fold();
    EXPECT_TRUE(ProjectA(config).IsFolded());
    EXPECT_EQ(5, ProjectA(config).GetSection("Todos").GetSection("T 1").GetInt("Time", 0));
    EXPECT_EQ(text, WrittenText(config.GetRoot()));
    EXPECT_TRUE(ProjectA(config).IsFolded()) << "a save folds what it writes";

    ProjectA(config).GetSection("Todos").GetSection("T 1").SetInt("Time", 9);
    ProjectA(config).Fold();
    EXPECT_FALSE(ProjectA(config).IsFolded()) << "a changed section has no text to fold to";
    const std::string saved = WrittenText(config.GetRoot());
    EXPECT_NE(std::string::npos, saved.find("<Time>9</>"));
    EXPECT_TRUE(ProjectA(config).IsFolded());
    EXPECT_EQ(9, ProjectA(config).GetSection("Todos").GetSection("T 1").GetInt("Time", 0));
    EXPECT_EQ(saved, WrittenText(config.GetRoot()));
}

// Texts where a project's section is more than its own text: each gives the tree that reading
// everything in full gives.
TEST(ConfigFold, SectionsThatAffectOthersReadAsInFull)
{
    const char* const texts[] = {
        // the same project twice: the second adds to the first
        "<P>\n<A>\n<x>1</>\n</A>\n<A>\n<y>2</>\n<x>3</>\n</A>\n</P>\n",
        // a value of its own makes it a parameter, and the section goes
        "<P>\n<A>\n<x>1</>\nv\n</A>\n</P>\n",
        // a value of its own before its tags
        "<P>\n<A>v\n<x>1</>\n</A>\n</P>\n",
        // a value around it, not yet closed, is taken by its first close
        "<P>v<A><B></></></>\n",
        // escaped names, closed by name and by "</>"
        "<P>\n<A\\>b>\n<c\\<d>1</c\\<d>\n<e>\n<f>2</>\n</>\n</A\\>b>\n</P>\n",
    };
    for (const char* text : texts)
    {
        Config config;
        ASSERT_TRUE(ParseText(config, text)) << text;
        EXPECT_EQ(ReadInFull(text), WrittenText(config.GetRoot())) << text;
    }
    // A section's text is checked as it is read: a wrong close inside it fails the load.
    Config config;
    EXPECT_FALSE(ParseText(config, "<P>\n<A>\n<x>\n<y>1</>\n</z>\n</A>\n</P>\n"));
}
