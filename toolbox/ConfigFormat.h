#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace toolbox
{

class ConfigParameter;
class ConfigSection;
class ConfigWriter;

// The configuration's text: tags name the sections and parameters, a parameter's value sits
// between its tags, and a backslash escapes the bytes that would otherwise be read as layout
// or tags.
class ConfigFormat
{
public:
    // Sections nested deeper than this make a text malformed: no file this program writes
    // comes near it, and every walk over the tree stays shallow.
    static constexpr std::size_t kMaximumDepth = 64;

    // How a parse makes the sections at the kept depth (one a project in this program's file):
    // folded, keeping their text and reading it when first used, or read in full at once.
    enum class Kept
    {
        AsText,
        ReadInFull
    };

    // Adds what the text holds (up to its first NUL) to an empty section; false for a
    // malformed text, which leaves the section partly filled. The text is worked on where it
    // stands, which leaves it unfit for another parse. Either way of making the kept sections
    // checks the whole text and gives the same tree.
    static bool Parse(ConfigSection& root, char* text, Kept kept = Kept::AsText);
    // Writes the content, not the section's own tags, sorted by name, indented by tabs, and
    // hands all of it on. The sections one level down keep the text written of them and give
    // it again while they are unchanged: a save after a small change mostly copies.
    static bool Write(const ConfigSection& section, ConfigWriter& writer);

private:
    // The indentation of the sections that keep their text: one project each in this
    // program's file, so that a save rewrites only the projects that changed.
    static constexpr int keptDepth = 1;

    // The level of the open tags (the root's is 0) at which the kept sections stand.
    static constexpr std::size_t keptLevel = keptDepth + 1;

    struct OpenTag
    {
        // The name unescaped where it stands; nullptr until it is needed, so that the text of
        // a section kept as text stays as the file has it.
        const char* name;
        ConfigSection* section; // nullptr until something goes into it
        char* nameBegin;        // the name as the text has it
        char* nameEnd;
        bool escapes;
        char* tagBegin;     // its '<'
        char* contentBegin; // after its '>'
    };
    // A tag opens a section only once it holds something: most tags hold a value, which makes
    // them a parameter of the section around them, and no section is made for those.
    struct Reading
    {
        // The tags below depth are open; those above are kept for reuse.
        std::vector<OpenTag> open;
        std::size_t depth = 0;
        // The top tag got a value: it is a parameter, and a section made under its name goes.
        bool pending = false;
        bool malformed = false;
        bool escapes = false; // the token holds a backslash
        Kept kept = Kept::AsText;
        // While a kept section's text goes by, it is only checked: nothing is made of it, and
        // it is left as it stands. Its level; 0 while none.
        std::size_t keptAsText = 0;
        bool keptHeldValue = false; // a value of its own, which makes it a parameter too
    };
    static const char* NameOf(OpenTag& tag);
    // The closing tag's name between begin and end is empty or the open tag's name: checked
    // without changing the text.
    static bool Closes(const OpenTag& tag, const char* begin, const char* end, bool escapes);
    static void CloseTag(Reading& reading, char* begin, char* end);
    static void CloseKeptAsText(Reading& reading, char* begin, char* end);
    static void OpenTagOf(Reading& reading, char* begin, char* end);
    static void Value(Reading& reading, char* begin, char* end);
    // The section of an open tag, made (with those around it) where it is still missing.
    static ConfigSection& SectionOf(std::vector<OpenTag>& open, std::size_t level);
    static bool WriteSection(const ConfigSection& section, ConfigWriter& writer, int depth);
    static bool WriteSubSection(const ConfigSection& section, ConfigWriter& writer, int depth);
    static bool WriteTagged(const ConfigSection& section, ConfigWriter& writer, int depth);
    static bool WriteValue(const ConfigParameter& parameter, ConfigWriter& writer);
};

} // namespace toolbox
