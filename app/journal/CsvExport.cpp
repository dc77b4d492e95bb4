#include "app/journal/CsvExport.h"

#include "app/clock/LocalDates.h"
#include "app/journal/JournalFile.h"
#include "app/journal/SessionsCsv.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <limits>
#include <vector>

namespace
{

constexpr int kWritten = 0;
constexpr int kNotWritten = 1;
constexpr int kBadArguments = 2;

struct Request
{
    std::string file;
    std::string from;
    std::string to;
};

// The arguments after --export-csv; "/log" and its level word may stand anywhere.
std::optional<Request> ReadRequest(const std::vector<std::string>& arguments,
                                   const std::string& option, std::ostream& errors)
{
    Request request;
    // Every argument is a name followed by its value.
    for (size_t i = 0; i < arguments.size(); i += 2)
    {
        const std::string& name = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        std::string* value = nullptr;
        if (name == option)
            value = &request.file;
        else if (name == "--from")
            value = &request.from;
        else if (name == "--to")
            value = &request.to;
        else if (name != "/log")
        {
            errors << "tallydene: unknown argument \"" << name << "\"\n";
            return std::nullopt;
        }
        if (!hasValue)
        {
            errors << "tallydene: " << name << " needs a value\n";
            return std::nullopt;
        }
        if (value != nullptr)
            *value = arguments[i + 1];
    }
    if (request.file.empty())
    {
        errors << "tallydene: " << option << " needs the name of the file to write\n";
        return std::nullopt;
    }
    return request;
}

std::optional<int64_t> ReadDate(const std::string& option, const std::string& text, int daysLater,
                                int64_t whenMissing, std::ostream& errors)
{
    if (text.empty())
        return whenMissing;
    const std::optional<int64_t> moment = LocalDates::StartOfDate(text, daysLater);
    if (!moment)
        errors << "tallydene: " << option << " needs a date written as YYYY-MM-DD, not \"" << text
               << "\"\n";
    return moment;
}

bool WriteFile(const std::string& path, const std::string& text, std::ostream& errors)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
    {
        errors << "tallydene: cannot write \"" << path << "\": " << std::strerror(errno) << '\n';
        return false;
    }
    const bool written =
        std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
    const int error = errno;
    if (std::fclose(file) != 0 || !written)
    {
        errors << "tallydene: cannot write \"" << path
               << "\": " << std::strerror(written ? errno : error) << '\n';
        return false;
    }
    return true;
}

} // namespace

std::optional<int> CsvExport::Run(int argc, const char* const* argv, const std::string& journalPath,
                                  std::ostream& errors)
{
    return RunExport(argc, argv, "--export-csv", journalPath, errors,
                     [](const std::vector<Session>& sessions, int64_t)
                     { return SessionsCsv::Text(sessions); });
}

std::optional<int> CsvExport::RunExport(int argc, const char* const* argv,
                                        const std::string& option, const std::string& journalPath,
                                        std::ostream& errors, const ExportText& text,
                                        bool withRunning)
{
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    bool asked = false;
    for (const std::string& argument : arguments)
        asked = asked || argument == option;
    if (!asked)
        return std::nullopt;

    const std::optional<Request> request = ReadRequest(arguments, option, errors);
    if (!request)
        return kBadArguments;
    const auto from =
        ReadDate("--from", request->from, 0, std::numeric_limits<int64_t>::min(), errors);
    const auto to = ReadDate("--to", request->to, 1, std::numeric_limits<int64_t>::max(), errors);
    if (!from || !to)
        return kBadArguments;
    if (*to <= *from)
    {
        errors << "tallydene: the --to date lies before the --from date\n";
        return kBadArguments;
    }

    const int64_t now = std::time(nullptr);
    const std::vector<JournalEntry> entries = JournalFile(journalPath).ReadPlausible(now);
    std::vector<Session> chosen = SessionsBetween(entries, *from, *to, now);
    if (!withRunning && !chosen.empty() && chosen.back().running)
        chosen.pop_back();
    return WriteFile(request->file, text(chosen, now), errors) ? kWritten : kNotWritten;
}
