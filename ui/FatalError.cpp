#include "ui/FatalError.h"

#include "toolbox/Exception.h"

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
