// Any bytes as the data file, beside any bytes as its ".old" copy, for a whole start of the
// program without its windows: load, settings, projects, a clock update and the save at the
// end. No crash, hang or sanitizer report, and the file the end writes loads again.
#include "app/Tallydene.h"
#include "tests/app/FakeUtcClock.h"
#include "toolbox/Places.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace
{

namespace fs = std::filesystem;

const fs::path& Folder()
{
    static const fs::path folder = []
    {
        fs::path made =
            fs::temp_directory_path() / ("tallydene-start-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(made / "program");
        setenv("XDG_DATA_HOME", (made / "data").c_str(), 1);
        toolbox::Places::SetProgramPath(toolbox::String((made / "program" / "tallydene").c_str()));
        std::atexit([] { fs::remove_all(Folder()); });
        return made;
    }();
    return folder;
}

void Write(const fs::path& file, const uint8_t* data, size_t size)
{
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fs::path folder = Folder() / "data" / "Brindlecott" / "Tallydene";
    fs::remove_all(folder);
    fs::create_directories(folder);
    if (size == 0)
        return 0;
    // The first byte tells how much of the rest is the file; what follows is its ".old" copy.
    const size_t fileSize = std::min<size_t>(size_t{data[0]} * 64, size - 1);
    Write(folder / "tallydene.cfg", data + 1, fileSize);
    Write(folder / "tallydene.cfg.old", data + 1 + fileSize, size - 1 - fileSize);

    FakeUtcClock clock;
    clock.Set(2026, 12, 8, 12, 0, 0);
    {
        Tallydene app(clock, ',');
        clock.Advance(3600);
        app.UpdateTime();
        if (!app.End(nullptr))
            std::abort();
    }
    FakeUtcClock later;
    Tallydene again(later, ',');
    if (again.GetLoadReport().loaded.empty())
        std::abort();
    again.SkipShutdownSteps();
    again.Abandon();
    return 0;
}
