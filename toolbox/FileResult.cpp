#include "toolbox/FileResult.h"

#include <cerrno>
#include <cstring>

namespace toolbox
{

FileResult FileResult::Failure(std::string action, std::string file, int error)
{
    FileResult result;
    result.action = std::move(action);
    result.file = std::move(file);
    // Some failures leave no reason behind; the user still needs one.
    result.error = error != 0 ? error : EIO;
    return result;
}

std::string FileResult::Reason() const
{
    if (action.empty())
        return std::string();
    return action + " " + file + ": " + std::strerror(error);
}

} // namespace toolbox
