#pragma once

#include "toolbox/Config.h"

#include <string>

// Collects what a section writes, with the line ends as the writer gives them (LF).
class StringWriter : public toolbox::Config::Writer
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
