#include "ui/SecondInstance.h"

#include "res/CommandIds.h"
#include "ui/MainFrame.h"

void AnswerSecondInstance(MainFrame* window, InstanceLock::Request request)
{
    if (window == nullptr)
        return;
    if (request == InstanceLock::Request::Show)
        return window->ShowFromOutside();
    // As the tray menu's Pause: the command as the user gives it, logged and saved.
    wxCommandEvent pause(wxEVT_MENU, res::WxIdOf(res::ID_TODO_PAUSE));
    window->GetEventHandler()->ProcessEvent(pause);
}
