#include "app/journal/ReportPeriod.h"

#include "app/clock/LocalDates.h"
#include "toolbox/SystemTime.h"
#include "toolbox/Translation.h"

#include <ctime>

namespace
{

// The local date of a day, normalised: mktime carries 32 March into April.
std::tm LocalDate(int year, int month, int day)
{
    std::tm date{};
    date.tm_year = year - 1900;
    date.tm_mon = month;
    date.tm_mday = day;
    // Noon: no change of summer time moves it into another day.
    date.tm_hour = 12;
    date.tm_isdst = -1;
    std::mktime(&date);
    return date;
}

int64_t MidnightOf(const std::tm& date)
{
    std::tm midnight = date;
    midnight.tm_hour = 0;
    midnight.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&midnight));
}

} // namespace

ReportPeriod::ReportPeriod(ReportSpan span, int64_t moment, int firstWeekday)
    : span(span), firstWeekday(firstWeekday)
{
    const std::time_t time = static_cast<std::time_t>(moment);
    std::tm local = toolbox::LocalFieldsOf(time);
    Fill(local.tm_year + 1900, local.tm_mon, local.tm_mday);
}

void ReportPeriod::Step(int count)
{
    const std::time_t time = static_cast<std::time_t>(GetStart());
    std::tm first = toolbox::LocalFieldsOf(time);
    const int year = first.tm_year + 1900;
    if (span == ReportSpan::month)
        Fill(year, first.tm_mon + count, 1);
    else
        Fill(year, first.tm_mon, first.tm_mday + count * (span == ReportSpan::week ? 7 : 1));
}

void ReportPeriod::Fill(int year, int month, int day)
{
    std::tm first = LocalDate(year, month, day);
    if (span == ReportSpan::week)
        first = LocalDate(year, month, day - (first.tm_wday - firstWeekday + 7) % 7);
    else if (span == ReportSpan::month)
        first = LocalDate(year, month, 1);
    const int count = span == ReportSpan::day ? 1
                      : span == ReportSpan::week
                          ? 7
                          : LocalDate(first.tm_year + 1900, first.tm_mon + 1, 0).tm_mday;
    days.clear();
    for (int index = 0; index < count; ++index)
        days.push_back(
            MidnightOf(LocalDate(first.tm_year + 1900, first.tm_mon, first.tm_mday + index)));
    end = MidnightOf(LocalDate(first.tm_year + 1900, first.tm_mon, first.tm_mday + count));
}

std::string ReportPeriod::Title() const
{
    using toolbox::Translation;
    switch (span)
    {
    case ReportSpan::day:
        return LocalDates::Text(GetStart(), Translation::Tr("%A, %d %B %Y").c_str());
    case ReportSpan::week:
        return LocalDates::Text(GetStart(), Translation::Tr("%d %B %Y").c_str()) + " - " +
               LocalDates::Text(days.back(), Translation::Tr("%d %B %Y").c_str());
    default:
        return LocalDates::Text(GetStart(), Translation::Tr("%B %Y").c_str());
    }
}
