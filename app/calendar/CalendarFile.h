#pragma once

#include "app/journal/SessionHistory.h"

#include <string>

class Prompts;

// "Export iCalendar..." in History and Report: their sessions as a calendar file that
// calendar programs import.
namespace CalendarFile
{

// Refused with a message when the file cannot be written.
bool Write(const std::string& path, const SessionExport& exported, Prompts& prompts);

} // namespace CalendarFile
