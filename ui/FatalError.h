#pragma once

#include <exception>
#include <string>

class AppSession;

namespace toolbox
{
class Exception;
}

// The text that tells the user, and the diagnostic log, which foundation-library exception
// ended the program: its class name, message and place.
std::string FatalErrorText(const toolbox::Exception& exception);

// For an exception that reached the top of the program: a foundation-library exception is
// written to the diagnostic log, the session (if any) is abandoned so that nothing more is
// written, and its text is shown in a message box; true then. Any other exception is left to
// the caller: false.
bool EndOnFatalError(std::exception_ptr exception, AppSession* session);
