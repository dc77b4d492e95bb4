#pragma once

#include "app/journal/SessionHistory.h"

#include "app/journal/ReportPeriod.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Prompts;
class Tallydene;

// The report window's form: what the journal says was booked in a day, a week or a month.
// Its totals per project and per todo add up every session and every change made by hand in
// the period, so over a period they agree with how far the tree's numbers moved. Per day it
// gives the time worked, the day's target and the overtime balance at the day's end.
class ReportForm
{
public:
    explicit ReportForm(Tallydene& app) : app(app) {}

    // Reads the journal, the running session included, and shows the week of today.
    // firstWeekday: 0 for Sunday up to 6 for Saturday, as the user's locale has it.
    void Open(int firstWeekday);
    // The period of the span holding the day last stepped to, or today.
    void ShowSpan(ReportSpan span);
    // The period as many spans later, or earlier for a negative count.
    void Step(int count);

    const ReportPeriod& GetPeriod() const { return *period; }

    // A project's total has an empty todo and comes before its todos' totals.
    struct Total
    {
        std::string project;
        std::string todo;
        int64_t seconds;
    };
    const std::vector<Total>& Totals() const { return totals; }

    struct Day
    {
        int64_t start;
        // Sessions and time added or removed by hand.
        int64_t worked;
        // Charged on the balance: none before the first day, none on a day left uncharged.
        int64_t target;
        // The user left the target of this day uncharged after a long gap.
        bool uncharged;
        // At the day's end; none before the first day and for days still to come.
        std::optional<int64_t> balance;
    };
    const std::vector<Day>& Days() const { return days; }

    // Hours with two decimals and the user's decimal character, as the window shows them.
    std::string ShownHours(int64_t seconds) const;

    // A plain table for the clipboard, columns aligned with spaces.
    std::string Text() const;
    // The totals as comma-separated values with a header row (RFC 4180).
    std::string Csv() const;
    // The sessions that start within the period, for the calendar export.
    SessionExport PeriodSessions() const;
    // Refused with a message when the file cannot be written.
    bool ExportCsv(const std::string& path, Prompts& prompts) const;

private:
    // What one journal entry moved, under the identity of its todo's names.
    struct Booked
    {
        int64_t moment;
        size_t identity;
        bool worked;
        int64_t todo;
        int64_t project;
        int64_t balance;
    };

    void Fill();
    void FillTotals();
    void FillDays();
    // The balance at the moment, a day's start, as the journal read at the opening tells it.
    int64_t BalanceAt(int64_t moment) const;
    int64_t TargetOf(int64_t dayStart) const;
    bool IsUncharged(int64_t dayStart) const;

    Tallydene& app;
    std::optional<ReportPeriod> period;
    int64_t shownDay = 0;
    // The moment the window opened and the balance then, which the journal read then explains.
    int64_t openedAt = 0;
    int64_t balanceAtOpen = 0;
    int64_t firstDay = 0;
    // Dates (YYYY-MM-DD, first and last) whose targets were left uncharged.
    std::vector<std::pair<std::string, std::string>> unchargedDates;
    std::vector<Booked> booked;
    std::vector<std::pair<std::string, std::string>> names;
    std::vector<Total> totals;
    std::vector<Day> days;
};
