#include "toolbox/ConfigWriter.h"

#include "toolbox/Exception.h"

#include <cstring>
#include <utility>

namespace toolbox
{

namespace
{

// The escape of a byte, or nullptr when the byte is written as it is.
const char* EscapeOf(char c)
{
    switch (c)
    {
    case '\t':
        return "\\t";
    case '\n':
        return "\\n";
    case '\f':
        return "\\f";
    case '\r':
        return "\\r";
    case '\\':
        return "\\\\";
    case '<':
        return "\\<";
    case '>':
        return "\\>";
    case '/':
        return "\\/";
    default:
        return nullptr;
    }
}

bool WriteEscapedText(ConfigWriter& writer, const char* text, bool keepEdgeSpaces)
{
    if (*text == '\0')
        return writer.WriteString("\\0");
    const std::size_t length = std::strlen(text);
    // A reader strips the spaces around a value; an escaped nothing ("\0") beside them keeps
    // them inside, where every reader of the format takes them as they are.
    const bool leading = keepEdgeSpaces && text[0] == ' ';
    const bool trailing = keepEdgeSpaces && text[length - 1] == ' ';
    if (leading && !writer.WriteString("\\0"))
        return false;
    bool plain = true;
    for (std::size_t i = 0; plain && i < length; ++i)
        plain = EscapeOf(text[i]) == nullptr;
    if (plain && !writer.WriteString(text))
        return false;
    for (std::size_t i = 0; !plain && i < length; ++i)
    {
        const char* escape = EscapeOf(text[i]);
        if (escape != nullptr ? !writer.WriteString(escape) : !writer.WriteChar(text[i]))
            return false;
    }
    return !trailing || writer.WriteString("\\0");
}

} // namespace

ConfigWriter::ConfigWriter(const char* lineEnd)
{
    GuardAllocation(
        [&]
        {
            this->lineEnd = lineEnd;
            buffer.reserve(kBlockSize + 64);
        });
}

bool ConfigWriter::WriteString(const char* text)
{
    for (;;)
    {
        const char* lineBreak = std::strchr(text, '\n');
        if (lineBreak == nullptr)
        {
            buffer += text;
            break;
        }
        buffer.append(text, static_cast<std::size_t>(lineBreak - text));
        buffer += lineEnd;
        text = lineBreak + 1;
    }
    return buffer.size() < kBlockSize ? !failed : Pass();
}

bool ConfigWriter::Pass()
{
    if (copy != nullptr)
        GuardAllocation([&] { copy->append(buffer, copiedUpTo); });
    copiedUpTo = 0;
    if (!failed && !buffer.empty())
        failed = !Deliver(buffer.data(), buffer.size());
    buffer.clear();
    return !failed;
}

bool ConfigWriter::WriteWritten(const std::string& text)
{
    GuardAllocation([&] { buffer += text; });
    return buffer.size() < kBlockSize ? !failed : Pass();
}

void ConfigWriter::StartCopy(std::string& into)
{
    copy = &into;
    copiedUpTo = buffer.size();
}

void ConfigWriter::EndCopy()
{
    if (std::string* into = std::exchange(copy, nullptr))
        GuardAllocation([&] { into->append(buffer, copiedUpTo); });
}

bool ConfigWriter::WriteEscaped(const char* text)
{
    return WriteEscapedText(*this, text, false);
}

bool ConfigWriter::WriteEscapedValue(const char* text)
{
    return WriteEscapedText(*this, text, true);
}

} // namespace toolbox
