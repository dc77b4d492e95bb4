#pragma once

#include "toolbox/String.h"

#include <string>

#include <optional>
#include <vector>

namespace toolbox
{

// Where the program and the user's folders are, as the operating system tells it. Everything
// that names a file of the program's own asks here, so that tests can move all of it into a
// temporary folder: on Linux the folders follow the environment (XDG_DATA_HOME,
// XDG_DOCUMENTS_DIR, XDG_CONFIG_HOME, HOME); on Windows they are the known folders
// (LocalAppData, Documents) of the shell. The program path, the arguments and, for Windows,
// the folders follow the setters below.
class Places
{
public:
    Places() = delete;

    // The program file as it was at the first call: /proc/self/exe, else the first argument
    // the process received.
    static String ProgramPath();

    // The process's own arguments, the first being the program path as it was started.
    static std::vector<String> Arguments();

    // $XDG_DATA_HOME when it is an absolute path, else ~/.local/share; none without a home.
    static std::optional<String> LocalApplicationDataFolder();

    // $XDG_DOCUMENTS_DIR, else the documents line of user-dirs.dirs, else the home folder;
    // none without a home.
    static std::optional<String> DocumentsFolder();

    // The machine's name on the network, as its user knows it; empty when it has none.
    static std::string MachineName();
    // What tells this installation of the system from any other, made when it was installed
    // (/etc/machine-id; on Windows the MachineGuid); empty when there is none.
    static std::string MachineId();

    // For tests only: replace what the operating system says about the program path or the
    // arguments. std::nullopt gives the operating system's answer back.
    static void SetProgramPath(std::optional<String> path);
    static void SetArguments(std::optional<std::vector<String>> arguments);
    // For tests only, where the environment cannot move the folders (Windows asks the system
    // for them): the local application-data and documents folders. std::nullopt gives the
    // operating system's answer back.
    static void SetFolders(std::optional<String> localApplicationData,
                           std::optional<String> documents);
};

} // namespace toolbox
