#include "ui/AfterFirstPaint.h"

#include <wx/window.h>

#include <memory>
#include <utility>

void AfterFirstPaint::Schedule(wxWindow& window, std::function<void()> action)
{
    auto pending = std::make_shared<std::function<void()>>(std::move(action));
    window.Bind(wxEVT_PAINT,
                [&window, pending](wxPaintEvent& event)
                {
                    // The window draws itself as always; the action follows once the drawing
                    // is done and the event loop is free again.
                    event.Skip();
                    if (*pending)
                        window.CallAfter(std::exchange(*pending, nullptr));
                });
}
