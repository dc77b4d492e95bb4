#pragma once

#include "toolbox/ConfigWriter.h"

#include <string>

// Collects what a section writes, with the line ends as the writer gives them (LF).
class StringWriter : public toolbox::ConfigWriter
{
public:
    StringWriter() : ConfigWriter("\n") {}
    std::string written;

protected:
    bool Deliver(const char* data, std::size_t size) override
    {
        written.append(data, size);
        return true;
    }
};
