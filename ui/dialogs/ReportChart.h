#pragma once

#include <wx/geometry.h>
#include <wx/window.h>

#include <vector>

class ReportForm;
class wxGraphicsContext;

// The report's chart: a bar of the hours worked on each day of the period against an outline
// of the day's target, and the overtime balance at each day's end as a line. Drawn in
// device-independent units, so that it stays sharp and legible on a scaled screen.
class ReportChart : public wxWindow
{
public:
    ReportChart(wxWindow* parent, const ReportForm& form);

    // The colours, for the eye and for the tests that look at the pixels.
    static const wxColour kWorked;
    static const wxColour kBalance;
    // Behind the days whose target was left uncharged.
    static const wxColour kUncharged;

private:
    // Hours from the bottom to the top of the plot, whole and never empty.
    struct Scale
    {
        int low;
        int high;
    };

    void OnPaint(wxPaintEvent& event);
    Scale ScaleOfDays() const;
    // The hours that get a line and a label: at most about eight, a whole number apart.
    static std::vector<int> GridHours(const Scale& scale);
    void DrawUncharged(wxGraphicsContext& gc, const wxRect2DDouble& plot) const;
    void DrawGrid(wxGraphicsContext& gc, const wxRect2DDouble& plot, const Scale& scale,
                  const std::vector<int>& hours) const;
    void DrawDays(wxGraphicsContext& gc, const wxRect2DDouble& plot, const Scale& scale) const;
    void DrawBalance(wxGraphicsContext& gc, const wxRect2DDouble& plot, const Scale& scale) const;
    void DrawLegend(wxGraphicsContext& gc) const;

    const ReportForm& form;
};
