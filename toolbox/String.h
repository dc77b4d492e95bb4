#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <string>

namespace toolbox
{

// The foundation library's text: zero-terminated bytes in the system's narrow encoding, no
// encoding interpreted. A null text given to any operation counts as the empty text.
class String
{
public:
    String() = default;
    String(const char* text);
    // The single character; the zero byte gives the empty text, as it ends any text.
    explicit String(char c);

    const char* c_str() const { return content.c_str(); }
    const std::string& str() const { return content; }
    int Length() const { return static_cast<int>(content.size()); }
    bool IsEmpty() const { return content.empty(); }

    void Set(const char* text);
    // The first length bytes, which must hold no zero byte.
    void Set(const char* text, std::size_t length);
    String& Append(const char* text);
    // Appending the zero byte does nothing: it would end the text.
    String& Append(char c);
    String& AppendNumber(int32_t n);

    // A position beyond the length does nothing; a negative one empties the text.
    void Truncate(int position);
    // Removes at most n characters from the end; a negative n does nothing.
    void CutLast(int n);
    bool EndsWith(const char* suffix) const;
    int IndexOf(char c) const;
    // The first occurrence at or after from (a negative from counts as 0), or -1.
    int IndexOf(const char* text, int from) const;
    // Byte-wise comparison as strcmp: negative, 0 or positive.
    int Compare(const char* text) const;
    // A-Z and the Latin-1 capitals (192-214, 216-222) become their small letters.
    void ToLowerCase();

    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Replaces the content; a result of 512 MB or more empties the text and raises
    // EIllegalArgument.
    void FormatFromVargs(const char* format, va_list args);

    bool operator==(const String& other) const { return content == other.content; }
    bool operator==(const char* text) const { return Compare(text) == 0; }

private:
    std::string content;
};

} // namespace toolbox
