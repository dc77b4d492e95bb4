#pragma once

#include <wx/string.h>

#include <string>
#include <string_view>

// The core keeps texts as bytes in the system's narrow encoding, UTF-8 here. Bytes that are
// not UTF-8 (a file written elsewhere) are shown as Latin-1 rather than as nothing.
wxString ToWx(std::string_view bytes);
std::string FromWx(const wxString& text);
