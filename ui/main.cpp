#include "toolbox/Logger.h"
#include "ui/TallydeneApp.h"

wxIMPLEMENT_APP_NO_MAIN(TallydeneApp);

int main(int argc, char** argv)
{
    // The diagnostic log comes first, so that it outlives everything that may write to it.
    toolbox::Logger::Global();
    return wxEntry(argc, argv);
}
