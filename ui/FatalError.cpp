#include "ui/FatalError.h"

#include "toolbox/Exception.h"
#include "toolbox/Logger.h"
#include "ui/AppSession.h"
#include "ui/WxPrompts.h"

std::string FatalErrorText(const toolbox::Exception& exception)
{
    std::string text = std::string(exception.GetName()) + ".";
    if (exception.GetMessage())
        text += std::string("\nMessage: ") + exception.GetMessage();
    if (exception.GetFile())
        text += std::string("\nPlace: ") + exception.GetFile() + ":" +
                std::to_string(exception.GetLine());
    return text;
}

bool EndOnFatalError(std::exception_ptr exception, AppSession* session)
{
    try
    {
        std::rethrow_exception(exception);
    }
    catch (const toolbox::Exception& e)
    {
        const std::string text = FatalErrorText(e);
        toolbox::Logger::Global().Log("EndOnFatalError", __LINE__, toolbox::Logger::kLevelFatal,
                                      "%s", text.c_str());
        // Abandoned before the box shows: a clock tick while it waits must not save either.
        if (session)
            session->Abandon();
        WxPrompts::Show(nullptr, text, wxOK | wxICON_ERROR);
        return true;
    }
    catch (...)
    {
        return false;
    }
}
