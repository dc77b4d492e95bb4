#include "app/journal/JournalEntry.h"

#include <charconv>
#include <cstdlib>
#include <vector>

namespace
{

constexpr int64_t kDay = 24 * 60 * 60;
constexpr int64_t kFirstMoment = 631152000; // 1 January 1990, 00:00 UTC
constexpr int64_t kLongestSession = 7 * kDay;
// No change between two of the program's durations (32 bits) is larger.
constexpr int64_t kLargestAmount = int64_t{1} << 32;

std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (char c : text)
    {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\t')
            escaped += "\\t";
        else if (c == '\r')
            escaped += "\\r";
        else if (c == '\n')
            escaped += "\\n";
        else
            escaped += c;
    }
    return escaped;
}

std::optional<std::string> Unescaped(const std::string& text)
{
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] != '\\')
        {
            plain += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i])
        {
        case '\\':
            plain += '\\';
            break;
        case 't':
            plain += '\t';
            break;
        case 'r':
            plain += '\r';
            break;
        case 'n':
            plain += '\n';
            break;
        default:
            return std::nullopt;
        }
    }
    return plain;
}

std::optional<int64_t> Number(const std::string& text)
{
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (char c : line)
    {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

} // namespace

std::string JournalEntry::Format() const
{
    return Escaped(kind) + '\t' + std::to_string(start) + '\t' + std::to_string(end) + '\t' +
           std::to_string(todoSeconds) + '\t' + std::to_string(projectSeconds) + '\t' +
           std::to_string(balanceSeconds) + '\t' + Escaped(project) + '\t' + Escaped(todo) + '\t' +
           Escaped(note) +
           (device.empty() ? std::string()
                           : '\t' + todoId + '\t' + projectId + '\t' + Escaped(value) + '\t' +
                                 device + '\t' + std::to_string(sequence) + '\t' + stamp) +
           "\r\n";
}

std::optional<JournalEntry> JournalEntry::Parse(const std::string& line)
{
    const std::vector<std::string> fields = Fields(line);
    if ((fields.size() != 9 && fields.size() != 15) || fields[0].empty())
        return std::nullopt;
    const auto start = Number(fields[1]);
    const auto end = Number(fields[2]);
    const auto todoSeconds = Number(fields[3]);
    const auto projectSeconds = Number(fields[4]);
    const auto balanceSeconds = Number(fields[5]);
    const auto project = Unescaped(fields[6]);
    const auto todo = Unescaped(fields[7]);
    const auto note = Unescaped(fields[8]);
    if (!start || !end || !todoSeconds || !projectSeconds || !balanceSeconds || !project || !todo ||
        !note)
        return std::nullopt;
    JournalEntry entry{fields[0],       *start,   *end,  *todoSeconds, *projectSeconds,
                       *balanceSeconds, *project, *todo, *note};
    if (fields.size() == 15)
    {
        const auto value = Unescaped(fields[11]);
        const auto sequence = Number(fields[13]);
        if (!value || !sequence)
            return std::nullopt;
        entry.todoId = fields[9];
        entry.projectId = fields[10];
        entry.value = *value;
        entry.device = fields[12];
        entry.sequence = *sequence;
        entry.stamp = fields[14];
    }
    return entry;
}

bool JournalEntry::IsPlausible(int64_t now) const
{
    const auto withinAmount = [](int64_t seconds)
    { return seconds >= -kLargestAmount && seconds <= kLargestAmount; };
    return start >= kFirstMoment && end >= start && end - start <= kLongestSession &&
           end <= now + kDay && withinAmount(todoSeconds) && withinAmount(projectSeconds) &&
           withinAmount(balanceSeconds);
}

bool JournalEntry::MovesTime() const
{
    static constexpr const char* kNoMove[] = {JournalKind::newProject,    JournalKind::newTodo,
                                              JournalKind::deleteProject, JournalKind::deleteTodo,
                                              JournalKind::charged,       JournalKind::books,
                                              JournalKind::open,          JournalKind::progress};
    for (const char* other : kNoMove)
        if (kind == other)
            return false;
    return todoSeconds != 0 || projectSeconds != 0 || balanceSeconds != 0;
}

std::string JournalEntry::SessionChange(int64_t& before) const
{
    before = 0;
    std::string change;
    std::string startBefore;
    if (kind == JournalKind::session || kind == JournalKind::edit || kind == JournalKind::erase)
    {
        change = kind;
        startBefore = note;
    }
    else if ((kind == JournalKind::undo || kind == JournalKind::redo) && !value.empty())
    {
        const size_t comma = value.find(',');
        change = value.substr(0, comma);
        if (comma != std::string::npos)
            startBefore = value.substr(comma + 1);
    }
    else
        return {};
    if (change == JournalKind::session)
        return change;
    if (change != JournalKind::edit && change != JournalKind::erase)
        return {};
    const char* first = startBefore.data();
    const char* last = first + startBefore.size();
    const auto [end, problem] = std::from_chars(first, last, before);
    return problem == std::errc() && end == last ? change : std::string();
}
