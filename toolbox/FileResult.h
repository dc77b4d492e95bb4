#pragma once

#include <string>

namespace toolbox
{

// What became of an operation on a file: success, or what could not be done, to which file,
// and the system's reason, so that a failure can be told to the user and logged.
class FileResult
{
public:
    FileResult() = default;
    // action says what could not be done, such as "cannot write"; error is an errno value.
    static FileResult Failure(std::string action, std::string file, int error);

    explicit operator bool() const { return action.empty(); }
    const std::string& File() const { return file; }
    int Error() const { return error; }
    // "cannot write /path/file.new: No space left on device"; empty on success.
    std::string Reason() const;

private:
    std::string action;
    std::string file;
    int error = 0;
};

} // namespace toolbox
