// Feeds every file of the given folders once to the fuzz entry function it is linked with, as
// the fuzzer does with its seeds, so that an input that once crashed stays a test in the
// normal builds. A crash, a sanitizer report or an abort fails the run; the input being fed
// is named first.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace
{

namespace fs = std::filesystem;

std::vector<uint8_t> ReadBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> InputsIn(const fs::path& folder)
{
    std::vector<fs::path> inputs;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file())
            inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::cerr << "usage: " << argv[0] << " corpus-folder...\n";
        return 2;
    }
    size_t replayed = 0;
    for (int i = 1; i < argc; ++i)
    {
        for (const fs::path& input : InputsIn(argv[i]))
        {
            std::cerr << "replaying " << input.string() << std::endl;
            const std::vector<uint8_t> bytes = ReadBytes(input);
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++replayed;
        }
    }
    // An empty or misnamed folder would otherwise pass without testing anything.
    if (replayed == 0)
    {
        std::cerr << "no inputs found\n";
        return 1;
    }
    std::cerr << replayed << " inputs replayed\n";
    return 0;
}
