#include "ui/WxText.h"

wxString ToWx(std::string_view bytes)
{
    wxString text = wxString::FromUTF8(bytes.data(), bytes.size());
    if (text.empty() && !bytes.empty())
        text = wxString(bytes.data(), wxConvISO8859_1, bytes.size());
    return text;
}

std::string FromWx(const wxString& text, const std::string& shownBytes)
{
    return text == ToWx(shownBytes) ? shownBytes : FromWx(text);
}

std::string FromWx(const wxString& text)
{
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}
