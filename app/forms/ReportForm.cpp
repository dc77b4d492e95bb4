#include "app/forms/ReportForm.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/clock/LocalDates.h"
#include "app/journal/JournalNames.h"
#include "app/journal/SessionsCsv.h"
#include "toolbox/SystemTime.h"
#include "toolbox/Translation.h"

#include <algorithm>
#include <ctime>
#include <fstream>
#include <map>

namespace
{

using toolbox::Translation;

// Kinds that are time worked: not zeroing, cleaning up or moving time between todos.
bool IsWork(const std::string& kind)
{
    return kind == JournalKind::session || kind == JournalKind::add ||
           kind == JournalKind::remove || kind == JournalKind::edit || kind == JournalKind::erase;
}

// A name on one line of the table.
std::string OneLine(std::string name)
{
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return name;
}

// Characters, not bytes: the names are UTF-8.
size_t WidthOf(const std::string& text)
{
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The rows as columns two spaces apart; the columns from the first number on are set right.
std::string Aligned(const std::vector<std::vector<std::string>>& rows, size_t firstNumber)
{
    std::vector<size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows)
        for (size_t column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], WidthOf(row[column]));
    std::string text;
    for (const auto& row : rows)
    {
        std::string line;
        for (size_t column = 0; column < row.size(); ++column)
        {
            const std::string padding(widths[column] - WidthOf(row[column]), ' ');
            line += column == 0 ? "" : "  ";
            line += column < firstNumber ? row[column] + padding : padding + row[column];
        }
        text += line.substr(0, line.find_last_not_of(' ') + 1) + '\n';
    }
    return text;
}

} // namespace

void ReportForm::Open(int firstWeekday)
{
    const int64_t now = SessionJournal::UnixTimeOf(app.Now());
    std::vector<JournalEntry> entries =
        app.GetSharing().WithOtherMachines(app.GetJournal().GetFile().ReadPlausible(now), now);
    if (const std::optional<JournalEntry>& running = app.GetJournal().GetRunningSession())
    {
        entries.push_back(*running);
        entries.back().kind = JournalKind::session;
    }
    openedAt = SessionJournal::UnixTimeOf(app.Now());
    balanceAtOpen = app.GetOvertimeAccount().GetBalance();
    // Before its earliest entry the journal cannot explain the balance; a session added for a
    // past day may be earlier than the entries written before it.
    int64_t earliest = openedAt;
    for (const JournalEntry& entry : entries)
        earliest = std::min(earliest, entry.start);
    firstDay = ReportPeriod(ReportSpan::day, earliest, 0).GetStart();
    JournalNames journalNames;
    booked.clear();
    unchargedDates.clear();
    for (const JournalEntry& entry : entries)
    {
        if (entry.kind == JournalKind::uncharged && entry.note.size() == 21)
            unchargedDates.emplace_back(entry.note.substr(0, 10), entry.note.substr(11));
        else if (entry.kind == JournalKind::rename || entry.kind == JournalKind::move)
            journalNames.Rename(entry);
        else if (entry.MovesTime())
            booked.push_back({entry.start, journalNames.Of(entry), IsWork(entry.kind),
                              entry.todoSeconds, entry.projectSeconds, entry.balanceSeconds});
    }
    names.clear();
    for (size_t identity = 0; identity < journalNames.Count(); ++identity)
        names.push_back(journalNames.NamesOf(identity));
    shownDay = openedAt;
    period.emplace(ReportSpan::week, shownDay, firstWeekday);
    Fill();
}

void ReportForm::ShowSpan(ReportSpan span)
{
    period = ReportPeriod(span, shownDay, period->GetFirstWeekday());
    Fill();
}

void ReportForm::Step(int count)
{
    period->Step(count);
    shownDay = period->GetStart();
    Fill();
}

void ReportForm::Fill()
{
    FillTotals();
    FillDays();
}

void ReportForm::FillTotals()
{
    // Sorted by name: a project's total, then its todos'.
    std::map<std::string, std::pair<int64_t, std::map<std::string, int64_t>>> byProject;
    for (const Booked& each : booked)
    {
        const auto& [project, todo] = names[each.identity];
        if (each.moment < period->GetStart() || each.moment >= period->GetEnd() || project.empty())
            continue;
        auto& [projectSeconds, todos] = byProject[project];
        projectSeconds += each.project;
        if (!todo.empty())
            todos[todo] += each.todo;
    }
    totals.clear();
    for (const auto& [project, sums] : byProject)
    {
        const auto& [projectSeconds, todos] = sums;
        const bool anyTodo = std::any_of(todos.begin(), todos.end(),
                                         [](const auto& todo) { return todo.second != 0; });
        if (projectSeconds == 0 && !anyTodo)
            continue;
        totals.push_back({project, "", projectSeconds});
        for (const auto& [todo, seconds] : todos)
            if (seconds != 0)
                totals.push_back({project, todo, seconds});
    }
}

void ReportForm::FillDays()
{
    const std::vector<int64_t>& starts = period->Days();
    days.clear();
    for (size_t index = 0; index < starts.size(); ++index)
    {
        const int64_t start = starts[index];
        const int64_t end = index + 1 < starts.size() ? starts[index + 1] : period->GetEnd();
        const bool known = start >= firstDay;
        Day day{start, 0, 0, known && IsUncharged(start), std::nullopt};
        if (known && !day.uncharged)
            day.target = TargetOf(start);
        for (const Booked& each : booked)
            if (each.worked && each.moment >= start && each.moment < end)
                day.worked += each.todo;
        if (known && start <= openedAt)
            day.balance = BalanceAt(end);
        days.push_back(day);
    }
}

int64_t ReportForm::BalanceAt(int64_t moment) const
{
    // Back from the balance at the opening: what was booked since, and the targets charged.
    int64_t balance = balanceAtOpen;
    for (const Booked& each : booked)
        if (each.moment >= moment)
            balance -= each.balance;
    for (ReportPeriod later(ReportSpan::day, moment, 0); later.GetStart() <= openedAt;
         later.Step(1))
        if (!IsUncharged(later.GetStart()))
            balance += TargetOf(later.GetStart());
    return balance;
}

int64_t ReportForm::TargetOf(int64_t dayStart) const
{
    if (!app.GetOptions().IsWorkingTimeEnabled())
        return 0;
    const std::time_t time = static_cast<std::time_t>(dayStart);
    std::tm local = toolbox::LocalFieldsOf(time);
    // The account counts its weekdays from Monday.
    return app.GetOvertimeAccount().GetTarget((local.tm_wday + 6) % 7);
}

std::string ReportForm::ShownHours(int64_t seconds) const
{
    std::string hours = SessionsCsv::DecimalHours(seconds);
    std::replace(hours.begin(), hours.end(), '.', app.GetDurations().DecimalChar());
    return hours;
}

bool ReportForm::IsUncharged(int64_t dayStart) const
{
    const std::string date = LocalDates::Text(dayStart, "%Y-%m-%d");
    return std::any_of(unchargedDates.begin(), unchargedDates.end(),
                       [&](const auto& dates)
                       { return dates.first <= date && date <= dates.second; });
}

std::string ReportForm::Text() const
{
    std::vector<std::vector<std::string>> totalRows{
        {Translation::Tr("Project"), Translation::Tr("Todo"), Translation::Tr("Time"),
         Translation::Tr("Hours")}};
    for (const Total& total : totals)
        totalRows.push_back({OneLine(total.todo.empty() ? total.project : ""), OneLine(total.todo),
                             SessionsCsv::HoursAndMinutes(total.seconds),
                             SessionsCsv::DecimalHours(total.seconds)});
    std::vector<std::vector<std::string>> dayRows{
        {Translation::Tr("Day"), Translation::Tr("Worked"), Translation::Tr("Target"),
         Translation::Tr("Balance")}};
    for (const Day& day : days)
        dayRows.push_back({LocalDates::Text(day.start, "%Y-%m-%d"),
                           SessionsCsv::HoursAndMinutes(day.worked),
                           day.uncharged ? Translation::Tr("uncharged")
                                         : SessionsCsv::HoursAndMinutes(day.target),
                           day.balance ? SessionsCsv::HoursAndMinutes(*day.balance) : ""});
    return period->Title() + "\n\n" + Aligned(totalRows, 2) + '\n' + Aligned(dayRows, 1);
}

std::string ReportForm::Csv() const
{
    const std::string from = LocalDates::Text(period->GetStart(), "%Y-%m-%d");
    const std::string to = LocalDates::Text(period->Days().back(), "%Y-%m-%d");
    std::string text = "From,To,Project,Todo,Duration,Hours\r\n";
    for (const Total& total : totals)
        text += from + ',' + to + ',' + SessionsCsv::Field(total.project) + ',' +
                SessionsCsv::Field(total.todo) + ',' + SessionsCsv::HoursAndMinutes(total.seconds) +
                ',' + SessionsCsv::DecimalHours(total.seconds) + "\r\n";
    return text;
}

SessionExport ReportForm::PeriodSessions() const
{
    const int64_t now = SessionJournal::UnixTimeOf(app.Now());
    return {SessionsBetween(app.GetJournal().GetFile().ReadPlausible(now), period->GetStart(),
                            period->GetEnd(), now),
            app.GetOptions().IsCalendarPerDay(), now};
}

bool ReportForm::ExportCsv(const std::string& path, Prompts& prompts) const
{
    const std::string text = Csv();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (file)
        return true;
    prompts.Refuse(Translation::TrFormat("The report could not be written to %s.", {path}));
    return false;
}
