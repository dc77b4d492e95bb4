#pragma once

#include "app/ledger/Change.h"

#include <string>
#include <vector>

// One data-changing command as undo and redo keep it: the changes it made, as the ledger
// applied them (the clock's booking is none of them), the command's name, the item it changed
// and the event-log line it wrote. Its size is that of the changes, not of the books.
struct UndoStep
{
    // The command's name in English; the menus translate it.
    const char* commandName;
    // What the command wrote in the event log: its one line, or its name.
    std::string logLine;
    // The one todo, or else the one project, the step changed; empty when it changed several
    // or only the overtime account.
    std::string subject;
    std::vector<Change> changes;
};
