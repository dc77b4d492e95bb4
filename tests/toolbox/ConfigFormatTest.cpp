#include "tests/toolbox/ConfigTestSupport.h"

#include "tests/support/TempFolder.h"
#include "toolbox/ConfigParameter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

using toolbox::Config;
using toolbox::ConfigParameter;
using toolbox::ConfigSection;

namespace
{

class ConfigFile : public testing::Test
{
protected:
    std::string Name(const char* name) const { return (folder.Path() / name).string(); }
    TempFolder folder;
};

// Every value of the section and below, as text, with its place: "Projects/A/Time=5".
void Flatten(const ConfigSection& section, const std::string& where, std::vector<std::string>& out)
{
    for (const char* name : section.Parameters().Keys())
        out.push_back(where + name + "=" + section.Parameters().Get(name)->AsString());
    for (const char* name : section.Sections().Keys())
        Flatten(*section.Sections().Get(name), where + name + "/", out);
}

std::vector<std::string> Parsed(const std::string& text)
{
    Config config;
    EXPECT_TRUE(ParseText(config, text)) << text;
    std::vector<std::string> values;
    Flatten(config.GetRoot(), "", values);
    std::sort(values.begin(), values.end());
    return values;
}

using Values = std::vector<std::string>;

} // namespace

TEST_F(ConfigFile, WorkedExampleRoundTripsByteForByte)
{
    Config config;
    FillWorkedExample(config.GetRoot());
    const std::string file = Name("Tallydene.cfg");
    ASSERT_TRUE(config.SaveFile(file.c_str()));
    EXPECT_EQ(workedExampleFile, ReadFileBytes(file));

    Config loaded;
    ASSERT_TRUE(loaded.LoadFile(file.c_str()));
    EXPECT_TRUE(SameTree(config.GetRoot(), loaded.GetRoot()));
    const ConfigSection& todo = loaded.GetRoot()
                                    .GetSection("Projects")
                                    .GetSection("Web <shop>")
                                    .GetSection("Todos")
                                    .GetSection("Fix a/b");
    EXPECT_EQ(ConfigParameter::Kind::Text, todo.Parameters().Get("Time")->GetKind());
    EXPECT_STREQ("line1\nline2", todo.Parameters().Get("Comment")->AsString());

    ASSERT_TRUE(loaded.SaveFile(file.c_str()));
    EXPECT_EQ(workedExampleFile, ReadFileBytes(file));
    EXPECT_EQ(workedExampleFile, ReadFileBytes(file + ".old"));
}

TEST(ConfigWrite, NamesSortWithoutLetterCaseAsUnsignedBytes)
{
    Config config;
    ConfigSection& root = config.GetRoot();
    for (const char* name : {"b", "\xe4", "abc", "B1", "_", "Z", "Ab", "a"})
        root.GetParameter(name).SetInt(0);
    // '_' (95) comes before the letters once they are folded (97 up); 0xe4 after them all.
    EXPECT_EQ("<_>0</>\n<a>0</>\n<Ab>0</>\n<abc>0</>\n<b>0</>\n<B1>0</>\n<Z>0</>\n<\xe4>0</>\n",
              WrittenText(root));
}

TEST(ConfigWrite, NamesEqualWithoutCaseKeepTheMapsOrder)
{
    Config config;
    ConfigSection& root = config.GetRoot();
    for (const char* name : {"x", "X", "Name", "NAME", "name", "nAmE"})
        root.GetSection(name);
    std::string expected;
    for (const char* folded : {"name", "x"})
        for (const char* name : root.Sections().Keys())
        {
            std::string lower = name;
            for (char& c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (lower == folded)
                expected +=
                    std::string(expected.empty() ? "" : "\n") + "<" + name + ">\n</" + name + ">\n";
        }
    EXPECT_EQ(expected, WrittenText(root));
}

TEST(ConfigWrite, BlankLinesSeparateSectionsAndFollowParameters)
{
    Config config;
    ConfigSection& root = config.GetRoot();
    ConfigSection& onlySections = root.GetSection("A");
    onlySections.GetSection("X");
    onlySections.GetSection("Y").GetParameter("p").SetBool(false);
    ConfigSection& both = root.GetSection("B");
    both.GetParameter("p").SetString("v");
    both.GetSection("Z");
    root.GetSection("C").GetParameter("q").SetString("w");
    EXPECT_EQ("<A>\n"
              "\t<X>\n"
              "\t</X>\n"
              "\n"
              "\t<Y>\n"
              "\t\t<p>0</>\n"
              "\t</Y>\n"
              "</A>\n"
              "\n"
              "<B>\n"
              "\t<p>v</>\n"
              "\n"
              "\t<Z>\n"
              "\t</Z>\n"
              "</B>\n"
              "\n"
              "<C>\n"
              "\t<q>w</>\n"
              "</C>\n",
              WrittenText(root));
}

TEST(ConfigRead, AcceptsFreeLayoutAndBothClosingForms)
{
    const Values expected = {"Options/AutoSaveEnabled=1", "Options/TrayIcon=0",
                             "Projects/P/Comment=two words"};
    // Bare LF, other indents, one line, closing tags that repeat the name or are empty.
    EXPECT_EQ(expected, Parsed("<Options>\n<AutoSaveEnabled>1</>\n<TrayIcon>0</TrayIcon>\n"
                               "</Options>\n<Projects><P><Comment> two words </></></>"));
    EXPECT_EQ(expected, Parsed("  \r\n\f<Options> <TrayIcon>\t0\r\n</TrayIcon><AutoSaveEnabled>"
                               "1</AutoSaveEnabled></Options>\r\n<Projects>\r\n  <P>\r\n"
                               "<Comment>two words</Comment></P>\r\n</Projects>  \r\n"));
    EXPECT_EQ(Values{}, Parsed(""));
    EXPECT_EQ(Values{}, Parsed(" \r\n\t\f "));
}

TEST(ConfigRead, UnescapesEveryEscapeInNamesAndValues)
{
    EXPECT_EQ(
        Values{"a\tb\nc\fd\re\\f<g>h/i=\t\n\f\r\\<>/q0 x"},
        Parsed("<a\\tb\\nc\\fd\\re\\\\f\\<g\\>h\\/i>\\t\\n\\f\\r\\\\\\<\\>\\/\\q0\\0 \\x</>"));
    EXPECT_EQ((Values{"=empty name", "e="}), Parsed("<\\0>empty name</>\n<e>\\0</>"));
    // A backslash that ends a value stays; an even run of backslashes escapes no space.
    EXPECT_EQ((Values{"s/t=x\\", "s/u=y\\", "s/v=z "}),
              Parsed("<s><t>x\\\r\n</t><u>y\\\\ </u><v>z\\ </v></s>"));
}

TEST(ConfigRead, NulEndsTheText)
{
    const std::string text = std::string("<a>1</>") + '\0' + "garbage that would not parse <";
    Config config;
    ASSERT_TRUE(config.Parse(std::vector<char>(text.begin(), text.end() + 1).data()));
    EXPECT_STREQ("1", config.GetRoot().GetString("a", ""));
    EXPECT_EQ(1, config.GetRoot().Parameters().Count());
}

TEST(ConfigRead, SameNamedSectionsMergeAndTheLastValueWins)
{
    EXPECT_EQ((Values{"S/a=3", "S/b=2", "S/c=4", "T/t=5"}),
              Parsed("<S><a>1</><b>2</></S><T><t>5</></T><S><a>3</><c>4</></S>"));
}

// A tag that holds a value is a parameter, whatever came before it in the text: a section of
// its name read earlier goes, and so does one it held before the value.
TEST(ConfigRead, AValueMakesItsTagAParameterOnly)
{
    EXPECT_EQ((Values{"S=v"}), Parsed("<S><a>1</a></S><S>v</S>"));
    EXPECT_EQ((Values{"A=v"}), Parsed("<A><B>1</B>v</A>"));
    EXPECT_EQ((Values{"A/c=1", "A=x"}), Parsed("<A><B><c>1</c></B></A><A>x<B></B><c>1</c></A>"));

    // Tags that hold nothing, or only other tags, are sections, empty or not.
    Config config;
    ASSERT_TRUE(ParseText(config, "<E></E><P><Q></Q></P><R>1</R>"));
    ConfigSection& root = config.GetRoot();
    EXPECT_EQ(2, root.Sections().Count());
    ASSERT_NE(nullptr, root.Sections().Get("P"));
    EXPECT_NE(nullptr, root.Sections().Get("P")->Sections().Get("Q"));
    EXPECT_NE(nullptr, root.Sections().Get("E"));
    EXPECT_EQ(nullptr, root.Sections().Get("R"));
}

TEST(ConfigRead, MalformedTextsLeaveTheStoreEmpty)
{
    const std::vector<std::string> malformed = {
        "value at the top",
        "\xef\xbb\xbf<a>1</>", // a byte-order mark
        "</a>",                // closing with nothing open
        "</>",                 //
        "<a>1</>\n</>",        //
        "<a>1</b>",            // closing another name
        "<Options></options>", // names differ in case
        "<a><b>1</b>",         // left open
        "<a>",                 //
        "<a><b>1</></a",       // "</a" is a value of a, and a stays open
        "<a>1</></a>",         //
    };
    for (const std::string& text : malformed)
    {
        Config config;
        config.GetRoot().GetSection("Before").GetParameter("x").SetInt(1);
        config.GetRoot().GetParameter("y").SetInt(1);
        EXPECT_FALSE(ParseText(config, text)) << text;
        EXPECT_EQ(0, config.GetRoot().Sections().Count()) << text;
        EXPECT_EQ(0, config.GetRoot().Parameters().Count()) << text;
    }
}

TEST_F(ConfigFile, NamesAndValuesOfAnyBytesSurviveASaveAndALoad)
{
    Config config;
    ConfigSection& root = config.GetRoot();
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
    {
        const char c = static_cast<char>(byte);
        all += c;
        const std::string alone(1, c);
        const std::string inside = std::string("a") + c + "b";
        ConfigSection& section = root.GetSection(alone.c_str());
        section.GetParameter(alone.c_str()).SetString(alone.c_str());
        section.GetParameter(inside.c_str()).SetString(inside.c_str());
        section.GetSection(inside.c_str()).GetParameter("x").SetString((inside + c).c_str());
    }
    ConfigSection& edges = root.GetSection(all.c_str());
    edges.GetParameter(all.c_str()).SetString(all.c_str());
    edges.GetParameter("leading").SetString("  two spaces");
    edges.GetParameter("trailing").SetString("two spaces  ");
    edges.GetParameter("spaces").SetString("   ");
    edges.GetParameter("backslash space").SetString("\\ ");
    const std::string file = Name("bytes.cfg");
    ASSERT_TRUE(config.SaveFile(file.c_str()));

    Config loaded;
    ASSERT_TRUE(loaded.LoadFile(file.c_str()));
    EXPECT_TRUE(SameTree(root, loaded.GetRoot()));
}

TEST(ConfigWrite, EscapesOnlyWhatAReaderWouldMisread)
{
    Config config;
    ConfigSection& root = config.GetRoot();
    root.GetParameter(" name ").SetString(" a b ");
    root.GetParameter("plain").SetString("\x01\x7f\xff caf\xc3\xa9 & \"quotes\"");
    EXPECT_EQ("< name >\\0 a b \\0</>\n<plain>\x01\x7f\xff caf\xc3\xa9 & \"quotes\"</>\n",
              WrittenText(root));
}

// A reader that strips the white space around a value and then unescapes it, as every reader
// of the format does, takes back each value whole, spaces at its edges and all.
TEST(ConfigWrite, SpacesAtTheEdgesSurviveAReaderThatStripsThem)
{
    const auto strippedAndUnescaped = [](std::string token)
    {
        const char* layout = " \r\n\t\f";
        token.erase(0, token.find_first_not_of(layout));
        token.erase(token.find_last_not_of(layout) + 1);
        std::string value;
        for (std::size_t i = 0; i < token.size(); ++i)
        {
            const char c = token[i] == '\\' && i + 1 < token.size() ? token[++i] : '\0';
            if (c == '\0')
                value += token[i];
            else if (c != '0')
                value += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c == 'f' ? '\f' : c;
        }
        return value;
    };
    for (const char* value : {" a", "a ", "   ", " a\\ ", "a\\", " \t ", "a b", "\t"})
    {
        Config config;
        config.GetRoot().GetParameter("v").SetString(value);
        const std::string text = WrittenText(config.GetRoot());
        ASSERT_TRUE(text.starts_with("<v>") && text.ends_with("</>\n")) << text;
        EXPECT_EQ(value, strippedAndUnescaped(text.substr(3, text.size() - 7))) << text;
    }
}

// A file many times the writer's block: every line, wherever a block ends, is whole and ends
// with CR LF, escapes and all.
TEST_F(ConfigFile, LargeFileIsWrittenWholeWithEveryLineEnd)
{
    Config config;
    ConfigSection& todos = config.GetRoot().GetSection("Todos");
    std::string expected = "<Todos>\r\n";
    for (int i = 0; i < 20000; ++i)
    {
        char name[16];
        std::snprintf(name, sizeof name, "t%05d", i);
        const std::string value = "a/b " + std::to_string(i) + (i % 7 == 0 ? " " : "");
        todos.GetParameter(name).SetString(value.c_str());
        expected += std::string("\t<") + name + ">a\\/b " + std::to_string(i) +
                    (i % 7 == 0 ? " \\0" : "") + "</>\r\n";
    }
    expected += "</Todos>\r\n";
    const std::string file = Name("large.cfg");
    ASSERT_TRUE(config.SaveFile(file.c_str()));
    EXPECT_EQ(expected, ReadFileBytes(file));
}
