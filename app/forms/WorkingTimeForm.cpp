#include "app/forms/WorkingTimeForm.h"

#include "app/Tallydene.h"
#include "app/journal/JournalEntry.h"
#include "app/ledger/Ledger.h"

WorkingTimeForm::WorkingTimeForm(Tallydene& app) : app(app) {}

void WorkingTimeForm::Open()
{
    const OvertimeAccount& account = app.GetOvertimeAccount();
    shownOvertime = ShownDuration(app, account.GetBalance());
    overtime = shownOvertime.Text();
    hint = app.GetDurations().DurationHint();
    for (int weekday = 0; weekday < 7; ++weekday)
    {
        shownTargets[weekday] = ShownDuration(app, account.GetTarget(weekday));
        targets[weekday] = shownTargets[weekday].Text();
    }
}

FormResult WorkingTimeForm::Confirm(Prompts& prompts)
{
    OvertimeAccount& account = app.GetOvertimeAccount();
    const std::optional<int32_t> balance =
        shownOvertime.Read(prompts, overtime, account.GetBalance(), EmptyField::Refused);
    if (!balance)
        return FormResult::Refuse(FormField::Overtime);
    std::array<int32_t, 7> newTargets{};
    for (int weekday = 0; weekday < 7; ++weekday)
    {
        // An emptied weekday is a day without working hours.
        const std::optional<int32_t> target = shownTargets[weekday].Read(
            prompts, targets[weekday], account.GetTarget(weekday), EmptyField::Zero);
        if (!target)
            return FormResult::Refuse(TargetField(weekday));
        newTargets[weekday] = *target;
    }
    app.GetLedger().Apply({Change::Time(JournalKind::overtime, {}, {}, 0, 0,
                                        static_cast<int64_t>(*balance) - account.GetBalance()),
                           Change::Targets(newTargets)});
    return FormResult::Accept();
}
