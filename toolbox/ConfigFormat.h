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

    // Adds what the text holds (up to its first NUL) to an empty section; false for a
    // malformed text, which leaves the section partly filled. The text is worked on where it
    // stands, which leaves it unfit for another parse.
    static bool Parse(ConfigSection& root, char* text);
    // Writes the content, not the section's own tags, sorted by name, indented by tabs, and
    // hands all of it on. The sections one level down keep the text written of them and give
    // it again while they are unchanged: a save after a small change mostly copies.
    static bool Write(const ConfigSection& section, ConfigWriter& writer);

private:
    // The indentation of the sections that keep their text: one project each in this
    // program's file, so that a save rewrites only the projects that changed.
    static constexpr int keptDepth = 1;

    struct OpenTag
    {
        const char* name; // in the text
        ConfigSection* section; // nullptr until something goes into it
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
    };
    static void CloseTag(Reading& reading, char* begin, char* end);
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
