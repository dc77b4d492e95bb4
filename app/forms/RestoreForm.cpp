#include "app/forms/RestoreForm.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "toolbox/Translation.h"

using toolbox::Translation;

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
        prompts.Refuse(Translation::Tr("Please choose a backup."));
        return FormResult::Refuse(FormField::None);
    }
    const BackupCatalog::Entry& entry = entries[chosen];
    if (!entry.readable)
    {
        prompts.Refuse(Translation::Tr("This backup cannot be read. Please choose another one."));
        return FormResult::Refuse(FormField::None);
    }
    if (!prompts.Ask(Translation::TrFormat("Replace your data with the backup of %s? Your current "
                                           "data is kept as a backup.",
                                           {BackupCatalog::DateOf(entry.stamp)}),
                     Prompts::QuestionIcon::Warning))
        return FormResult::Refuse(FormField::None);
    return FormResult::Accept();
}
