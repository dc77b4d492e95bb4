#pragma once

#include "toolbox/ConfigWriter.h"

#include <string>

// Collects what a section writes, with the line ends given (LF unless said otherwise).
class StringWriter : public toolbox::ConfigWriter
{
public:
    explicit StringWriter(const char* lineEnd = "\n") : ConfigWriter(lineEnd) {}
    std::string written;

protected:
    bool Deliver(const char* data, std::size_t size) override
    {
        written.append(data, size);
        return true;
    }
};
