#include "ui/dialogs/CalendarExport.h"

#include "app/calendar/CalendarFile.h"
#include "toolbox/Places.h"
#include "ui/WxText.h"

#include <wx/filedlg.h>
#include <wx/intl.h>

#include <optional>

void ExportCalendar(wxWindow* parent, const std::string& name, const SessionExport& exported,
                    Prompts& prompts)
{
    const std::optional<toolbox::String> documents = toolbox::Places::DocumentsFolder();
    wxFileDialog dialog(
        parent, _("Export iCalendar"), documents ? ToWx(documents->str()) : wxString(), ToWx(name),
        _("iCalendar files (*.ics)|*.ics|All files|*"), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() == wxID_OK)
        CalendarFile::Write(FromWx(dialog.GetPath()), exported, prompts);
}
