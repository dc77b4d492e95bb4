#pragma once

#include "app/journal/SessionHistory.h"

#include <string>

class Prompts;
class wxWindow;

// "Export iCalendar..." of History and Report: asks for the file, in the documents folder,
// and writes the sessions into it as calendar events.
void ExportCalendar(wxWindow* parent, const std::string& name, const SessionExport& exported,
                    Prompts& prompts);
