#include "bench/support/BenchFolder.h"

#include "toolbox/Places.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <unistd.h>

BenchFolder::BenchFolder()
{
    std::string pattern = std::filesystem::temp_directory_path() / "tallybench-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    folder = pattern;
    setenv("HOME", folder.c_str(), 1);
    setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    setenv("XDG_DOCUMENTS_DIR", (folder / "Documents").c_str(), 1);
    toolbox::Places::SetProgramPath(toolbox::String((folder / "Tallydene").c_str()));
    std::filesystem::create_directories(DataFolder());
}

BenchFolder::~BenchFolder()
{
    toolbox::Places::SetProgramPath(std::nullopt);
    std::filesystem::remove_all(folder);
}

std::filesystem::path BenchFolder::DataFolder() const
{
    return folder / "data" / "Brindlecott" / "Tallydene";
}
