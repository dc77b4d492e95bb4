#include "ui/dialogs/HistoryDialog.h"

#include "app/Prompts.h"
#include "ui/WxText.h"
#include "ui/dialogs/HistoryList.h"
#ifdef TALLYDENE_CALENDARS
#include "ui/dialogs/CalendarExport.h"
#endif

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{

wxTextCtrl* NewField(wxWindow* parent, const char* name, int width)
{
    return new wxTextCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition,
                          wxSize(parent->FromDIP(width), -1), 0, wxDefaultValidator, name);
}

// Asks for a session's todo, start and end; false on Cancel. todo: the index in the choices.
bool AskSession(wxWindow* parent, const wxString& title,
                const std::vector<HistoryForm::TodoChoice>& choices, int& todo, std::string& start,
                std::string& end)
{
    wxDialog dialog(parent, wxID_ANY, title);
    auto* todoField = new wxChoice(&dialog, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                                   0, wxDefaultValidator, "todo");
    for (const HistoryForm::TodoChoice& choice : choices)
        todoField->Append(ToWx(choice.project + " / " + choice.todo));
    todoField->SetSelection(todo);
    auto* startField = NewField(&dialog, "start", 160);
    auto* endField = NewField(&dialog, "end", 160);
    startField->SetValue(ToWx(start));
    endField->SetValue(ToWx(end));
    auto* grid = new wxFlexGridSizer(2, dialog.FromDIP(8), dialog.FromDIP(8));
    grid->Add(new wxStaticText(&dialog, wxID_ANY, _("&Todo:")), wxSizerFlags().CenterVertical());
    grid->Add(todoField, wxSizerFlags().Expand());
    grid->Add(new wxStaticText(&dialog, wxID_ANY, _("&Start:")), wxSizerFlags().CenterVertical());
    grid->Add(startField);
    grid->Add(new wxStaticText(&dialog, wxID_ANY, _("&End:")), wxSizerFlags().CenterVertical());
    grid->Add(endField);
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(grid, wxSizerFlags().Border(wxALL, dialog.FromDIP(10)));
    content->Add(dialog.CreateStdDialogButtonSizer(wxOK | wxCANCEL),
                 wxSizerFlags().Expand().Border(wxALL, dialog.FromDIP(10)));
    dialog.SetSizerAndFit(content);
    dialog.CentreOnParent();
    if (dialog.ShowModal() != wxID_OK)
        return false;
    todo = todoField->GetSelection();
    start = FromWx(startField->GetValue());
    end = FromWx(endField->GetValue());
    return true;
}

} // namespace

HistoryDialog::HistoryDialog(wxWindow* parent, HistoryForm& form, Prompts& prompts)
    : wxDialog(parent, wxID_ANY, _("History"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      form(form), prompts(prompts)
{
    wxButton* filter = CreateFilterFields();
    list = new HistoryList(this, form);
    wxSizer* filters = LayOutFilters(*filter);
    wxSizer* buttons = CreateSessionButtons();

    auto* content = new wxBoxSizer(wxVERTICAL);
    const int border = FromDIP(10);
    content->Add(filters, wxSizerFlags().Border(wxALL, border));
    content->Add(list, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, border));
    content->Add(buttons, wxSizerFlags().Expand().Border(wxALL, border));
    SetSizer(content);
    SetSize(FromDIP(wxSize(760, 520)));
    CentreOnParent();
}

wxButton* HistoryDialog::CreateFilterFields()
{
    project = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, 0,
                           wxDefaultValidator, "project");
    project->Append(_("All projects"));
    for (const std::string& name : form.ProjectNames())
        project->Append(ToWx(name));
    project->SetSelection(0);
    todo = NewField(this, "todo", 140);
    from = NewField(this, "from", 120);
    to = NewField(this, "to", 120);
    from->SetHint(_("YYYY-MM-DD"));
    to->SetHint(_("YYYY-MM-DD"));
    auto* filter = new wxButton(this, wxID_ANY, _("&Filter"));
    filter->Bind(wxEVT_BUTTON, &HistoryDialog::OnFilter, this);
    return filter;
}

wxSizer* HistoryDialog::LayOutFilters(wxButton& filter)
{
    const wxSizerFlags centred = wxSizerFlags().CenterVertical().Border(wxRIGHT, FromDIP(6));
    auto* filters = new wxBoxSizer(wxHORIZONTAL);
    filters->Add(project, centred);
    filters->Add(new wxStaticText(this, wxID_ANY, _("&Todo:")), centred);
    filters->Add(todo, centred);
    filters->Add(new wxStaticText(this, wxID_ANY, _("F&rom:")), centred);
    filters->Add(from, centred);
    // The end of a date range: some languages word it apart from the todo that time goes to.
    filters->Add(new wxStaticText(this, wxID_ANY, wxGETTEXT_IN_CONTEXT("date range", "T&o:")),
                 centred);
    filters->Add(to, centred);
    filters->Add(&filter, wxSizerFlags().CenterVertical());
    return filters;
}

wxSizer* HistoryDialog::CreateSessionButtons()
{
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* addButton = new wxButton(this, wxID_ANY, _("&Add..."), wxDefaultPosition, wxDefaultSize,
                                   0, wxDefaultValidator, "add");
    auto* editButton = new wxButton(this, wxID_ANY, _("&Edit..."));
    auto* deleteButton = new wxButton(this, wxID_ANY, _("&Delete"));
    buttons->Add(addButton, wxSizerFlags().Border(wxRIGHT, FromDIP(6)));
    buttons->Add(editButton, wxSizerFlags().Border(wxRIGHT, FromDIP(6)));
    buttons->Add(deleteButton);
#ifdef TALLYDENE_CALENDARS
    auto* calendarButton =
        new wxButton(this, wxID_ANY, _("Export &iCalendar..."), wxDefaultPosition, wxDefaultSize, 0,
                     wxDefaultValidator, "exportCalendar");
    buttons->Add(calendarButton, wxSizerFlags().Border(wxLEFT, FromDIP(6)));
    calendarButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&)
                         { ExportCalendar(this, "sessions.ics", form.ShownSessions(), prompts); });
#endif
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, wxID_CANCEL, _("Close")));
    addButton->Bind(wxEVT_BUTTON, &HistoryDialog::OnAdd, this);
    editButton->Bind(wxEVT_BUTTON, &HistoryDialog::OnEdit, this);
    deleteButton->Bind(wxEVT_BUTTON, &HistoryDialog::OnDelete, this);
    return buttons;
}

void HistoryDialog::OnFilter(wxCommandEvent&)
{
    form.project = project->GetSelection() > 0 ? FromWx(project->GetStringSelection()) : "";
    form.todo = FromWx(todo->GetValue());
    form.from = FromWx(from->GetValue());
    form.to = FromWx(to->GetValue());
    form.ApplyFilter(prompts);
    list->Refill();
}

std::optional<size_t> HistoryDialog::SelectedSession()
{
    const long row = list->SelectedRow();
    if (row < 0 || form.Rows()[static_cast<size_t>(row)].day)
    {
        prompts.Refuse(FromWx(_("Please select a session first.")));
        return std::nullopt;
    }
    return form.Rows()[static_cast<size_t>(row)].session;
}

namespace
{

int IndexOf(const std::vector<HistoryForm::TodoChoice>& choices, const std::string& id)
{
    for (size_t index = 0; index < choices.size(); ++index)
        if (choices[index].id == id)
            return static_cast<int>(index);
    return 0;
}

} // namespace

void HistoryDialog::OnAdd(wxCommandEvent&)
{
    const std::vector<HistoryForm::TodoChoice> choices = form.TodoChoices();
    if (choices.empty())
        return;
    // The selected session's todo, and the hour before now, as a start to correct.
    const long row = list->SelectedRow();
    int todo = row < 0
                   ? 0
                   : IndexOf(choices, form.TodoIdOf(form.Rows()[static_cast<size_t>(row)].session));
    const int64_t now = form.Now();
    std::string start = HistoryForm::MomentText(now - 3600);
    std::string end = HistoryForm::MomentText(now);
    while (AskSession(this, _("Add session"), choices, todo, start, end))
        if (form.AddSession(choices[static_cast<size_t>(todo)].id, start, end, prompts))
            break;
    list->Refill();
}

void HistoryDialog::OnEdit(wxCommandEvent&)
{
    const std::optional<size_t> session = SelectedSession();
    if (!session)
        return;
    const std::vector<HistoryForm::TodoChoice> choices = form.TodoChoices();
    int todo = IndexOf(choices, form.TodoIdOf(*session));
    std::string start = HistoryForm::MomentText(form.SessionAt(*session).start);
    std::string end = HistoryForm::MomentText(form.SessionAt(*session).end);
    // Asked again until the times are accepted or the user cancels.
    while (AskSession(this, _("Edit session"), choices, todo, start, end))
    {
        const std::string todoId =
            choices.empty() ? std::string() : choices[static_cast<size_t>(todo)].id;
        if (form.EditSession(*session, start, end, prompts, todoId))
            break;
    }
    list->Refill();
}

void HistoryDialog::OnDelete(wxCommandEvent&)
{
    if (const std::optional<size_t> session = SelectedSession())
        form.DeleteSession(*session, prompts);
    list->Refill();
}
