#include "toolbox/ConfigFormat.h"

#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigWriter.h"
#include "toolbox/PointeredList.h"

#include <cstdio>
#include <string>
#include <vector>

namespace toolbox
{

namespace
{

// The bytes a reader skips around tags and values.
bool IsLayout(char c)
{
    return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '\f';
}

// Whether the byte at position is escaped: it follows an odd run of backslashes.
bool IsEscaped(const char* begin, const char* position)
{
    std::size_t backslashes = 0;
    while (position > begin && position[-1] == '\\')
    {
        --position;
        ++backslashes;
    }
    return backslashes % 2 == 1;
}

void Unescape(const char* begin, const char* end, std::string& out)
{
    out.clear();
    for (const char* p = begin; p < end; ++p)
    {
        if (*p != '\\' || p + 1 == end)
        {
            out += *p;
            continue;
        }
        switch (*++p)
        {
        case '0':
            break;
        case 'f':
            out += '\f';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        default:
            out += *p;
            break;
        }
    }
}

// Names sort without regard to the letter case of A to Z, byte by byte as unsigned values,
// a prefix before the longer name.
int CompareNames(const char* a, const char* b)
{
    for (;; ++a, ++b)
    {
        unsigned char x = static_cast<unsigned char>(*a);
        unsigned char y = static_cast<unsigned char>(*b);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x + ('a' - 'A'));
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y + ('a' - 'A'));
        if (x != y || x == 0)
            return x - y;
    }
}

PointeredList<const char> SortedNames(PointeredList<const char> names)
{
    names.Sort([](const char& a, const char& b) { return CompareNames(&a, &b); });
    return names;
}

bool WriteIndent(ConfigWriter& writer, int depth)
{
    for (int i = 0; i < depth; ++i)
        if (!writer.WriteChar('\t'))
            return false;
    return true;
}

} // namespace

bool ConfigFormat::Parse(ConfigSection& root, char* text)
{
    // A tag opens a section only once it holds something: most tags hold a value, which makes
    // them a parameter of the section around them, and no section is made for those.
    std::vector<OpenTag> open{{std::string(), &root}};
    // The top tag got a value: it is a parameter, and a section made under its name goes.
    bool pending = false;
    bool malformed = false;
    std::string name;
    const char* position = text;
    while (!malformed && *position != '\0')
    {
        const char* begin = position;
        const char* end = *position == '<' ? position + 1 : position;
        while (*end != '\0' && *end != '<' && *end != '>')
            end += *end == '\\' && end[1] != '\0' ? 2 : 1;
        if (*end == '>')
            ++end;
        position = end;

        while (begin < end && IsLayout(*begin))
            ++begin;
        // An escaped space at the end belongs to the value.
        while (end > begin && IsLayout(end[-1]) && !(end[-1] == ' ' && IsEscaped(begin, end - 1)))
            --end;
        std::size_t length = static_cast<std::size_t>(end - begin);
        if (length == 0)
            continue;

        if (length >= 3 && begin[0] == '<' && begin[1] == '/' && end[-1] == '>')
        {
            Unescape(begin + 2, end - 1, name);
            malformed = open.size() == 1 || (!name.empty() && name != open.back().name);
            if (malformed)
                continue;
            // A same-named section from earlier in the text goes too, as it always has.
            if (pending)
                SectionOf(open, open.size() - 2).RemoveSection(open.back().name.c_str());
            else
                SectionOf(open, open.size() - 1);
            pending = false;
            open.pop_back();
        }
        else if (length >= 2 && begin[0] == '<' && end[-1] == '>')
        {
            malformed = open.size() > maximumDepth;
            if (malformed)
                continue;
            Unescape(begin + 1, end - 1, name);
            open.push_back({name, nullptr});
        }
        else
        {
            malformed = open.size() == 1;
            if (malformed)
                continue;
            Unescape(begin, end, name);
            SectionOf(open, open.size() - 2)
                .GetParameter(open.back().name.c_str())
                .SetString(name.c_str());
            pending = true;
        }
    }
    return !malformed && open.size() == 1;
}

ConfigSection& ConfigFormat::SectionOf(std::vector<OpenTag>& open, std::size_t level)
{
    if (open[level].section == nullptr)
        open[level].section = &SectionOf(open, level - 1).GetSection(open[level].name.c_str());
    return *open[level].section;
}

bool ConfigFormat::Write(const ConfigSection& section, ConfigWriter& writer)
{
    return WriteSection(section, writer, 0) && writer.Pass();
}

bool ConfigFormat::WriteSection(const ConfigSection& section, ConfigWriter& writer, int depth)
{
    PointeredList<const char> parameterNames = SortedNames(section.Parameters().Keys());
    PointeredList<const char> sectionNames = SortedNames(section.Sections().Keys());
    for (const char* parameterName : parameterNames)
    {
        if (!WriteIndent(writer, depth) || !writer.WriteChar('<') ||
            !writer.WriteEscaped(parameterName) || !writer.WriteChar('>') ||
            !WriteValue(*section.Parameters().Get(parameterName), writer) ||
            !writer.WriteString("</>\n"))
            return false;
    }
    if (parameterNames.Count() > 0 && sectionNames.Count() > 0 && !writer.WriteChar('\n'))
        return false;
    bool first = true;
    for (const char* sectionName : sectionNames)
    {
        if (!first && !writer.WriteChar('\n'))
            return false;
        first = false;
        if (!WriteIndent(writer, depth) || !writer.WriteChar('<') ||
            !writer.WriteEscaped(sectionName) || !writer.WriteString(">\n") ||
            !WriteSection(*section.Sections().Get(sectionName), writer, depth + 1) ||
            !WriteIndent(writer, depth) || !writer.WriteString("</") ||
            !writer.WriteEscaped(sectionName) || !writer.WriteString(">\n"))
            return false;
    }
    return true;
}

bool ConfigFormat::WriteValue(const ConfigParameter& parameter, ConfigWriter& writer)
{
    switch (parameter.GetKind())
    {
    case ConfigParameter::Kind::Bool:
        return writer.WriteChar(parameter.AsBool() ? '1' : '0');
    case ConfigParameter::Kind::Int:
    {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%ld", static_cast<long>(parameter.AsInt()));
        return writer.WriteString(digits);
    }
    case ConfigParameter::Kind::Text:
        return writer.WriteEscapedValue(parameter.AsString());
    case ConfigParameter::Kind::None:
        break;
    }
    return writer.WriteEscaped("");
}

} // namespace toolbox
