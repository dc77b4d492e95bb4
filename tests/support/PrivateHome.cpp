#include "tests/support/PrivateHome.h"

#include "tests/support/TempFolder.h"

#include <cstdlib>

void UsePrivateHome()
{
    static TempFolder home("home");
    setenv("HOME", home.Path().c_str(), 1);
    setenv("XDG_DATA_HOME", (home.Path() / "data").c_str(), 1);
    setenv("XDG_DOCUMENTS_DIR", (home.Path() / "Documents").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home.Path() / "config").c_str(), 1);
}
