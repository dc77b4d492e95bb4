// Any bytes given to the configuration reader: no crash, hang or sanitizer report, and a text
// that parses is written and parsed again into the same tree.
#include "tests/toolbox/StringWriter.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{

// Values read from a file are all texts, so comparing the texts compares the values.
bool Same(const toolbox::ConfigSection& a, const toolbox::ConfigSection& b)
{
    if (a.Parameters().Count() != b.Parameters().Count() ||
        a.Sections().Count() != b.Sections().Count())
        return false;
    for (const char* name : a.Parameters().Keys())
    {
        const toolbox::ConfigParameter* other = b.Parameters().Get(name);
        if (other == nullptr ||
            std::strcmp(a.Parameters().Get(name)->AsString(), other->AsString()))
            return false;
    }
    for (const char* name : a.Sections().Keys())
    {
        const toolbox::ConfigSection* other = b.Sections().Get(name);
        if (other == nullptr || !Same(*a.Sections().Get(name), *other))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    toolbox::Config first;
    if (!first.Parse(text.data()))
        return 0;
    StringWriter writer;
    if (!first.GetRoot().Write(writer, 0))
        std::abort();
    std::vector<char> written(writer.written.begin(), writer.written.end());
    written.push_back('\0');
    toolbox::Config second;
    if (!second.Parse(written.data()) || !Same(first.GetRoot(), second.GetRoot()))
        std::abort();
    return 0;
}
