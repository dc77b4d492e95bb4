// Loading a data file whose project names all share one value of the map's plain hash, beside
// one of as many everyday names: the two should cost about the same.
#include "tests/support/FnvCollisions.h"
#include "toolbox/Config.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{

std::string WriteFile(const std::vector<std::string>& names)
{
    char pattern[] = "/tmp/tallydene-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        std::abort();
    const std::string file = std::string(pattern) + "/tallydene.cfg";
    std::ofstream out(file, std::ios::binary);
    out << "<Projects>\r\n";
    for (const std::string& name : names)
        out << "\t<" << name << ">\r\n\t\t<TotalTime>60</TotalTime>\r\n\t</" << name << ">\r\n";
    out << "</Projects>\r\n";
    return file;
}

void Load(benchmark::State& state, std::vector<std::string> names)
{
    const std::string file = WriteFile(names);
    for (auto _ : state)
    {
        toolbox::Config config;
        if (!config.LoadFile(file.c_str(), true))
            state.SkipWithError("the file did not load");
    }
    std::filesystem::remove_all(std::filesystem::path(file).parent_path());
}

void CraftedNames(benchmark::State& state)
{
    Load(state, FnvCollidingNames(static_cast<int>(state.range(0))));
}

// As long as the crafted names, so that only the hash values differ.
void EverydayNames(benchmark::State& state)
{
    std::vector<std::string> names;
    for (int i = 0; i < state.range(0); ++i)
    {
        std::string name = "Customer " + std::to_string(i) + " ";
        name.resize(102, 'x');
        names.push_back(name);
    }
    Load(state, names);
}

} // namespace

BENCHMARK(CraftedNames)->Arg(20000)->Arg(40000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(EverydayNames)->Arg(20000)->Arg(40000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
