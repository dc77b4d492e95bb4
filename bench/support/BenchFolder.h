#pragma once

#include <filesystem>
#include <string>

// A temporary home of its own for a benchmark: the data, documents and program folders point
// into it while it lives, and it is removed with everything in it when it goes.
class BenchFolder
{
public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::filesystem::path& Path() const { return folder; }
    // The program's data folder, made; the data file in it is "Tallydene.cfg".
    std::filesystem::path DataFolder() const;
    std::filesystem::path ConfigFile() const { return DataFolder() / "Tallydene.cfg"; }

private:
    std::filesystem::path folder;
};

// The section "Projects" of a data file: projects named 0, 1, ... with todos named 0, 1, ...
// of priorities 0 to 5 and growing times.
std::string BenchProjects(int projects, int todosPerProject);
