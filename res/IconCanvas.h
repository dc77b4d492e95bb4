#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

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

// What the program's pictures are drawn with: shapes in a 16 × 16 unit square. The same
// drawing gives the pixels of the window and tree pictures and the vector file of the
// application icon, so the two never drift apart.
class IconCanvas
{
public:
    virtual ~IconCanvas() = default;

    virtual void FillRect(float left, float top, float right, float bottom, Colour colour) = 0;
    // Even-odd rule: where the outline crosses itself, alternate areas are filled.
    virtual void FillPolygon(std::span<const Point> corners, Colour colour) = 0;
    virtual void FillCircle(Point centre, float radius, Colour colour) = 0;
    // A ring of the given width centred on the circle of the given radius.
    virtual void StrokeCircle(Point centre, float radius, float width, Colour colour) = 0;
    // Lines with round ends and joins; a closed line also joins its last point to the first.
    virtual void StrokeLines(std::span<const Point> points, float width, Colour colour,
                             bool closed) = 0;

    void FillPolygon(std::initializer_list<Point> corners, Colour colour)
    {
        FillPolygon(std::span<const Point>(corners.begin(), corners.size()), colour);
    }
    void StrokeLines(std::span<const Point> points, float width, Colour colour)
    {
        StrokeLines(points, width, colour, false);
    }
    void StrokeLines(std::initializer_list<Point> points, float width, Colour colour,
                     bool closed = false)
    {
        StrokeLines(std::span<const Point>(points.begin(), points.size()), width, colour, closed);
    }
};

} // namespace res
