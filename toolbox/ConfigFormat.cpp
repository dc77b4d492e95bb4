#include "toolbox/ConfigFormat.h"

#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigWriter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>
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

// The first NUL, '<' or '>' at or after p that no backslash escapes, and whether a backslash
// came before it. One table look-up a byte: this is the loop a load spends the most time in.
char* NextMark(char* p, bool& escapes)
{
    static constexpr std::array<bool, 256> kMarks = []
    {
        std::array<bool, 256> marks{};
        for (unsigned char mark : {'\0', '<', '>', '\\'})
            marks[mark] = true;
        return marks;
    }();
    for (;;)
    {
        while (!kMarks[static_cast<unsigned char>(*p)])
            ++p;
        if (*p != '\\')
            return p;
        escapes = true;
        p += p[1] != '\0' ? 2 : 1;
    }
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

// The byte an escape stands for; '\0' for "\0", which stands for nothing.
char Escaped(char c)
{
    switch (c)
    {
    case '0':
        return '\0';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return c;
    }
}

// A token's bytes unescaped where they stand, which they never outgrow; gives the new end.
// Most tokens hold no backslash and stay as they are: the scan tells.
char* Unescape(char* begin, char* end, bool escapes)
{
    if (!escapes)
        return end;
    char* to = begin;
    for (const char* p = begin; p < end; ++p)
    {
        if (*p != '\\' || p + 1 == end)
            *to++ = *p;
        else if (const char c = Escaped(*++p); c != '\0' || *p != '0')
            *to++ = c;
    }
    return to;
}

// The bytes of a token as Unescape gives them, one at a time, without changing the text.
class Unescaping
{
public:
    Unescaping(const char* begin, const char* end, bool escapes)
        : p(begin), end(end), escapes(escapes)
    {
    }

    // -1 after the last.
    int Next()
    {
        while (p < end)
        {
            if (!escapes || *p != '\\' || p + 1 == end)
                return static_cast<unsigned char>(*p++);
            const char c = Escaped(p[1]);
            p += 2;
            if (c != '\0' || p[-1] != '0')
                return static_cast<unsigned char>(c);
        }
        return -1;
    }

private:
    const char* p;
    const char* end;
    bool escapes;
};

// The names in the file's order: the section's sorted names, and among names that differ
// only in letter case the map's iteration order. Such names are rare, so the sorted names
// themselves serve nearly always and nothing is copied.
template <class Map>
std::span<const char* const> FileOrder(const ConfigSection::Names& sorted, const Map& map,
                                       std::vector<const char*>& reordered)
{
    if (!ConfigSection::HasNamesAlike(sorted))
        return sorted;
    const auto tied = [](const char* a, const char* b)
    { return ConfigSection::CompareNames(a, b) == 0; };
    reordered.assign(sorted.begin(), sorted.end());
    for (auto first = reordered.begin(); first != reordered.end();)
    {
        auto last = first + 1;
        while (last != reordered.end() && tied(*first, *last))
            ++last;
        std::sort(first, last,
                  [&](const char* a, const char* b)
                  { return map.IterationRank(a) < map.IterationRank(b); });
        first = last;
    }
    return reordered;
}

bool WriteIndent(ConfigWriter& writer, int depth)
{
    for (int i = 0; i < depth; ++i)
        if (!writer.WriteChar('\t'))
            return false;
    return true;
}

bool WriteStartTag(const ConfigSection& section, ConfigWriter& writer, int depth)
{
    return WriteIndent(writer, depth) && writer.WriteChar('<') &&
           writer.WriteEscaped(section.GetName()) && writer.WriteString(">\n");
}

bool WriteEndTag(const ConfigSection& section, ConfigWriter& writer, int depth)
{
    return WriteIndent(writer, depth) && writer.WriteString("</") &&
           writer.WriteEscaped(section.GetName()) && writer.WriteString(">\n");
}

} // namespace

bool ConfigFormat::Parse(ConfigSection& root, char* text, Kept kept)
{
    Reading reading;
    reading.kept = kept;
    reading.open.push_back({"", &root, nullptr, nullptr, false, nullptr, nullptr});
    reading.depth = 1;
    char* position = text;
    while (!reading.malformed && *position != '\0')
    {
        char* begin = position;
        char* end = *position == '<' ? position + 1 : position;
        reading.escapes = false;
        end = NextMark(end, reading.escapes);
        if (*end == '>')
            ++end;
        position = end;

        while (begin < end && IsLayout(*begin))
            ++begin;
        // An escaped space at the end belongs to the value.
        while (end > begin && IsLayout(end[-1]) && !(end[-1] == ' ' && IsEscaped(begin, end - 1)))
            --end;
        const std::size_t length = static_cast<std::size_t>(end - begin);
        if (length >= 3 && begin[0] == '<' && begin[1] == '/' && end[-1] == '>')
            CloseTag(reading, begin, end);
        else if (length >= 2 && begin[0] == '<' && end[-1] == '>')
            OpenTagOf(reading, begin, end);
        else if (length > 0)
            Value(reading, begin, end);
    }
    return !reading.malformed && reading.depth == 1;
}

const char* ConfigFormat::NameOf(OpenTag& tag)
{
    // Unescaped and ended where it stands: the '>' after it makes room for the end.
    if (tag.name == nullptr)
    {
        *Unescape(tag.nameBegin, tag.nameEnd, tag.escapes) = '\0';
        tag.name = tag.nameBegin;
    }
    return tag.name;
}

bool ConfigFormat::Closes(const OpenTag& tag, const char* begin, const char* end, bool escapes)
{
    Unescaping closing(begin, end, escapes);
    int c = closing.Next();
    if (c < 0)
        return true; // "</>" closes any tag
    Unescaping name = tag.name != nullptr
                          ? Unescaping(tag.name, tag.name + std::strlen(tag.name), false)
                          : Unescaping(tag.nameBegin, tag.nameEnd, tag.escapes);
    for (;; c = closing.Next())
    {
        if (c != name.Next())
            return false;
        if (c < 0)
            return true;
    }
}

void ConfigFormat::CloseTag(Reading& reading, char* begin, char* end)
{
    std::vector<OpenTag>& open = reading.open;
    const std::size_t top = reading.depth - 1;
    reading.malformed = top == 0 || !Closes(open[top], begin + 2, end - 1, reading.escapes);
    if (reading.malformed)
        return;
    if (reading.keptAsText != 0)
    {
        if (top == reading.keptAsText)
            CloseKeptAsText(reading, begin, end);
        --reading.depth;
        return;
    }
    // A same-named section from earlier in the text goes too, as it always has.
    if (reading.pending)
        SectionOf(open, top - 1).RemoveSection(NameOf(open[top]));
    else
        SectionOf(open, top);
    reading.pending = false;
    --reading.depth;
}

void ConfigFormat::CloseKeptAsText(Reading& reading, char* begin, char* end)
{
    const std::size_t level = reading.keptAsText;
    const OpenTag& tag = reading.open[level];
    reading.keptAsText = 0;
    reading.pending = false;
    ConfigSection& parent = SectionOf(reading.open, level - 1);
    std::string name(tag.nameBegin, tag.nameEnd);
    name.resize(static_cast<std::size_t>(
        Unescape(name.data(), name.data() + name.size(), tag.escapes) - name.data()));
    // A value of its own, or a section of the same name read before, would each change more
    // than this section: its text is then read in full, as in its place.
    if (reading.keptHeldValue || parent.Sections().Get(name.c_str()) != nullptr)
    {
        std::string text(tag.tagBegin, end);
        Parse(parent, text.data(), Kept::ReadInFull);
        return;
    }
    // With room for the tags a save puts around it, so that the text it writes takes this
    // one's place.
    std::string content;
    content.reserve(static_cast<std::size_t>(begin - tag.contentBegin) +
                    2 * (name.size() + keptDepth + 5));
    content.assign(tag.contentBegin, begin);
    parent.GetSection(name.c_str()).FoldAsRead(std::move(content));
}

void ConfigFormat::OpenTagOf(Reading& reading, char* begin, char* end)
{
    reading.malformed = reading.depth > kMaximumDepth;
    if (reading.malformed)
        return;
    if (reading.depth == reading.open.size())
        reading.open.emplace_back();
    const std::size_t level = reading.depth++;
    reading.open[level] = {nullptr, nullptr, begin + 1, end - 1, reading.escapes, begin, end};
    // A kept section whose first content is a tag is a section, not a parameter: its text is
    // kept from here to its end. Not after a value around it that no tag has closed yet: the
    // next close would take that value for its own.
    if (reading.kept == Kept::AsText && reading.keptAsText == 0 && level == keptLevel + 1 &&
        reading.open[keptLevel].name == nullptr && !reading.pending)
    {
        reading.keptAsText = keptLevel;
        reading.keptHeldValue = false;
    }
}

void ConfigFormat::Value(Reading& reading, char* begin, char* end)
{
    std::vector<OpenTag>& open = reading.open;
    const std::size_t top = reading.depth - 1;
    reading.malformed = top == 0;
    if (reading.malformed)
        return;
    if (reading.keptAsText != 0)
    {
        reading.keptHeldValue = reading.keptHeldValue || top == reading.keptAsText;
        return;
    }
    // No room to end it: the next tag may follow at once.
    end = Unescape(begin, end, reading.escapes);
    SectionOf(open, top - 1)
        .GetParameter(NameOf(open[top]))
        .SetString(begin, static_cast<std::size_t>(end - begin));
    reading.pending = true;
}

ConfigSection& ConfigFormat::SectionOf(std::vector<OpenTag>& open, std::size_t level)
{
    if (open[level].section == nullptr)
        open[level].section = &SectionOf(open, level - 1).GetSection(NameOf(open[level]));
    return *open[level].section;
}

bool ConfigFormat::Write(const ConfigSection& section, ConfigWriter& writer)
{
    return WriteSection(section, writer, 0) && writer.Pass();
}

bool ConfigFormat::WriteSection(const ConfigSection& section, ConfigWriter& writer, int depth)
{
    std::vector<const char*> reordered;
    for (const char* parameterName :
         FileOrder(section.ParameterNames(), section.Parameters(), reordered))
    {
        if (!WriteIndent(writer, depth) || !writer.WriteChar('<') ||
            !writer.WriteEscaped(parameterName) || !writer.WriteChar('>') ||
            !WriteValue(*section.Parameters().Get(parameterName), writer) ||
            !writer.WriteString("</>\n"))
            return false;
    }
    const bool both = section.Parameters().Count() > 0 && section.Sections().Count() > 0;
    if (both && !writer.WriteChar('\n'))
        return false;
    bool first = true;
    for (const char* sectionName : FileOrder(section.SectionNames(), section.Sections(), reordered))
    {
        if (!first && !writer.WriteChar('\n'))
            return false;
        first = false;
        if (!WriteSubSection(*section.Sections().Get(sectionName), writer, depth))
            return false;
    }
    return true;
}

bool ConfigFormat::WriteSubSection(const ConfigSection& section, ConfigWriter& writer, int depth)
{
    if (depth != keptDepth)
        return WriteTagged(section, writer, depth);
    if (const std::string* text = section.WrittenText(depth, writer.LineEnd()))
        return writer.WriteWritten(*text);
    std::string copy;
    writer.StartCopy(copy);
    bool written = WriteStartTag(section, writer, depth);
    const std::size_t contentBegin = writer.CopiedSize();
    written = written && WriteSection(section, writer, depth + 1);
    const std::size_t contentEnd = writer.CopiedSize();
    written = written && WriteEndTag(section, writer, depth);
    writer.EndCopy();
    if (written)
        section.KeepWrittenText(depth, writer.LineEnd(), std::move(copy), contentBegin, contentEnd);
    return written;
}

bool ConfigFormat::WriteTagged(const ConfigSection& section, ConfigWriter& writer, int depth)
{
    // A folded section read to be written at another depth is folded again after.
    const bool folded = section.IsFolded();
    const bool written = WriteStartTag(section, writer, depth) &&
                         WriteSection(section, writer, depth + 1) &&
                         WriteEndTag(section, writer, depth);
    if (folded)
        const_cast<ConfigSection&>(section).Fold();
    return written;
}

bool ConfigFormat::WriteValue(const ConfigParameter& parameter, ConfigWriter& writer)
{
    switch (parameter.GetKind())
    {
    case ConfigParameter::Kind::Bool:
    case ConfigParameter::Kind::Int:
    {
        char digits[16];
        return writer.WriteString(parameter.WrittenForm(digits));
    }
    case ConfigParameter::Kind::Text:
        return writer.WriteEscapedValue(parameter.AsString());
    case ConfigParameter::Kind::None:
        break;
    }
    return writer.WriteEscaped("");
}

} // namespace toolbox
