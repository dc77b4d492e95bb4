#include "app/WorkingTimeForm.h"

#include "app/Tallydene.h"

WorkingTimeForm::WorkingTimeForm(Tallydene& app) : app(app) {}

void WorkingTimeForm::Open()
{
    overtime = app.FormatForDialog(app.GetOvertimeBalance());
    for (int weekday = 0; weekday < 7; ++weekday)
        targets[weekday] = app.FormatForDialog(app.GetTarget(weekday));
}

FormResult WorkingTimeForm::Confirm(Prompts& /*prompts*/)
{
    app.SetOvertimeBalance(Tallydene::ParseDuration(overtime));
    for (int weekday = 0; weekday < 7; ++weekday)
        app.SetTarget(weekday, Tallydene::ParseDuration(targets[weekday]));
    return FormResult::Accept();
}
