#include "tests/support/PrivateHome.h"

#include "tests/support/TempFolder.h"

#include "toolbox/Places.h"

#include <cstdlib>

void UsePrivateHome()
{
    static TempFolder home("home");
    setenv("HOME", home.Path().string().c_str(), 1);
    setenv("XDG_DATA_HOME", (home.Path() / "data").string().c_str(), 1);
    setenv("XDG_DOCUMENTS_DIR", (home.Path() / "Documents").string().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home.Path() / "config").string().c_str(), 1);
#ifdef _WIN32
    // Windows asks the shell for the folders, not the environment.
    toolbox::Places::SetFolders(toolbox::String((home.Path() / "data").string().c_str()),
                                toolbox::String((home.Path() / "Documents").string().c_str()));
#endif
}
