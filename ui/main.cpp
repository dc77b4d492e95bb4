#include "toolbox/Logger.h"

#include <cstdio>

// The windows are not built yet; until they are, the program only says so.
int main()
{
    // The diagnostic log comes first, so that it outlives everything that may write to it.
    toolbox::Logger::Global();
    std::puts("Tallydene: the main window is not built yet; run ./test to exercise the core.");
    return 0;
}
