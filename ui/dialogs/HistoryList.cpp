#include "ui/dialogs/HistoryList.h"

#include "app/forms/HistoryForm.h"
#include "ui/WxText.h"

#include <algorithm>

HistoryList::HistoryList(wxWindow* parent, const HistoryForm& form)
    : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL, wxDefaultValidator, "history"),
      form(form)
{
    AppendColumn(_("Time"), wxLIST_FORMAT_LEFT, FromDIP(220));
    AppendColumn(_("Duration"), wxLIST_FORMAT_RIGHT, FromDIP(90));
    AppendColumn(_("Project"), wxLIST_FORMAT_LEFT, FromDIP(160));
    AppendColumn(_("Todo"), wxLIST_FORMAT_LEFT, FromDIP(200));
    if (form.ShowsMachines())
        AppendColumn(_("Machine"), wxLIST_FORMAT_LEFT, FromDIP(120));
    Refill();
}

void HistoryList::Refill()
{
    dayAttr.SetFont(GetFont().Bold());
    // The first column as wide as the longest day heading, so that each reads whole.
    int widest = FromDIP(220);
    for (const HistoryForm::Row& row : form.Rows())
        if (row.day)
        {
            int width = 0, height = 0;
            GetTextExtent(ToWx(form.Cell(row, 0)), &width, &height, nullptr, nullptr,
                          &dayAttr.GetFont());
            widest = std::max(widest, width + FromDIP(24));
        }
    SetColumnWidth(0, widest);
    SetItemCount(static_cast<long>(form.Rows().size()));
    Refresh();
}

long HistoryList::SelectedRow() const
{
    return GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
}

wxString HistoryList::OnGetItemText(long item, long column) const
{
    if (item < 0 || static_cast<size_t>(item) >= form.Rows().size())
        return {};
    return ToWx(form.Cell(form.Rows()[static_cast<size_t>(item)], static_cast<int>(column)));
}

wxListItemAttr* HistoryList::OnGetItemAttr(long item) const
{
    if (item < 0 || static_cast<size_t>(item) >= form.Rows().size())
        return nullptr;
    return form.Rows()[static_cast<size_t>(item)].day ? &dayAttr : nullptr;
}
