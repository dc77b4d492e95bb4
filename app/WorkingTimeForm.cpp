#include "app/WorkingTimeForm.h"

#include "app/BookedChange.h"
#include "app/Tallydene.h"

WorkingTimeForm::WorkingTimeForm(Tallydene& app) : app(app) {}

void WorkingTimeForm::Open()
{
    shownOvertime = ShownDuration(app, app.GetOvertimeBalance());
    overtime = shownOvertime.Text();
    hint = app.GetDurations().DurationHint();
    for (int weekday = 0; weekday < 7; ++weekday)
    {
        shownTargets[weekday] = ShownDuration(app, app.GetTarget(weekday));
        targets[weekday] = shownTargets[weekday].Text();
    }
}

FormResult WorkingTimeForm::Confirm(Prompts& prompts)
{
    const std::optional<int32_t> balance =
        shownOvertime.Read(prompts, overtime, app.GetOvertimeBalance(), EmptyField::Refused);
    if (!balance)
        return FormResult::Refuse(FormField::Overtime);
    std::array<int32_t, 7> newTargets{};
    for (int weekday = 0; weekday < 7; ++weekday)
    {
        // An emptied weekday is a day without working hours.
        const std::optional<int32_t> target = shownTargets[weekday].Read(
            prompts, targets[weekday], app.GetTarget(weekday), EmptyField::Zero);
        if (!target)
            return FormResult::Refuse(TargetField(weekday));
        newTargets[weekday] = *target;
    }
    const BookedChange booked(app, nullptr);
    app.SetOvertimeBalance(*balance);
    booked.Record(JournalKind::overtime);
    for (int weekday = 0; weekday < 7; ++weekday)
        app.SetTarget(weekday, newTargets[weekday]);
    return FormResult::Accept();
}
