#include "res/SvgPainter.h"

#include <cstdio>

namespace res
{
namespace
{

// Numbers with at most three decimals and no trailing zeros keep the file short and exact
// enough for a 16-unit square.
std::string Number(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(value));
    std::string number = text;
    while (number.back() == '0')
        number.pop_back();
    if (number.back() == '.')
        number.pop_back();
    return number == "-0" ? "0" : number;
}

std::string Hex(Colour colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return text;
}

std::string Fill(Colour colour)
{
    std::string attributes = " fill=\"" + Hex(colour) + "\"";
    if (colour.a != 255)
        attributes += " fill-opacity=\"" + Number(colour.a / 255.0f) + "\"";
    return attributes;
}

std::string Stroke(Colour colour, float width)
{
    std::string attributes =
        " fill=\"none\" stroke=\"" + Hex(colour) + "\" stroke-width=\"" + Number(width) + "\"";
    if (colour.a != 255)
        attributes += " stroke-opacity=\"" + Number(colour.a / 255.0f) + "\"";
    return attributes;
}

std::string PointList(std::span<const Point> points)
{
    std::string list;
    for (const Point& point : points)
    {
        if (!list.empty())
            list += ' ';
        list += Number(point.x) + ',' + Number(point.y);
    }
    return list;
}

} // namespace

void SvgPainter::FillRect(float left, float top, float right, float bottom, Colour colour)
{
    shapes += "  <rect x=\"" + Number(left) + "\" y=\"" + Number(top) + "\" width=\"" +
              Number(right - left) + "\" height=\"" + Number(bottom - top) + "\"" + Fill(colour) +
              "/>\n";
}

void SvgPainter::FillPolygon(std::span<const Point> corners, Colour colour)
{
    if (corners.size() < 3)
        return;
    shapes += "  <polygon points=\"" + PointList(corners) + "\" fill-rule=\"evenodd\"" +
              Fill(colour) + "/>\n";
}

void SvgPainter::FillCircle(Point centre, float radius, Colour colour)
{
    shapes += "  <circle cx=\"" + Number(centre.x) + "\" cy=\"" + Number(centre.y) + "\" r=\"" +
              Number(radius) + "\"" + Fill(colour) + "/>\n";
}

void SvgPainter::StrokeCircle(Point centre, float radius, float width, Colour colour)
{
    shapes += "  <circle cx=\"" + Number(centre.x) + "\" cy=\"" + Number(centre.y) + "\" r=\"" +
              Number(radius) + "\"" + Stroke(colour, width) + "/>\n";
}

void SvgPainter::StrokeLines(std::span<const Point> points, float width, Colour colour, bool closed)
{
    if (points.empty())
        return;
    // A single point still leaves a round dot, as a line of no length with round ends.
    const std::string list =
        points.size() == 1 ? PointList(points) + ' ' + PointList(points) : PointList(points);
    shapes += std::string("  <") + (closed ? "polygon" : "polyline") + " points=\"" + list + "\"" +
              Stroke(colour, width) + " stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n";
}

std::string SvgPainter::Document() const
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\" "
           "viewBox=\"0 0 16 16\">\n" +
           shapes + "</svg>\n";
}

} // namespace res
