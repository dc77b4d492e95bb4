#include "ui/dialogs/ReportChart.h"

#include "app/clock/LocalDates.h"
#include "app/forms/ReportForm.h"
#include "ui/WxText.h"

#include <wx/dcbuffer.h>
#include <wx/graphics.h>

#include <algorithm>
#include <cmath>
#include <memory>

const wxColour ReportChart::kWorked(70, 130, 180);
const wxColour ReportChart::kBalance(230, 120, 20);
const wxColour ReportChart::kUncharged(238, 238, 238);

namespace
{

const wxColour kTarget(90, 90, 90);
const wxColour kGrid(220, 220, 220);

// Hours as drawn: a balance from a hand-edited file can be any number, and the scale's whole
// hours must stay far within an int so that its steps cannot overflow.
double HoursOf(int64_t seconds)
{
    constexpr double kMostHours = 1e6;
    return std::clamp(static_cast<double>(seconds) / 3600.0, -kMostHours, kMostHours);
}

wxString LabelOf(int hours)
{
    return wxString::Format(_("%d h"), hours);
}

// The height in the plot of an amount of hours.
double YOf(const wxRect2DDouble& plot, int low, int high, double hours)
{
    return plot.GetBottom() - (hours - low) * plot.m_height / (high - low);
}

} // namespace

ReportChart::ReportChart(wxWindow* parent, const ReportForm& form)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, parent->FromDIP(wxSize(560, 200)),
               wxFULL_REPAINT_ON_RESIZE, "chart"),
      form(form)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &ReportChart::OnPaint, this);
}

void ReportChart::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    const std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    if (!gc || form.Days().empty())
        return;
    const Scale scale = ScaleOfDays();
    const std::vector<int> hours = GridHours(scale);
    gc->SetFont(GetFont(), *wxBLACK);
    // Room for the widest of the hours on the left, whatever the language writes around them.
    double widest = 0;
    for (int each : hours)
    {
        double width = 0, height = 0;
        gc->GetTextExtent(LabelOf(each), &width, &height);
        widest = std::max(widest, width);
    }
    const double left = std::ceil(widest) + FromDIP(10);
    const wxSize size = GetClientSize();
    // The legend above and the days below.
    const wxRect2DDouble plot(left, FromDIP(30), size.x - left - FromDIP(12), size.y - FromDIP(58));
    if (plot.m_width <= 0 || plot.m_height <= 0)
        return;
    DrawUncharged(*gc, plot);
    DrawGrid(*gc, plot, scale, hours);
    DrawDays(*gc, plot, scale);
    DrawBalance(*gc, plot, scale);
    DrawLegend(*gc);
}

ReportChart::Scale ReportChart::ScaleOfDays() const
{
    double low = 0;
    double high = 1;
    for (const ReportForm::Day& day : form.Days())
    {
        high = std::max({high, HoursOf(day.worked), HoursOf(day.target)});
        low = std::min(low, HoursOf(day.worked));
        if (day.balance)
        {
            high = std::max(high, HoursOf(*day.balance));
            low = std::min(low, HoursOf(*day.balance));
        }
    }
    return {static_cast<int>(std::floor(low)), static_cast<int>(std::ceil(high))};
}

std::vector<int> ReportChart::GridHours(const Scale& scale)
{
    int step = 1;
    while ((scale.high - scale.low) / step > 8)
        step *= 2;
    std::vector<int> hours;
    for (int each = scale.low - scale.low % step; each <= scale.high; each += step)
        if (each >= scale.low)
            hours.push_back(each);
    return hours;
}

void ReportChart::DrawUncharged(wxGraphicsContext& gc, const wxRect2DDouble& plot) const
{
    const std::vector<ReportForm::Day>& days = form.Days();
    const double slot = plot.m_width / static_cast<double>(days.size());
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.SetBrush(wxBrush(kUncharged));
    for (size_t index = 0; index < days.size(); ++index)
        if (days[index].uncharged)
            gc.DrawRectangle(plot.m_x + slot * static_cast<double>(index), plot.m_y, slot,
                             plot.m_height);
}

void ReportChart::DrawGrid(wxGraphicsContext& gc, const wxRect2DDouble& plot, const Scale& scale,
                           const std::vector<int>& hours) const
{
    gc.SetPen(wxPen(kGrid, FromDIP(1)));
    for (int each : hours)
    {
        const double y = YOf(plot, scale.low, scale.high, each);
        gc.StrokeLine(plot.m_x, y, plot.GetRight(), y);
        const wxString label = LabelOf(each);
        double width = 0, height = 0;
        gc.GetTextExtent(label, &width, &height);
        gc.DrawText(label, plot.m_x - width - FromDIP(6), y - height / 2);
    }
    gc.SetPen(wxPen(*wxBLACK, FromDIP(1)));
    const double zero = YOf(plot, scale.low, scale.high, 0);
    gc.StrokeLine(plot.m_x, zero, plot.GetRight(), zero);
}

void ReportChart::DrawDays(wxGraphicsContext& gc, const wxRect2DDouble& plot,
                           const Scale& scale) const
{
    const std::vector<ReportForm::Day>& days = form.Days();
    const double slot = plot.m_width / static_cast<double>(days.size());
    const double zero = YOf(plot, scale.low, scale.high, 0);
    // A month's days are labelled by their number, and only as many as fit.
    const bool month = days.size() > 7;
    const size_t every = month && slot < FromDIP(22) ? 2 : 1;
    for (size_t index = 0; index < days.size(); ++index)
    {
        const ReportForm::Day& day = days[index];
        const double left = plot.m_x + slot * (static_cast<double>(index) + 0.2);
        const double worked = YOf(plot, scale.low, scale.high, HoursOf(day.worked));
        gc.SetPen(*wxTRANSPARENT_PEN);
        gc.SetBrush(wxBrush(kWorked));
        gc.DrawRectangle(left, std::min(worked, zero), slot * 0.6, std::abs(zero - worked));
        if (day.target > 0)
        {
            const double target = YOf(plot, scale.low, scale.high, HoursOf(day.target));
            gc.SetPen(wxPen(kTarget, FromDIP(2), wxPENSTYLE_SHORT_DASH));
            gc.SetBrush(*wxTRANSPARENT_BRUSH);
            gc.DrawRectangle(left, target, slot * 0.6, zero - target);
        }
        if (index % every != 0)
            continue;
        const wxString label = ToWx(LocalDates::Text(day.start, month ? "%d" : "%a %d"));
        double width = 0, height = 0;
        gc.GetTextExtent(label, &width, &height);
        gc.DrawText(label, left + slot * 0.3 - width / 2, plot.GetBottom() + FromDIP(6));
    }
}

void ReportChart::DrawBalance(wxGraphicsContext& gc, const wxRect2DDouble& plot,
                              const Scale& scale) const
{
    const std::vector<ReportForm::Day>& days = form.Days();
    const double slot = plot.m_width / static_cast<double>(days.size());
    wxGraphicsPath line = gc.CreatePath();
    bool started = false;
    const double dot = FromDIP(3);
    gc.SetBrush(wxBrush(kBalance));
    gc.SetPen(*wxTRANSPARENT_PEN);
    for (size_t index = 0; index < days.size(); ++index)
    {
        if (!days[index].balance)
            continue;
        const double x = plot.m_x + slot * (static_cast<double>(index) + 0.5);
        const double y = YOf(plot, scale.low, scale.high, HoursOf(*days[index].balance));
        if (started)
            line.AddLineToPoint(x, y);
        else
            line.MoveToPoint(x, y);
        started = true;
        gc.DrawEllipse(x - dot, y - dot, 2 * dot, 2 * dot);
    }
    gc.SetPen(wxPen(kBalance, FromDIP(2)));
    gc.StrokePath(line);
}

void ReportChart::DrawLegend(wxGraphicsContext& gc) const
{
    double x = FromDIP(44);
    const double box = FromDIP(12);
    const wxString texts[] = {_("Worked"), _("Target"), _("Balance"), _("Uncharged")};
    const wxColour colours[] = {kWorked, kTarget, kBalance, kUncharged};
    const bool anyUncharged = std::any_of(form.Days().begin(), form.Days().end(),
                                          [](const ReportForm::Day& day) { return day.uncharged; });
    for (size_t index = 0; index < (anyUncharged ? 4u : 3u); ++index)
    {
        gc.SetPen(*wxTRANSPARENT_PEN);
        gc.SetBrush(wxBrush(colours[index]));
        gc.DrawRectangle(x, FromDIP(8), box, box);
        double width = 0, height = 0;
        gc.GetTextExtent(texts[index], &width, &height);
        gc.DrawText(texts[index], x + box + FromDIP(4), FromDIP(8) + box / 2 - height / 2);
        x += box + width + FromDIP(20);
    }
}
