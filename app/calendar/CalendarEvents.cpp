#include "app/calendar/CalendarEvents.h"

#include "app/clock/LocalDates.h"
#include "app/journal/SessionsCsv.h"
#include "toolbox/TextHash.h"

#include <libical/ical.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <tuple>

namespace
{

struct ComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

std::string Description(const Session& session, const std::string& extra)
{
    std::string text = "Project: " + session.project + "\nTodo: " + session.todo;
    if (!extra.empty())
        text += '\n' + extra;
    return text;
}

icaltimetype UtcTime(int64_t moment)
{
    return icaltime_from_timet_with_zone(static_cast<time_t>(moment), 0,
                                         icaltimezone_get_utc_timezone());
}

icaltimetype LocalDate(int64_t moment)
{
    icaltimetype date = icaltime_null_date();
    std::sscanf(LocalDates::Text(moment, "%Y %m %d").c_str(), "%d %d %d", &date.year, &date.month,
                &date.day);
    return date;
}

int64_t MomentOf(icaltimetype time)
{
    if (time.is_date)
    {
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", time.year, time.month, time.day);
        return LocalDates::StartOfDate(text).value_or(0);
    }
    return static_cast<int64_t>(icaltime_as_timet_with_zone(
        time, time.zone != nullptr ? time.zone : icaltimezone_get_utc_timezone()));
}

icalcomponent* EventComponent(const CalendarEvent& event, int64_t stamp)
{
    icalcomponent* component = icalcomponent_new_vevent();
    icalcomponent_add_property(component, icalproperty_new_uid(event.uid.c_str()));
    icalcomponent_add_property(component, icalproperty_new_dtstamp(UtcTime(stamp)));
    icalcomponent_add_property(
        component,
        icalproperty_new_dtstart(event.wholeDay ? LocalDate(event.start) : UtcTime(event.start)));
    icalcomponent_add_property(
        component,
        icalproperty_new_dtend(event.wholeDay ? LocalDate(event.end) : UtcTime(event.end)));
    icalcomponent_add_property(component, icalproperty_new_summary(event.summary.c_str()));
    icalcomponent_add_property(component, icalproperty_new_description(event.description.c_str()));
    // Time that was worked, not time that is blocked.
    icalcomponent_add_property(component, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return component;
}

} // namespace

std::vector<CalendarEvent> CalendarEvents::Of(const std::vector<Session>& sessions, bool perDay)
{
    std::vector<CalendarEvent> events;
    if (!perDay)
    {
        for (const Session& session : sessions)
            if (session.kind == JournalKind::session)
                events.push_back(
                    {kUidPrefix + session.id, session.start, session.end, false,
                     session.todo + " - " + session.project,
                     Description(session, session.how.empty() ? "" : "Note: " + session.how)});
        return events;
    }
    // Ordered by day, then project and todo.
    std::map<std::tuple<std::string, std::string, std::string>, std::pair<int64_t, Session>> days;
    for (const Session& session : sessions)
    {
        if (session.kind != JournalKind::session)
            continue;
        auto& [total, first] = days.try_emplace({LocalDates::Text(session.start, "%Y-%m-%d"),
                                                 session.project, session.todo},
                                                0, session)
                                   .first->second;
        total += session.end - session.start;
    }
    for (const auto& [key, day] : days)
    {
        const auto& [date, project, todo] = key;
        const int64_t midnight = LocalDates::StartOfDate(date).value_or(day.second.start);
        const std::string total = SessionsCsv::HoursAndMinutes(day.first);
        events.push_back(
            {kUidPrefix + std::string("day-") + date + '-' + toolbox::TextHash(project + '\t' + todo), midnight,
             LocalDates::StartOfDate(date, 1).value_or(midnight + 86400), true,
             todo + " - " + project + " (" + total + ")",
             Description(day.second, "Total: " + total)});
    }
    return events;
}

std::string CalendarEvents::Text(const std::vector<CalendarEvent>& events, int64_t stamp)
{
    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(),
                               icalproperty_new_prodid("-//Tallydene//Sessions//EN"));
    for (const CalendarEvent& event : events)
        icalcomponent_add_component(calendar.get(), EventComponent(event, stamp));
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string result = text != nullptr ? text : "";
    std::free(text);
    return result;
}

std::optional<std::vector<CalendarEvent>> CalendarEvents::Read(const std::string& text)
{
    Component calendar(icalparser_parse_string(text.c_str()));
    if (!calendar || icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT)
        return std::nullopt;
    std::vector<CalendarEvent> events;
    for (icalcomponent* each =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         each != nullptr;
         each = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT))
    {
        const char* uid = icalcomponent_get_uid(each);
        const char* summary = icalcomponent_get_summary(each);
        const char* description = icalcomponent_get_description(each);
        const icaltimetype start = icalcomponent_get_dtstart(each);
        events.push_back({uid != nullptr ? uid : "", MomentOf(start),
                          MomentOf(icalcomponent_get_dtend(each)), start.is_date != 0,
                          summary != nullptr ? summary : "",
                          description != nullptr ? description : ""});
    }
    return events;
}

std::string CalendarEvents::ResourceName(const CalendarEvent& event)
{
    return event.uid + ".ics";
}
