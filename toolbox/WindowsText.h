#pragma once

// Windows only: the program's text is UTF-8 inside and UTF-16 at the system's calls.

#include <string>
#include <string_view>

namespace toolbox
{

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// errno's value for the system's last error, so that the file operations report failures as
// they do on POSIX.
int ErrnoFromLastError();

} // namespace toolbox
