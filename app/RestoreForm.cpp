#include "app/RestoreForm.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"

RestoreForm::RestoreForm(Tallydene& app) : app(app) {}

void RestoreForm::Open()
{
    entries = BackupCatalog::List(app);
    rows.clear();
    for (const BackupCatalog::Entry& entry : entries)
        rows.push_back(BackupCatalog::Describe(app, entry));
    chosen = entries.empty() ? -1 : 0;
}

FormResult RestoreForm::Confirm(Prompts& prompts)
{
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= entries.size())
    {
        prompts.Refuse("Please choose a backup.");
        return FormResult::Refuse(FormField::None);
    }
    const BackupCatalog::Entry& entry = entries[chosen];
    if (!entry.readable)
    {
        prompts.Refuse("This backup cannot be read. Please choose another one.");
        return FormResult::Refuse(FormField::None);
    }
    if (!prompts.Ask("Replace your data with the backup of " + BackupCatalog::DateOf(entry.stamp) +
                         "? Your current data is kept as a backup.",
                     Prompts::QuestionIcon::Warning))
        return FormResult::Refuse(FormField::None);
    return FormResult::Accept();
}
