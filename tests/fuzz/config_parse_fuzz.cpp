// Any bytes given to the configuration reader: no crash, hang or sanitizer report; reading the
// projects' sections as text, to be read when used, accepts the same texts and gives the same
// tree as reading them in full; and a text that parses is written and parsed again into the
// same tree. An input that begins with the byte 1 has the rest nested as deep as its next two
// bytes say, closed or left open, so that deep files are tried too.
#include "tests/toolbox/StringWriter.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigFormat.h"
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
    std::size_t depth = 0;
    bool closed = false;
    if (size >= 3 && data[0] == 1)
    {
        depth = (data[1] | (data[2] & 0x7f) << 8) % 200;
        closed = (data[2] & 0x80) != 0;
        data += 3;
        size -= 3;
    }
    std::vector<char> text;
    for (std::size_t i = 0; i < depth; ++i)
        text.insert(text.end(), {'<', 'd', '>'});
    text.insert(text.end(), data, data + size);
    for (std::size_t i = 0; closed && i < depth; ++i)
        text.insert(text.end(), {'<', '/', 'd', '>'});
    text.push_back('\0');
    std::vector<char> inFull = text;
    toolbox::Config first;
    toolbox::ConfigSection whole("");
    const bool parsed = first.Parse(text.data());
    if (parsed != toolbox::ConfigFormat::Parse(whole, inFull.data(),
                                               toolbox::ConfigFormat::Kept::ReadInFull))
        std::abort();
    if (!parsed)
        return 0;
    if (!Same(whole, first.GetRoot()))
        std::abort();
    StringWriter writer;
    if (!toolbox::ConfigFormat::Write(first.GetRoot(), writer))
        std::abort();
    std::vector<char> written(writer.written.begin(), writer.written.end());
    written.push_back('\0');
    toolbox::Config second;
    if (!second.Parse(written.data()) || !Same(first.GetRoot(), second.GetRoot()))
        std::abort();
    return 0;
}
