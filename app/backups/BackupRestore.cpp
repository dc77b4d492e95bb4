#include "app/backups/BackupRestore.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/backups/BackupSchedule.h"
#include "app/ledger/Ledger.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/DailyBackups.h"
#include "toolbox/Translation.h"

#include <optional>
#include <utility>

using toolbox::Translation;

bool BackupRestore::Restore(Tallydene& app, Prompts& prompts, const BackupCatalog::Entry& backup,
                            bool keepCurrent)
{
    std::optional<std::string> text = BackupCatalog::ReadWhole(app, backup.path);
    if (!text)
    {
        prompts.Refuse(
            Translation::TrFormat("The backup of %s cannot be read. Nothing was restored.",
                                  {BackupCatalog::DateOf(backup.stamp)}));
        return false;
    }
    if (keepCurrent && !KeepCurrent(app, prompts))
        return false;
    app.GetLedger().ReplaceBooks(std::move(*text));
    app.LogEvent("Restored a backup", BackupCatalog::DateOf(backup.stamp));
    return app.SaveAndReport();
}

bool BackupRestore::KeepCurrent(Tallydene& app, Prompts& prompts)
{
    // The current data first reaches the file, so that the copy holds all of it.
    if (!app.SaveAndReport())
    {
        prompts.Refuse(
            Translation::Tr("Your current data cannot be saved, so nothing was restored."));
        return false;
    }
    const std::string stamp = BackupSchedule::LocalStamp(app.Now());
    const toolbox::FileResult kept =
        toolbox::DailyBackups(app.DataFilePath(), app.GetConfig().GetFileSystem()).Keep(stamp);
    if (kept)
        return true;
    prompts.Refuse(Translation::TrFormat(
        "Your current data cannot be kept as a backup, so nothing was restored:\n%s",
        {kept.Reason()}));
    return false;
}

bool BackupRestore::OfferAtStart(Tallydene& app, Prompts& prompts)
{
    const std::optional<BackupCatalog::Entry> entry = OfferedAtStart(app);
    if (!entry ||
        !prompts.Ask(Translation::TrFormat(
                         "Tallydene cannot read its data file. Restore the backup of %s (%s)?",
                         {BackupCatalog::DateOf(entry->stamp), BackupCatalog::Contents(*entry)}),
                     Prompts::QuestionIcon::Warning))
        return false;
    return Restore(app, prompts, *entry, false);
}

std::optional<BackupCatalog::Entry> BackupRestore::OfferedAtStart(Tallydene& app)
{
    const toolbox::Config::LoadReport& report = app.GetLoadReport();
    const bool unreadable =
        !report.keptAside.empty() || !report.oldKeptAside.empty() || !report.readError;
    if (!report.loaded.empty() || !unreadable)
        return std::nullopt;
    for (const BackupCatalog::Entry& entry : BackupCatalog::List(app))
        if (entry.readable)
            return entry;
    return std::nullopt;
}
