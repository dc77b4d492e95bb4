#pragma once

#include <wx/string.h>

#include <string>
#include <string_view>

// The core keeps texts as bytes in the system's narrow encoding, UTF-8 here. Bytes that are
// not UTF-8 (a file written elsewhere) are shown as Latin-1 rather than as nothing.
wxString ToWx(std::string_view bytes);
std::string FromWx(const wxString& text);
// The bytes shown as the text when it is still what they showed, so that a name the user did
// not edit is written back unchanged even where its bytes are not UTF-8.
std::string FromWx(const wxString& text, const std::string& shownBytes);
