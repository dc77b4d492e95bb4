#pragma once

#include "toolbox/ConfigWriter.h"

#include <string>

// Collects what a section writes, with the line ends as the writer gives them (LF).
class StringWriter : public toolbox::ConfigWriter
{
public:
    bool WriteString(const char* text) override
    {
        written += text;
        return true;
    }
    bool WriteChar(char c) override
    {
        written += c;
        return true;
    }
    std::string written;
};
