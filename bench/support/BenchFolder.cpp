#include "bench/support/BenchFolder.h"

#include "toolbox/Places.h"

#include <cstdlib>
#include <sstream>
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

std::string BenchProjects(int projects, int todosPerProject)
{
    std::ostringstream file;
    file << "<Projects>\r\n";
    for (int p = 0; p < projects; ++p)
    {
        file << "\t<Project " << p << ">\r\n\t\t<TotalTime>" << p * 60 << "</>\r\n\t\t<Todos>\r\n";
        for (int t = 0; t < todosPerProject; ++t)
            file << "\t\t\t<Todo " << t << ">\r\n\t\t\t\t<Priority>" << t % 6
                 << "</>\r\n\t\t\t\t<Time>" << t * 90 << "</>\r\n\t\t\t</Todo " << t << ">\r\n";
        file << "\t\t</Todos>\r\n\t</Project " << p << ">\r\n";
    }
    file << "</Projects>\r\n";
    return file.str();
}
