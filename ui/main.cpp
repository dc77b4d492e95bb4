#include <cstdio>

// The windows are not built yet; until they are, the program only says so.
int main()
{
    std::puts("Tallydene: the main window is not built yet; run ./test to exercise the core.");
    return 0;
}
