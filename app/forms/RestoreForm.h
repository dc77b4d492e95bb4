#pragma once

#include "app/backups/BackupCatalog.h"
#include "app/forms/FormResult.h"

#include <string>
#include <vector>

class Prompts;
class Tallydene;

// The restore dialog: the backups, one line each, and the one chosen. OK asks before the
// current data is replaced; No keeps the dialog open for another choice.
class RestoreForm
{
public:
    explicit RestoreForm(Tallydene& app);

    // Lists the backups, the newest chosen.
    void Open();
    FormResult Confirm(Prompts& prompts);
    // The chosen backup; only after Confirm accepted.
    const BackupCatalog::Entry& Chosen() const { return entries.at(chosen); }

    std::vector<std::string> rows;
    int chosen = -1;

private:
    Tallydene& app;
    std::vector<BackupCatalog::Entry> entries;
};
