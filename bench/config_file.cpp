// Reading and writing the configuration file of 100, 1,000 and 10,000 projects of 10 todos
// each, beside a plain read and write of the same bytes: the cost should grow with the size
// only. The files live in a temporary folder that goes at the end of the run.
#include "toolbox/Config.h"
#include "toolbox/ConfigFileWriter.h"
#include "toolbox/ConfigFormat.h"
#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/FileSystem.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

using toolbox::Config;
using toolbox::ConfigSection;

void Fill(Config& config, int projects)
{
    ConfigSection& root = config.GetRoot();
    ConfigSection& options = root.GetSection("Options");
    options.GetParameter("AutoSaveEnabled").SetBool(true);
    options.GetParameter("TrayIcon").SetBool(false);
    root.GetSection("WorkingTime").GetParameter("Actual").SetInt(-1800);
    ConfigSection& list = root.GetSection("Projects");
    for (int p = 0; p < projects; ++p)
    {
        ConfigSection& project = list.GetSection(
            ("Customer " + std::to_string(p * 7919 % projects) + " website").c_str());
        project.GetParameter("Comment").SetString("Weekly report due on Fridays");
        project.GetParameter("Expanded").SetBool(p % 2 == 0);
        project.GetParameter("TotalTime").SetInt(p * 3600);
        ConfigSection& todos = project.GetSection("Todos");
        for (int t = 0; t < 10; ++t)
        {
            ConfigSection& todo = todos.GetSection(("Fix issue #" + std::to_string(t)).c_str());
            todo.GetParameter("Comment").SetString("line1\nline2 with <markup> and a/b");
            todo.GetParameter("Expanded").SetBool(true);
            todo.GetParameter("Priority").SetInt(t % 6);
            todo.GetParameter("Time").SetInt(t * 60);
        }
    }
}

struct Fixture
{
    std::unique_ptr<Config> config = std::make_unique<Config>();
    std::string text; // the file's bytes
    std::string file;
};

// Made on first use and removed with everything in it when the program ends.
class TemporaryFolder
{
public:
    TemporaryFolder()
    {
        char pattern[] = "/tmp/tallydene-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            std::abort();
        path = pattern;
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string path;
};

std::string Folder()
{
    static TemporaryFolder folder;
    return folder.path;
}

Fixture& Get(int projects)
{
    static std::map<int, Fixture> fixtures;
    Fixture& fixture = fixtures[projects];
    if (fixture.text.empty())
    {
        Fill(*fixture.config, projects);
        fixture.file = Folder() + "/projects" + std::to_string(projects) + ".cfg";
        if (!fixture.config->SaveFile(fixture.file.c_str()) ||
            toolbox::FileSystem::Native().ReadWholeFile(fixture.file.c_str(), fixture.text) !=
                toolbox::FileSystem::ReadResult::Read)
            std::abort();
    }
    return fixture;
}

void Report(benchmark::State& state, const Fixture& fixture)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(fixture.text.size()));
    state.counters["file_MB"] = static_cast<double>(fixture.text.size()) / 1e6;
}

void Parse(benchmark::State& state)
{
    Fixture& fixture = Get(static_cast<int>(state.range(0)));
    std::string text;
    // Into an empty store, as at start-up; destroying the tree is not part of a load. A parse
    // uses its text up, so each gets a fresh copy, as each load reads one.
    for (auto _ : state)
    {
        state.PauseTiming();
        text = fixture.text;
        auto config = std::make_unique<Config>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(config->Parse(text.data()));
        state.PauseTiming();
        config.reset();
        state.ResumeTiming();
    }
    Report(state, fixture);
}

void WriteWithoutSync(benchmark::State& state)
{
    Fixture& fixture = Get(static_cast<int>(state.range(0)));
    const std::string target = fixture.file + ".write";
    for (auto _ : state)
    {
        toolbox::ConfigFileWriter writer;
        if (!writer.Open(target.c_str()) || !toolbox::ConfigFormat::Write(fixture.config->GetRoot(), writer) ||
            !writer.Flush() || !writer.Close())
            state.SkipWithError("write failed");
    }
    Report(state, fixture);
}

void Save(benchmark::State& state)
{
    Fixture& fixture = Get(static_cast<int>(state.range(0)));
    for (auto _ : state)
        if (!fixture.config->SaveFile(fixture.file.c_str()))
            state.SkipWithError("save failed");
    Report(state, fixture);
}

void PlainRead(benchmark::State& state)
{
    Fixture& fixture = Get(static_cast<int>(state.range(0)));
    std::string bytes;
    for (auto _ : state)
    {
        int file = open(fixture.file.c_str(), O_RDONLY);
        bytes.resize(fixture.text.size());
        benchmark::DoNotOptimize(read(file, bytes.data(), bytes.size()));
        close(file);
    }
    Report(state, fixture);
}

// The bytes that end a token, as the parser's own scan has them.
constexpr std::array<bool, 256> kMarks = []
{
    std::array<bool, 256> marks{};
    for (unsigned char mark : {'\0', '<', '>', '\\'})
        marks[mark] = true;
    return marks;
}();

// The least any parse of this text does: every byte looked at once, through a table of the
// bytes that end a token, as the parser's own scan does.
void ScanMarks(benchmark::State& state)
{
    Fixture& fixture = Get(static_cast<int>(state.range(0)));
    for (auto _ : state)
    {
        std::size_t marks = 0;
        for (const char* p = fixture.text.c_str();; ++p)
        {
            while (!kMarks[static_cast<unsigned char>(*p)])
                ++p;
            if (*p == '\0')
                break;
            ++marks;
        }
        benchmark::DoNotOptimize(marks);
    }
    Report(state, fixture);
}

// The bytes a reader skips around tags and values.
bool IsLayout(char c)
{
    return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '\f';
}

// One node of the barest tree the text can be read into.
struct BareNode
{
    const char* name;
    const char* value;
    std::size_t length;
    BareNode* first;
    BareNode* last;
    BareNode* next;
};

// Nodes cut one after another from 64 KB blocks, all freed together.
class BareArena
{
public:
    BareNode* Take()
    {
        if (left == 0)
        {
            blocks.push_back(std::make_unique_for_overwrite<BareNode[]>(kPerBlock));
            left = kPerBlock;
        }
        return &blocks.back()[kPerBlock - left--];
    }
    std::size_t Count() const { return blocks.size() * kPerBlock - left; }

private:
    static constexpr std::size_t kPerBlock = 65536 / sizeof(BareNode);
    std::vector<std::unique_ptr<BareNode[]>> blocks;
    std::size_t left = 0;
};

// The least any tree of this text costs: the scan above, and for each tag one node cut from an
// arena and hung under the open one, its name ended and its value unescaped where they stand.
// Nothing is hashed, looked up, sorted or copied. What the parse spends beyond this goes on
// the store's own work: its maps, its sorted names and its values' strings.
void BareTree(benchmark::State& state)
{
    Fixture& fixture = Get(static_cast<int>(state.range(0)));
    std::string text;
    std::vector<BareNode*> open;
    std::size_t nodes = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        text = fixture.text;
        auto arena = std::make_unique<BareArena>();
        state.ResumeTiming();
        BareNode root{};
        open.assign(1, &root);
        for (char* p = text.data(); *p != '\0';)
        {
            char* begin = p;
            char* end = *p == '<' ? p + 1 : p;
            bool escapes = false;
            for (;;)
            {
                while (!kMarks[static_cast<unsigned char>(*end)])
                    ++end;
                if (*end != '\\')
                    break;
                escapes = true;
                end += end[1] != '\0' ? 2 : 1;
            }
            if (*end == '>')
                ++end;
            p = end;
            while (begin < end && IsLayout(*begin))
                ++begin;
            while (end > begin && IsLayout(end[-1]))
                --end;
            if (begin == end)
                continue;
            if (begin[0] == '<' && begin[1] == '/')
            {
                if (open.size() > 1)
                    open.pop_back();
            }
            else if (begin[0] == '<')
            {
                end[-1] = '\0';
                BareNode* node = arena->Take();
                *node = {begin + 1, "", 0, nullptr, nullptr, nullptr};
                BareNode* parent = open.back();
                (parent->last != nullptr ? parent->last->next : parent->first) = node;
                parent->last = node;
                open.push_back(node);
            }
            else
            {
                char* to = begin;
                if (escapes)
                    for (const char* from = begin; from < end; ++from)
                        *to++ = *from == '\\' && from + 1 < end ? *++from : *from;
                open.back()->value = begin;
                open.back()->length = static_cast<std::size_t>((escapes ? to : end) - begin);
            }
        }
        benchmark::DoNotOptimize(root.first);
        state.PauseTiming();
        if (open.size() != 1)
            state.SkipWithError("the tags do not close");
        nodes = arena->Count();
        arena.reset();
        state.ResumeTiming();
    }
    Report(state, fixture);
    state.counters["nodes"] = static_cast<double>(nodes);
}

void PlainWrite(benchmark::State& state, bool sync)
{
    Fixture& fixture = Get(static_cast<int>(state.range(0)));
    const std::string target = fixture.file + ".plain";
    for (auto _ : state)
    {
        int file = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        benchmark::DoNotOptimize(write(file, fixture.text.data(), fixture.text.size()));
        if (sync)
            fsync(file);
        close(file);
    }
    Report(state, fixture);
}

void PlainWriteWithoutSync(benchmark::State& state)
{
    PlainWrite(state, false);
}

void PlainWriteAndSync(benchmark::State& state)
{
    PlainWrite(state, true);
}

} // namespace

BENCHMARK(Parse)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanMarks)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BareTree)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainRead)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteWithoutSync)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainWriteWithoutSync)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainWriteAndSync)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
