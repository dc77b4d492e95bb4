#pragma once

#include "res/Icons.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace res
{

struct Colour
{
    std::uint8_t r, g, b, a = 255;
};

struct Point
{
    float x, y;
};

// Paints shapes, given in a 16 × 16 unit square, onto a transparent square of any pixel size.
// Each pixel is sampled 4 × 4 times, so edges come out smooth at every size; at 16 pixels a
// shape whose edges lie on whole units is crisp.
class IconPainter
{
public:
    explicit IconPainter(int size);

    void FillRect(float left, float top, float right, float bottom, Colour colour);
    void FillPolygon(std::span<const Point> corners, Colour colour);
    void FillPolygon(std::initializer_list<Point> corners, Colour colour)
    {
        FillPolygon(std::span<const Point>(corners.begin(), corners.size()), colour);
    }
    void FillCircle(Point centre, float radius, Colour colour);
    // A ring of the given width centred on the circle of the given radius.
    void StrokeCircle(Point centre, float radius, float width, Colour colour);
    // Lines with round ends and joins; a closed line also joins its last point to the first.
    void StrokeLines(std::span<const Point> points, float width, Colour colour,
                     bool closed = false);
    void StrokeLines(std::initializer_list<Point> points, float width, Colour colour,
                     bool closed = false)
    {
        StrokeLines(std::span<const Point>(points.begin(), points.size()), width, colour, closed);
    }

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
