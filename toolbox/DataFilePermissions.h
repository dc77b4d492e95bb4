#pragma once

#include <string>

namespace toolbox
{

// The files that hold the user's data beside the data file (the journal, the logs) are no more
// open to others than the data file itself, and always open to their owner: a user who closed
// the data file to others closed what it holds.
class DataFilePermissions
{
public:
    DataFilePermissions() = delete;

    // Opens the file as open(2) does with O_CREAT among the flags: a file it makes is made with
    // the data file's permissions (as open's own mode would, less the umask), and one that is
    // there loses what the data file does not grant. -1 with errno when it cannot be opened.
    static int Open(const std::string& path, int flags, const std::string& dataFile);
    // The same for a file that is open already.
    static void Narrow(int descriptor, const std::string& dataFile);
    // Opens a log for adding lines at its end, creating it as Open does. Never waits on a pipe
    // or a device put in its place, and gives -1 for anything but a plain file. With exclusive,
    // also -1 while another process (a second Tallydene) holds it exclusively.
    static int OpenForAppending(const std::string& path, const std::string& dataFile,
                                bool exclusive);
};

} // namespace toolbox
