#pragma once

#include <wx/string.h>

#include <string>

// Comments are stored with CR LF line breaks on every platform, so that a data file reads the
// same wherever it was written; a text control works with bare line feeds.
wxString CommentForEditing(const std::string& comment);
// shownComment: the comment the field was filled with, kept byte for byte when not edited.
std::string CommentFromEditing(const wxString& text, const std::string& shownComment);
