#include "ui/dialogs/CommentText.h"

#include "ui/WxText.h"

wxString CommentForEditing(const std::string& comment)
{
    wxString text = ToWx(comment);
    text.Replace("\r\n", "\n");
    return text;
}

std::string CommentFromEditing(const wxString& text, const std::string& shownComment)
{
    if (text == CommentForEditing(shownComment))
        return shownComment;
    wxString comment = text;
    comment.Replace("\r\n", "\n");
    comment.Replace("\n", "\r\n");
    return FromWx(comment);
}
