#include "ui/UndoEntries.h"

#include "app/UndoHistory.h"
#include "res/CommandIds.h"
#include "ui/WxText.h"

#include <wx/frame.h>
#include <wx/intl.h>
#include <wx/menu.h>

namespace
{

// The step's name may hold "&", which the menu would take for a mnemonic.
wxString Escaped(const wxString& name)
{
    wxString escaped = name;
    escaped.Replace("&", "&&");
    return escaped;
}

void Bind(wxFrame& frame, int command, const wxString& format, const wxString& key,
          std::string (UndoHistory::*nameOf)() const, const UndoHistory& history)
{
    // As the menu table has it, translated: shown while there is no step.
    const wxString plain = frame.GetMenuBar()->GetLabel(res::WxIdOf(command));
    frame.Bind(
        wxEVT_UPDATE_UI,
        [=, &history](wxUpdateUIEvent& event)
        {
            const std::string name = (history.*nameOf)();
            event.Enable(!name.empty());
            event.SetText(name.empty() ? plain
                                       : wxString::Format(format, Escaped(ToWx(name))) + key);
        },
        res::WxIdOf(command));
}

} // namespace

void BindUndoEntries(wxFrame& frame, const UndoHistory& history)
{
    Bind(frame, res::ID_EDIT_UNDO, _("&Undo %s"), "\tCtrl+Z", &UndoHistory::NextUndoName, history);
    Bind(frame, res::ID_EDIT_REDO, _("&Redo %s"), "\tCtrl+Y", &UndoHistory::NextRedoName, history);
}
