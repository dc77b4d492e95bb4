#pragma once

#include "app/backups/BackupCatalog.h"

#include <optional>

class Prompts;
class Tallydene;

// Puts a backup's data in the place of the application's, while nothing is active.
class BackupRestore
{
public:
    // With keepCurrent, the data as it is now is saved and kept as a backup first, so that a
    // restore can be taken back by another. What fails is told and leaves the data as it was.
    // True when the backup's data is now the application's and saved.
    static bool Restore(Tallydene& app, Prompts& prompts, const BackupCatalog::Entry& backup,
                        bool keepCurrent);

    // At a start that could read neither the data file nor its ".old" copy: offers the newest
    // backup that reads. True when it was restored.
    static bool OfferAtStart(Tallydene& app, Prompts& prompts);
    // The backup OfferAtStart offers; nothing when it offers none.
    static std::optional<BackupCatalog::Entry> OfferedAtStart(Tallydene& app);

private:
    static bool KeepCurrent(Tallydene& app, Prompts& prompts);
};
