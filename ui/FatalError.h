#pragma once

#include <string>

namespace toolbox
{
class Exception;
}

// The text that tells the user, and the diagnostic log, which foundation-library exception
// ended the program: its class name, message and place.
std::string FatalErrorText(const toolbox::Exception& exception);
