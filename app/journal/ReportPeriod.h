#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a report covers: one local day, one week or one calendar month.
enum class ReportSpan
{
    day,
    week,
    month
};

// The days a report covers, in local time; weeks start on the locale's first weekday.
class ReportPeriod
{
public:
    // The period of the span holding the moment (UTC seconds since 1970). firstWeekday counts
    // from 0 for Sunday to 6 for Saturday.
    ReportPeriod(ReportSpan span, int64_t moment, int firstWeekday);

    // The period as many spans later, or earlier for a negative count.
    void Step(int count);

    ReportSpan GetSpan() const { return span; }
    int GetFirstWeekday() const { return firstWeekday; }
    // The local midnight starting each day, and the one ending the last.
    const std::vector<int64_t>& Days() const { return days; }
    int64_t GetStart() const { return days.front(); }
    int64_t GetEnd() const { return end; }
    // As the window's heading shows it, in the user's language.
    std::string Title() const;

private:
    void Fill(int year, int month, int day);

    ReportSpan span;
    int firstWeekday;
    std::vector<int64_t> days;
    int64_t end = 0;
};
