#pragma once

#include "res/IconCanvas.h"

#include <string>

namespace res
{

// Writes the shapes as a scalable vector picture (SVG) on the 16-unit square, for desktops
// that draw the application icon at any size.
class SvgPainter : public IconCanvas
{
public:
    void FillRect(float left, float top, float right, float bottom, Colour colour) override;
    void FillPolygon(std::span<const Point> corners, Colour colour) override;
    void FillCircle(Point centre, float radius, Colour colour) override;
    void StrokeCircle(Point centre, float radius, float width, Colour colour) override;
    void StrokeLines(std::span<const Point> points, float width, Colour colour,
                     bool closed) override;
    using IconCanvas::FillPolygon;
    using IconCanvas::StrokeLines;

    // The whole file: the shapes in the order they were drawn, later ones on top.
    std::string Document() const;

private:
    std::string shapes;
};

} // namespace res
