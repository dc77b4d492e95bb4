#pragma once

#include "app/DataState.h"
#include "app/ItemLinks.h"

#include <string>

// One data-changing command as undo and redo keep it: the data before and after it (the
// clock's booking left out), which item became which, the command's name, the item it
// changed and the event-log line it wrote.
class UndoStep
{
public:
    // The copies still hold the items' addresses; the step links them and then forgets them.
    UndoStep(const char* commandName, std::string logLine, DataState before, DataState after);

    // The command's name in English; the menus translate it.
    const char* CommandName() const { return commandName; }
    // The one todo, or else the one project, the step changed; empty when it changed several
    // or only the overtime account.
    const std::string& Subject() const { return subject; }
    // What the command wrote in the event log: its one line, or its name.
    const std::string& LogLine() const { return logLine; }

    const DataState& Before() const { return before; }
    const DataState& After() const { return after; }
    // For each item before the step, where it is after it (-1: removed); and the other way
    // round (-1: new).
    const ItemLinks& ToAfter() const { return toAfter; }
    const ItemLinks& ToBefore() const { return toBefore; }

private:
    std::string FindSubject() const;

    const char* commandName;
    std::string logLine;
    DataState before;
    DataState after;
    ItemLinks toAfter;
    ItemLinks toBefore;
    std::string subject;
};
