#include "tests/toolbox/StringWriter.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigFormat.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/PointeredList.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace toolbox;

namespace
{

// The writer as it was before sections kept their names in order and their written text:
// every save lists each map's names and sorts them stably, and writes every section afresh.
void WriteAfresh(const ConfigSection& section, std::string& out, int depth)
{
    const auto sorted = [](PointeredList<const char> names)
    {
        names.Sort([](const char& a, const char& b)
                   { return ConfigSection::CompareNames(&a, &b); });
        return names;
    };
    const std::string indent(static_cast<std::size_t>(depth), '\t');
    const PointeredList<const char> parameters = sorted(section.Parameters().Keys());
    const PointeredList<const char> sections = sorted(section.Sections().Keys());
    for (const char* name : parameters)
    {
        const ConfigParameter& parameter = *section.Parameters().Get(name);
        const bool number = parameter.GetKind() == ConfigParameter::Kind::Int;
        out += indent + "<" + name + ">" +
               (number ? std::to_string(parameter.AsInt()) : std::string(parameter.AsString())) +
               "</>\n";
    }
    if (parameters.Count() > 0 && sections.Count() > 0)
        out += "\n";
    for (int i = 0; i < sections.Count(); ++i)
    {
        out += std::string(i > 0 ? "\n" : "") + indent + "<" + sections.Get(i) + ">\n";
        WriteAfresh(*section.Sections().Get(sections.Get(i)), out, depth + 1);
        out += indent + "</" + sections.Get(i) + ">\n";
    }
}

// Plain names (no escapes, which the reference does not make), several of which differ only
// in letter case, so that the map's own order decides between them.
std::string PickName(std::mt19937& random)
{
    static const char* const names[] = {"alpha", "Alpha",  "ALPHA", "beta", "b", "B",
                                        "gamma", "Gamma1", "delta", "x",    "X", "zeta"};
    return names[random() % std::size(names)] + std::to_string(random() % 3);
}

ConfigSection& PickProject(ConfigSection& projects, std::mt19937& random)
{
    return projects.GetSection(PickName(random).c_str());
}

// One random change anywhere in the tree, at any depth, of the kinds the program makes.
void Edit(ConfigSection& root, std::mt19937& random)
{
    ConfigSection& projects = root.GetSection("Projects");
    ConfigSection& project = PickProject(projects, random);
    ConfigSection& todo = project.GetSection("Todos").GetSection(PickName(random).c_str());
    switch (random() % 8)
    {
    case 0:
        todo.GetParameter("Time").SetInt(static_cast<int32_t>(random() % 100000) - 500);
        break;
    case 1:
        project.GetParameter("TotalTime").SetInt(static_cast<int32_t>(random() % 100000));
        break;
    case 2:
        todo.GetParameter(PickName(random).c_str()).SetString("note");
        break;
    case 3:
        project.GetSection("Todos").RemoveSection(PickName(random).c_str());
        break;
    case 4:
        projects.RemoveSection(PickName(random).c_str());
        break;
    case 5:
        todo.RemoveParameter("Time");
        break;
    case 6:
        root.GetSection("Options").GetParameter(PickName(random).c_str()).SetBool(random() % 2);
        break;
    default:
        // Read only: a getter that finds the parameter changes nothing.
        todo.GetInt("Priority", 2);
        break;
    }
}

} // namespace

// Whatever the edits, a save that reuses the kept text of unchanged projects writes the very
// bytes a save that writes everything afresh writes, also where names differ only in case.
TEST(ConfigKeptText, SavesAfterRandomEditsEqualAFreshWrite)
{
    std::mt19937 random(17);
    for (int round = 0; round < 20; ++round)
    {
        Config config;
        ConfigSection& root = config.GetRoot();
        for (int edit = 0; edit < 300; ++edit)
        {
            Edit(root, random);
            if (random() % 4 != 0)
                continue;
            StringWriter writer;
            ASSERT_TRUE(ConfigFormat::Write(root, writer));
            std::string expected;
            WriteAfresh(root, expected, 0);
            ASSERT_EQ(expected, writer.written) << "round " << round << ", edit " << edit;
        }
    }
}

// The kept text is written again only for the same indentation and line ends, and it spans the
// writer's blocks whole.
TEST(ConfigKeptText, KeptTextServesOnlyTheSameLayout)
{
    Config config;
    ConfigSection& root = config.GetRoot();
    ConfigSection& project = root.GetSection("Projects").GetSection("Large");
    project.GetParameter("Comment").SetString(std::string(150000, 'c').c_str());
    project.GetSection("Todos").GetSection("t").GetParameter("Time").SetInt(5);

    StringWriter lf;
    ASSERT_TRUE(ConfigFormat::Write(root, lf));
    StringWriter kept;
    ASSERT_TRUE(ConfigFormat::Write(root, kept));
    EXPECT_EQ(lf.written, kept.written) << "the kept text, copied across the writer's blocks";
    StringWriter crlf("\r\n");
    ASSERT_TRUE(ConfigFormat::Write(root, crlf));
    std::string expected;
    for (char c : lf.written)
        expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(expected, crlf.written);

    // Written from the projects down, the project sits one level higher than before.
    StringWriter inner;
    ASSERT_TRUE(ConfigFormat::Write(root.GetSection("Projects"), inner));
    std::string shallower;
    WriteAfresh(root.GetSection("Projects"), shallower, 0);
    EXPECT_EQ(shallower, inner.written);
    StringWriter again;
    ASSERT_TRUE(ConfigFormat::Write(root, again));
    EXPECT_EQ(lf.written, again.written);
}
