#include "res/IconPainter.h"

#include <algorithm>
#include <cmath>

namespace res
{
namespace
{

constexpr int kSamples = 4; // per pixel and axis

float SquaredDistanceToSegment(float x, float y, Point a, Point b)
{
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float length2 = dx * dx + dy * dy;
    float t = length2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    const float ex = a.x + t * dx - x;
    const float ey = a.y + t * dy - y;
    return ex * ex + ey * ey;
}

struct Bounds
{
    float left, top, right, bottom;
};

Bounds BoundsOf(std::span<const Point> points, float margin)
{
    Bounds b{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Point& p : points)
    {
        b.left = std::min(b.left, p.x);
        b.top = std::min(b.top, p.y);
        b.right = std::max(b.right, p.x);
        b.bottom = std::max(b.bottom, p.y);
    }
    return {b.left - margin, b.top - margin, b.right + margin, b.bottom + margin};
}

} // namespace

IconPainter::IconPainter(int size)
    : size(std::max(size, 1)), unitsPerPixel(16.0f / static_cast<float>(std::max(size, 1))),
      premultiplied(static_cast<std::size_t>(this->size) * this->size * 4, 0.0f)
{
}

template <typename Inside>
void IconPainter::Paint(float left, float top, float right, float bottom, Colour colour,
                        Inside inside)
{
    const auto toPixel = [&](float units) { return units / unitsPerPixel; };
    const int x0 = std::max(0, static_cast<int>(std::floor(toPixel(left))));
    const int y0 = std::max(0, static_cast<int>(std::floor(toPixel(top))));
    const int x1 = std::min(size, static_cast<int>(std::ceil(toPixel(right))));
    const int y1 = std::min(size, static_cast<int>(std::ceil(toPixel(bottom))));
    const float opacity = colour.a / 255.0f;
    const float rgb[3] = {colour.r / 255.0f, colour.g / 255.0f, colour.b / 255.0f};

    for (int py = y0; py < y1; ++py)
    {
        for (int px = x0; px < x1; ++px)
        {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
            {
                const float y = (py + (sy + 0.5f) / kSamples) * unitsPerPixel;
                for (int sx = 0; sx < kSamples; ++sx)
                {
                    const float x = (px + (sx + 0.5f) / kSamples) * unitsPerPixel;
                    hits += inside(x, y) ? 1 : 0;
                }
            }
            if (hits == 0)
                continue;
            const float alpha = opacity * hits / (kSamples * kSamples);
            float* pixel = &premultiplied[(static_cast<std::size_t>(py) * size + px) * 4];
            for (int c = 0; c < 3; ++c)
                pixel[c] = rgb[c] * alpha + pixel[c] * (1 - alpha);
            pixel[3] = alpha + pixel[3] * (1 - alpha);
        }
    }
}

void IconPainter::FillRect(float left, float top, float right, float bottom, Colour colour)
{
    Paint(left, top, right, bottom, colour,
          [&](float x, float y) { return x >= left && x < right && y >= top && y < bottom; });
}

void IconPainter::FillPolygon(std::span<const Point> corners, Colour colour)
{
    if (corners.size() < 3)
        return;
    const Bounds b = BoundsOf(corners, 0);
    // Even-odd rule: a point is inside when a ray to its right crosses an odd number of edges.
    Paint(b.left, b.top, b.right, b.bottom, colour,
          [&](float x, float y)
          {
              bool in = false;
              for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++)
              {
                  const Point& p = corners[i];
                  const Point& q = corners[j];
                  if ((p.y > y) != (q.y > y) && x < (q.x - p.x) * (y - p.y) / (q.y - p.y) + p.x)
                      in = !in;
              }
              return in;
          });
}

void IconPainter::FillCircle(Point centre, float radius, Colour colour)
{
    Paint(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius, colour,
          [&](float x, float y)
          {
              const float dx = x - centre.x;
              const float dy = y - centre.y;
              return dx * dx + dy * dy <= radius * radius;
          });
}

void IconPainter::StrokeCircle(Point centre, float radius, float width, Colour colour)
{
    const float outer = radius + width / 2;
    const float inner = std::max(0.0f, radius - width / 2);
    Paint(centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer, colour,
          [&](float x, float y)
          {
              const float dx = x - centre.x;
              const float dy = y - centre.y;
              const float d2 = dx * dx + dy * dy;
              return d2 <= outer * outer && d2 >= inner * inner;
          });
}

void IconPainter::StrokeLines(std::span<const Point> points, float width, Colour colour,
                              bool closed)
{
    if (points.empty())
        return;
    const float half = width / 2;
    const Bounds b = BoundsOf(points, half);
    // One coverage test for the whole line, so that joins are not painted twice.
    Paint(b.left, b.top, b.right, b.bottom, colour,
          [&](float x, float y)
          {
              const std::size_t segments = closed ? points.size() : points.size() - 1;
              if (segments == 0)
                  return SquaredDistanceToSegment(x, y, points[0], points[0]) <= half * half;
              for (std::size_t i = 0; i < segments; ++i)
              {
                  const Point& a = points[i];
                  const Point& c = points[(i + 1) % points.size()];
                  if (SquaredDistanceToSegment(x, y, a, c) <= half * half)
                      return true;
              }
              return false;
          });
}

IconImage IconPainter::Image() const
{
    IconImage image{size, size, std::vector<std::uint8_t>(premultiplied.size())};
    for (std::size_t i = 0; i < premultiplied.size(); i += 4)
    {
        const float alpha = premultiplied[i + 3];
        for (int c = 0; c < 3; ++c)
        {
            const float straight = alpha > 0 ? premultiplied[i + c] / alpha : 0;
            image.rgba[i + c] =
                static_cast<std::uint8_t>(std::lround(std::clamp(straight, 0.0f, 1.0f) * 255));
        }
        image.rgba[i + 3] =
            static_cast<std::uint8_t>(std::lround(std::clamp(alpha, 0.0f, 1.0f) * 255));
    }
    return image;
}

} // namespace res
