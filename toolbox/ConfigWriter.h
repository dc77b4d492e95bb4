#pragma once

#include <cstddef>
#include <string>

namespace toolbox
{

// Where the configuration's text goes when it is written. The text gathers in a buffer and
// is handed on in large blocks, so that a store of any size costs few calls, not one a byte.
class ConfigWriter
{
public:
    // Each line of the text ends with lineEnd.
    explicit ConfigWriter(const char* lineEnd);
    virtual ~ConfigWriter() = default;
    ConfigWriter(const ConfigWriter&) = delete;
    ConfigWriter& operator=(const ConfigWriter&) = delete;

    // Each is false once a block could not be handed on; nothing is written after that.
    bool WriteString(const char* text);
    bool WriteChar(char c)
    {
        if (c == '\n')
            buffer += lineEnd;
        else
            buffer += c;
        return buffer.size() < kBlockSize ? !failed : Pass();
    }
    // Writes a name so that reading gives it back unchanged.
    bool WriteEscaped(const char* text);
    // As a name, and also keeps a space at either end, which a reader would otherwise take
    // for layout around the value.
    bool WriteEscapedValue(const char* text);

    // Hands on what the buffer holds.
    bool Pass();

    const std::string& LineEnd() const { return lineEnd; }
    // Text this writer made before, line ends and all, written again as it is.
    bool WriteWritten(const std::string& text);
    // From StartCopy to EndCopy, the text written also goes into copy, which must outlive it.
    void StartCopy(std::string& copy);
    void EndCopy();
    // How much of the text the copy has taken so far.
    std::size_t CopiedSize() const
    {
        return copy == nullptr ? 0 : copy->size() + (buffer.size() - copiedUpTo);
    }

protected:
    // Takes a block of the text; false when it cannot.
    virtual bool Deliver(const char* data, std::size_t size) = 0;

private:
    static constexpr std::size_t kBlockSize = 64 * 1024;

    std::string buffer;
    std::string lineEnd;
    bool failed = false;
    std::string* copy = nullptr;
    std::size_t copiedUpTo = 0; // what of the buffer is in the copy already
};

} // namespace toolbox
