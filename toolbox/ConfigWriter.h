#pragma once

namespace toolbox
{

// Where the configuration's text goes when it is written.
class ConfigWriter
{
public:
    virtual ~ConfigWriter() = default;
    virtual bool WriteString(const char* text) = 0;
    virtual bool WriteChar(char c) = 0;

    // Writes a name so that reading gives it back unchanged.
    bool WriteEscaped(const char* text);
    // As a name, and also keeps a space at either end, which a reader would otherwise take
    // for layout around the value.
    bool WriteEscapedValue(const char* text);
};

} // namespace toolbox
