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
    static constexpr std::size_t maximumDepth = 64;

    // Adds what the text holds (up to its first NUL) to an empty section; false for a
    // malformed text, which leaves the section partly filled.
    static bool Parse(ConfigSection& root, char* text);
    // Writes the content, not the section's own tags, sorted by name, indented by tabs, and
    // hands all of it on.
    static bool Write(const ConfigSection& section, ConfigWriter& writer);

private:
    struct OpenTag
    {
        std::string name;
        ConfigSection* section; // nullptr until something goes into it
    };
    // The section of an open tag, made (with those around it) where it is still missing.
    static ConfigSection& SectionOf(std::vector<OpenTag>& open, std::size_t level);
    static bool WriteSection(const ConfigSection& section, ConfigWriter& writer, int depth);
    static bool WriteValue(const ConfigParameter& parameter, ConfigWriter& writer);
};

} // namespace toolbox
