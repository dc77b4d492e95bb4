#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

#include <cstdlib>

// Every test process runs with its own home, data and documents folders, so that nothing a
// test does (a diagnostic log line, a configuration file) reaches the real user's folders.
int main(int argc, char** argv)
{
    static TempFolder home("home");
    setenv("HOME", home.Path().c_str(), 1);
    setenv("XDG_DATA_HOME", (home.Path() / "data").c_str(), 1);
    setenv("XDG_DOCUMENTS_DIR", (home.Path() / "Documents").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home.Path() / "config").c_str(), 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
