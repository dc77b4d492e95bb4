#include "tests/toolbox/ConfigTestSupport.h"

#include "tests/support/TempFolder.h"
#include "toolbox/ConfigParameter.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

using toolbox::Config;
using toolbox::ConfigParameter;
using toolbox::ConfigSection;
using Kind = toolbox::ConfigParameter::Kind;

TEST(ConfigStore, MissingValuesAreCreatedWithTheDefaultAndItsKind)
{
    Config config;
    ConfigSection& options = config.GetRoot().GetSection("Options");
    EXPECT_TRUE(options.GetBool("AutoSaveEnabled", true));
    EXPECT_EQ(-3, options.GetInt("Offset", -3));
    char def[] = "first";
    EXPECT_STREQ("first", options.GetString("Name", def));
    def[0] = 'X'; // the store keeps its own copy
    EXPECT_STREQ("first", options.GetString("Name", "other"));

    EXPECT_EQ(Kind::Bool, options.Parameters().Get("AutoSaveEnabled")->GetKind());
    EXPECT_EQ(Kind::Int, options.Parameters().Get("Offset")->GetKind());
    EXPECT_EQ(Kind::Text, options.Parameters().Get("Name")->GetKind());
    EXPECT_EQ("<AutoSaveEnabled>1</>\n<Name>first</>\n<Offset>-3</>\n", WrittenText(options));

    // An existing value wins over a later default, and is converted, not replaced.
    EXPECT_EQ(1, options.GetInt("AutoSaveEnabled", 7));
    EXPECT_FALSE(options.GetBool("Name", true));
    EXPECT_EQ(Kind::Bool, options.Parameters().Get("AutoSaveEnabled")->GetKind());
}

TEST(ConfigStore, TextReadsAsItsLeadingNumber)
{
    struct Case
    {
        const char* text;
        int32_t number;
    };
    const std::vector<Case> cases = {
        {"1", 1},
        {"2", 2},
        {"-1", -1},
        {"0", 0},
        {"", 0},
        {"yes", 0},
        {"true", 0},
        {"12abc", 12},
        {"  \t-7 days", -7},
        {"+5", 5},
        {"99999999999", INT32_MAX},
        {"-99999999999", INT32_MIN},
        {"2147483648", INT32_MAX},
        {"-2147483648", INT32_MIN},
    };
    for (const Case& c : cases)
    {
        ConfigParameter parameter(c.text);
        EXPECT_EQ(c.number, parameter.AsInt()) << c.text;
        EXPECT_EQ(c.number != 0, parameter.AsBool()) << c.text;
        EXPECT_STREQ(c.text, parameter.AsString());
    }
}

TEST(ConfigStore, ConversionsBetweenKinds)
{
    ConfigParameter parameter;
    EXPECT_FALSE(parameter.AsBool());
    EXPECT_EQ(0, parameter.AsInt());
    EXPECT_STREQ("", parameter.AsString());

    parameter.SetInt(5);
    EXPECT_STREQ("", parameter.AsString()); // an integer has no text form
    EXPECT_TRUE(parameter.AsBool());
    parameter.SetBool(true);
    EXPECT_STREQ("1", parameter.AsString());
    EXPECT_EQ(1, parameter.AsInt());
    parameter.SetString("abc");
    parameter.SetBool(false);
    EXPECT_STREQ("0", parameter.AsString());
    parameter.SetString("-12");
    EXPECT_EQ(-12, parameter.AsInt());
    EXPECT_EQ(Kind::Text, parameter.GetKind());
}

TEST(ConfigStore, ParameterCreatedButNeverSetIgnoresLaterDefaults)
{
    Config config;
    ConfigSection& root = config.GetRoot();
    root.GetParameter("Unset");
    EXPECT_EQ(0, root.GetInt("Unset", 42));
    EXPECT_FALSE(root.GetBool("Unset", true));
    EXPECT_STREQ("", root.GetString("Unset", "default"));
    EXPECT_EQ("<Unset>\\0</>\n", WrittenText(root));

    root.GetParameter("Five").SetInt(5);
    EXPECT_STREQ("", root.GetString("Five", "x"));
    EXPECT_EQ("<Five>5</>\n<Unset>\\0</>\n", WrittenText(root));
}

TEST(ConfigStore, NamesAreExactAndParametersAndSectionsLiveApart)
{
    Config config;
    ConfigSection& root = config.GetRoot();
    ConfigSection& upper = root.GetSection("Options");
    ConfigSection& lower = root.GetSection("options");
    EXPECT_NE(&upper, &lower);
    EXPECT_EQ(&upper, &root.GetSection("Options"));
    upper.GetParameter("x").SetInt(1);
    EXPECT_FALSE(lower.HasParameter("x"));

    root.GetParameter("Options").SetString("value");
    EXPECT_EQ(2, root.Sections().Count());
    EXPECT_EQ(1, root.Parameters().Count());
    EXPECT_EQ(&upper, &root.GetSection("Options"));
    EXPECT_FALSE(root.HasParameter("options"));
}

TEST(ConfigStore, RemovingAndClearing)
{
    Config config;
    ConfigSection& root = config.GetRoot();
    root.GetSection("Projects").GetSection("A").GetParameter("Time").SetInt(1);
    root.GetParameter("Keep").SetBool(true);
    root.RemoveSection("Absent");
    root.RemoveParameter("Absent");
    EXPECT_EQ(1, root.Sections().Count());
    EXPECT_EQ(1, root.Parameters().Count());

    root.GetSection("Projects").RemoveSection("A");
    EXPECT_EQ(0, root.GetSection("Projects").Sections().Count());
    root.GetSection("Projects").GetSection("B");
    root.GetSection("Projects").RemoveAllSections();
    root.RemoveAllParameters();
    EXPECT_EQ(0, root.Parameters().Count());

    config.Clear();
    EXPECT_EQ(&root, &config.GetRoot());
    EXPECT_STREQ("Root", config.GetRoot().GetName());
    EXPECT_EQ(0, root.Sections().Count());
    EXPECT_EQ("", WrittenText(root));
}

// A section's name is its entry's key in the parent: it must stay put while the parent grows
// past its minimum table, rebuilds and shrinks again; a section outside any map keeps a copy.
TEST(ConfigStore, SectionNamesStayThroughGrowthAndShrinking)
{
    ConfigSection& projects = *[]
    {
        std::string name = "Projects";
        auto* section = new ConfigSection(name.c_str());
        name = "changed";
        return section;
    }();
    std::unique_ptr<ConfigSection> owner(&projects);
    std::vector<ConfigSection*> made;
    for (int i = 0; i < 40; ++i)
    {
        const std::string name = "Project " + std::to_string(i);
        made.push_back(&projects.GetSection(name.c_str()));
        made.back()->GetParameter(name.c_str()).SetInt(i);
    }
    for (int i = 5; i < 40; ++i)
        projects.RemoveSection(("Project " + std::to_string(i)).c_str());
    projects.GetSection("Last");
    EXPECT_STREQ("Projects", projects.GetName());
    for (int i = 0; i < 5; ++i)
    {
        const std::string name = "Project " + std::to_string(i);
        EXPECT_EQ(made[static_cast<std::size_t>(i)], &projects.GetSection(name.c_str()));
        EXPECT_STREQ(name.c_str(), made[static_cast<std::size_t>(i)]->GetName());
        EXPECT_EQ(i, made[static_cast<std::size_t>(i)]->GetInt(name.c_str(), -1));
    }
    const std::string written = WrittenText(projects);
    EXPECT_TRUE(written.starts_with("<Last>\n</Last>\n\n<Project 0>\n\t<Project 0>0</>\n"))
        << written;
    EXPECT_TRUE(written.ends_with("<Project 4>\n\t<Project 4>4</>\n</Project 4>\n")) << written;
}

// Asking for names a section has takes no memory: the list of names grows for new ones only.
TEST(ConfigStore, AskingForPresentNamesKeepsTheNamesListsAsTheyAre)
{
    ConfigSection todo("Todo");
    for (const char* name : {"Comment", "Expanded", "Priority", "Time"})
        todo.GetParameter(name).SetInt(1);
    todo.GetSection("Notes");
    const std::size_t parameterRoom = todo.ParameterNames().capacity();
    const std::size_t sectionRoom = todo.SectionNames().capacity();
    ASSERT_EQ(todo.ParameterNames().size(), parameterRoom) << "the test needs a full list";
    for (const char* name : {"Comment", "Expanded", "Priority", "Time"})
    {
        todo.GetParameter(name).SetInt(2);
        todo.GetInt(name, 0);
    }
    for (int i = 0; i < 4; ++i)
        todo.GetSection("Notes");
    EXPECT_EQ(parameterRoom, todo.ParameterNames().capacity());
    EXPECT_EQ(sectionRoom, todo.SectionNames().capacity());
    todo.GetParameter("Fifth");
    EXPECT_EQ(5u, todo.ParameterNames().size());
}

namespace
{

class Recorder : public toolbox::Configurable
{
public:
    explicit Recorder(int& destroyed) : destroyed(destroyed) {}
    ~Recorder() override { ++destroyed; }
    void Configure(ConfigSection& section, bool saving) override
    {
        calls.push_back(saving);
        if (saving)
            section.GetParameter("Saved").SetInt(static_cast<int32_t>(calls.size()));
        else
            loadedValue = section.GetInt("Saved", -1);
    }
    std::vector<bool> calls;
    int32_t loadedValue = 0;
    int& destroyed;
};

} // namespace

TEST(ConfigStore, ConfigurablesAreToldAboutLoadsAndSavesButNotOwned)
{
    TempFolder folder;
    const std::string file = (folder.Path() / "t.cfg").string();
    int destroyed = 0;
    Recorder recorder(destroyed);
    {
        Config config;
        config.Configurables().Put("Mine", &recorder);
        ASSERT_TRUE(config.SaveFile(file.c_str()));
        EXPECT_EQ(std::vector<bool>{true}, recorder.calls);
        EXPECT_EQ("<Mine>\r\n\t<Saved>1</>\r\n</Mine>\r\n", ReadFileBytes(file));

        EXPECT_FALSE(ParseText(config, "<Mine>")); // malformed: nobody is told
        EXPECT_EQ(1u, recorder.calls.size());
        ASSERT_TRUE(config.LoadFile(file.c_str()));
        EXPECT_EQ((std::vector<bool>{true, false}), recorder.calls);
        EXPECT_EQ(1, recorder.loadedValue);

        ASSERT_TRUE(ParseText(config, "")); // a missing section is created for it
        EXPECT_EQ(-1, recorder.loadedValue);
        config.Clear();
        EXPECT_EQ(&recorder, config.Configurables().Get("Mine"));
    }
    EXPECT_EQ(0, destroyed);
}
