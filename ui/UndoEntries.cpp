#include "ui/UndoEntries.h"

#include "app/ledger/UndoHistory.h"
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

} // namespace

UndoEntries::UndoEntries(wxFrame& frame, const UndoHistory& history)
    : frame(frame), history(history),
      entries{{{res::ID_EDIT_UNDO, _("&Undo %s"), "\tCtrl+Z", &UndoHistory::NextUndoName, {}},
               {res::ID_EDIT_REDO, _("&Redo %s"), "\tCtrl+Y", &UndoHistory::NextRedoName, {}}}}
{
    for (Entry& entry : entries)
    {
        entry.plain = frame.GetMenuBar()->GetLabel(res::WxIdOf(entry.command));
        frame.Bind(
            wxEVT_UPDATE_UI,
            [this, &entry](wxUpdateUIEvent& event)
            {
                event.Enable(!(this->history.*entry.nameOf)().empty());
                event.SetText(LabelOf(entry));
            },
            res::WxIdOf(entry.command));
    }
}

void UndoEntries::Update()
{
    wxMenuBar* menuBar = frame.GetMenuBar();
    for (const Entry& entry : entries)
    {
        const int id = res::WxIdOf(entry.command);
        if (menuBar->GetLabel(id) != LabelOf(entry))
            menuBar->SetLabel(id, LabelOf(entry));
        menuBar->Enable(id, !(history.*entry.nameOf)().empty());
    }
}

wxString UndoEntries::LabelOf(const Entry& entry) const
{
    const std::string name = (history.*entry.nameOf)();
    return name.empty() ? entry.plain
                        : wxString::Format(entry.format, Escaped(ToWx(name))) + entry.key;
}
