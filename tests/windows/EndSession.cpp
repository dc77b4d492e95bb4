// Ends the user's session for the program under test, as Windows does at a logoff: its main
// window ("<file> - Tallydene") is asked WM_QUERYENDSESSION and then told WM_ENDSESSION. Ends with
// 0 when the window agreed to end, 1 when it refused, 2 when there was no such window, 3 when it
// did not answer within ten seconds. Wine ends no process after WM_ENDSESSION; the caller checks
// that the program ended by itself and saved.
#include <windows.h>

#include <cstdio>
#include <string>

namespace
{

BOOL CALLBACK FindMainWindow(HWND window, LPARAM found)
{
    wchar_t title[512] = {};
    const int length = ::GetWindowTextW(window, title, 512);
    const std::wstring suffix = L" - Tallydene";
    if (::IsWindowVisible(window) && length >= static_cast<int>(suffix.size()) &&
        std::wstring(title + length - suffix.size()) == suffix)
    {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int main()
{
    HWND window = nullptr;
    ::EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&window));
    if (window == nullptr)
    {
        std::fprintf(stderr, "end-session: no Tallydene window\n");
        return 2;
    }
    DWORD_PTR agreed = 0;
    if (!::SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                               10000, &agreed))
        return 3;
    if (agreed == 0)
    {
        std::fprintf(stderr, "end-session: the program refused to end the session\n");
        return 1;
    }
    DWORD_PTR ignored = 0;
    if (!::SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL,
                               10000, &ignored))
        return 3;
    return 0;
}
