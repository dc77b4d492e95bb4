#include "app/WorkingTimeForm.h"

#include "app/Tallydene.h"

WorkingTimeForm::WorkingTimeForm(Tallydene& app) : app(app) {}

void WorkingTimeForm::Open()
{
    shownOvertime = ShownDuration(app, app.GetOvertimeBalance());
    overtime = shownOvertime.Text();
    for (int weekday = 0; weekday < 7; ++weekday)
    {
        shownTargets[weekday] = ShownDuration(app, app.GetTarget(weekday));
        targets[weekday] = shownTargets[weekday].Text();
    }
}

FormResult WorkingTimeForm::Confirm(Prompts& /*prompts*/)
{
    app.SetOvertimeBalance(shownOvertime.Read(overtime, app.GetOvertimeBalance()));
    for (int weekday = 0; weekday < 7; ++weekday)
        app.SetTarget(weekday,
                      shownTargets[weekday].Read(targets[weekday], app.GetTarget(weekday)));
    return FormResult::Accept();
}
