#pragma once

#include <string>

// The text without leading and trailing white space: space, tab, line feed, vertical tab, form
// feed and carriage return. What the dialogs do to names and comments before storing them.
std::string TrimWhiteSpace(const std::string& text);
