#include "tests/toolbox/ConfigTestSupport.h"

#include "toolbox/ConfigFormat.h"

#include <vector>

using toolbox::ConfigParameter;
using toolbox::ConfigSection;

namespace
{

// A value as the file holds it, whatever kind it has in memory.
std::string FileValue(const ConfigParameter& parameter)
{
    if (parameter.GetKind() == ConfigParameter::Kind::Int)
        return std::to_string(parameter.AsInt());
    return parameter.AsString();
}

testing::AssertionResult Compare(const ConfigSection& expected, const ConfigSection& actual,
                                 const std::string& where)
{
    if (expected.Parameters().Count() != actual.Parameters().Count())
        return testing::AssertionFailure()
               << where << ": " << expected.Parameters().Count() << " parameters expected, "
               << actual.Parameters().Count() << " found";
    if (expected.Sections().Count() != actual.Sections().Count())
        return testing::AssertionFailure()
               << where << ": " << expected.Sections().Count() << " sections expected, "
               << actual.Sections().Count() << " found";
    for (const char* name : expected.Parameters().Keys())
    {
        const ConfigParameter* want = expected.Parameters().Get(name);
        const ConfigParameter* got = actual.Parameters().Get(name);
        if (got == nullptr)
            return testing::AssertionFailure() << where << ": parameter '" << name << "' missing";
        if (FileValue(*want) != FileValue(*got))
            return testing::AssertionFailure()
                   << where << ": parameter '" << name << "' is '" << FileValue(*got)
                   << "', expected '" << FileValue(*want) << "'";
    }
    for (const char* name : expected.Sections().Keys())
    {
        const ConfigSection* got = actual.Sections().Get(name);
        if (got == nullptr)
            return testing::AssertionFailure() << where << ": section '" << name << "' missing";
        testing::AssertionResult same =
            Compare(*expected.Sections().Get(name), *got, where + "/" + name);
        if (!same)
            return same;
    }
    return testing::AssertionSuccess();
}

} // namespace

testing::AssertionResult SameTree(const ConfigSection& expected, const ConfigSection& actual)
{
    return Compare(expected, actual, "");
}

std::string WrittenText(const ConfigSection& section)
{
    StringWriter writer;
    EXPECT_TRUE(toolbox::ConfigFormat::Write(section, writer));
    return writer.written;
}

bool ParseText(toolbox::Config& config, const std::string& text)
{
    std::vector<char> copy(text.begin(), text.end());
    copy.push_back('\0');
    return config.Parse(copy.data());
}

void FillWorkedExample(ConfigSection& root)
{
    ConfigSection& options = root.GetSection("Options");
    options.GetParameter("AutoSaveEnabled").SetBool(true);
    options.GetParameter("TrayIcon").SetBool(false);
    ConfigSection& project = root.GetSection("Projects").GetSection("Web <shop>");
    project.GetParameter("Comment").SetString("");
    project.GetParameter("Expanded").SetBool(true);
    project.GetParameter("TotalTime").SetInt(5400);
    ConfigSection& todo = project.GetSection("Todos").GetSection("Fix a/b");
    todo.GetParameter("Comment").SetString("line1\nline2");
    todo.GetParameter("Expanded").SetBool(true);
    todo.GetParameter("Priority").SetInt(2);
    todo.GetParameter("Time").SetInt(3600);
    root.GetSection("WorkingTime").GetParameter("Actual").SetInt(-1800);
}

const char* const workedExampleFile = "<Options>\r\n"
                                      "\t<AutoSaveEnabled>1</>\r\n"
                                      "\t<TrayIcon>0</>\r\n"
                                      "</Options>\r\n"
                                      "\r\n"
                                      "<Projects>\r\n"
                                      "\t<Web \\<shop\\>>\r\n"
                                      "\t\t<Comment>\\0</>\r\n"
                                      "\t\t<Expanded>1</>\r\n"
                                      "\t\t<TotalTime>5400</>\r\n"
                                      "\r\n"
                                      "\t\t<Todos>\r\n"
                                      "\t\t\t<Fix a\\/b>\r\n"
                                      "\t\t\t\t<Comment>line1\\nline2</>\r\n"
                                      "\t\t\t\t<Expanded>1</>\r\n"
                                      "\t\t\t\t<Priority>2</>\r\n"
                                      "\t\t\t\t<Time>3600</>\r\n"
                                      "\t\t\t</Fix a\\/b>\r\n"
                                      "\t\t</Todos>\r\n"
                                      "\t</Web \\<shop\\>>\r\n"
                                      "</Projects>\r\n"
                                      "\r\n"
                                      "<WorkingTime>\r\n"
                                      "\t<Actual>-1800</>\r\n"
                                      "</WorkingTime>\r\n";
