#pragma once

#include "res/IconCanvas.h"
#include "res/Icons.h"

#include <vector>

namespace res
{

// Paints shapes, given in a 16 × 16 unit square, onto a transparent square of any pixel size.
// Each pixel is sampled 4 × 4 times, so edges come out smooth at every size; at 16 pixels a
// shape whose edges lie on whole units is crisp.
class IconPainter : public IconCanvas
{
public:
    explicit IconPainter(int size);

    void FillRect(float left, float top, float right, float bottom, Colour colour) override;
    void FillPolygon(std::span<const Point> corners, Colour colour) override;
    void FillCircle(Point centre, float radius, Colour colour) override;
    void StrokeCircle(Point centre, float radius, float width, Colour colour) override;
    void StrokeLines(std::span<const Point> points, float width, Colour colour,
                     bool closed) override;
    using IconCanvas::FillPolygon;
    using IconCanvas::StrokeLines;

    IconImage Image() const;

private:
    // Covers every pixel that touches the box with the colour, weighted by the share of the
    // pixel's samples for which inside(x, y) holds.
    template <typename Inside>
    void Paint(float left, float top, float right, float bottom, Colour colour, Inside inside);

    int size;
    float unitsPerPixel;
    std::vector<float> premultiplied; // r, g, b, a per pixel, 0 to 1
};

} // namespace res
