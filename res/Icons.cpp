#include "res/Icons.h"

#include "res/IconPainter.h"

#include <array>
#include <cmath>
#include <iterator>

namespace res
{
namespace
{

constexpr Colour kOutline{60, 60, 60};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kPaper{248, 248, 244};
constexpr Colour kFold{208, 208, 200};
constexpr Colour kRed{226, 50, 44};
constexpr Colour kRedFold{160, 30, 26};
constexpr Colour kInkOnWhite{96, 96, 104};
constexpr Colour kInkOnRed{110, 12, 10};
constexpr Colour kTitleBlue{38, 92, 204};
constexpr Colour kYellow{250, 206, 40};
constexpr Colour kGreen{52, 172, 64};
constexpr Colour kCyan{40, 200, 220};
constexpr Colour kBlue{30, 90, 210};
constexpr Colour kDarkGreen{20, 96, 30};
constexpr Colour kDarkRed{130, 20, 16};
constexpr Colour kDarkBlue{16, 48, 120};
constexpr Colour kWood{222, 184, 120};
constexpr Colour kBrown{140, 86, 40};

// Fills a shape and draws its edge one unit wide, centred on the shape's corners.
void Outlined(IconCanvas& p, std::initializer_list<Point> corners, Colour fill,
              Colour edge = kOutline)
{
    p.FillPolygon(corners, fill);
    p.StrokeLines(corners, 1, edge, true);
}

void Box(IconCanvas& p, float left, float top, float right, float bottom, Colour fill,
         Colour edge = kOutline)
{
    Outlined(p, {{left, top}, {right, top}, {right, bottom}, {left, bottom}}, fill, edge);
}

// Short lines of text, one unit high, every second unit from the top line down.
void TextLines(IconCanvas& p, float left, float right, float top, int count, Colour ink)
{
    for (int i = 0; i < count; ++i)
    {
        const float y = top + 2.0f * i;
        // The last line of a paragraph is shorter.
        const float end = i == count - 1 ? left + (right - left) * 0.6f : right;
        p.FillRect(left, y, end, y + 1, ink);
    }
}

// A sheet of paper with its top right corner folded over.
void Page(IconCanvas& p, float left, float top, float right, float bottom, Colour fill, Colour fold)
{
    const float dogEar = (right - left) * 0.4f;
    Outlined(p,
             {{left, top},
              {right - dogEar, top},
              {right, top + dogEar},
              {right, bottom},
              {left, bottom}},
             fill);
    Outlined(p, {{right - dogEar, top}, {right, top + dogEar}, {right - dogEar, top + dogEar}},
             fold);
}

// A window: a frame with a blue title bar above its body.
void Window(IconCanvas& p, float left, float top, float right, float bottom, Colour body)
{
    Box(p, left, top, right, bottom, body);
    p.FillRect(left + 0.5f, top + 0.5f, right - 0.5f, top + 3.5f, kTitleBlue);
    p.FillRect(right - 3, top + 1, right - 1.5f, top + 2.5f, kWhite);
}

void ClockFace(IconCanvas& p, Point c, float radius)
{
    p.FillCircle(c, radius, kWhite);
    p.StrokeCircle(c, radius, 1, kOutline);
    const float tick = radius * 0.78f;
    for (const Point dir : {Point{0, -1}, Point{1, 0}, Point{0, 1}, Point{-1, 0}})
        p.FillCircle({c.x + dir.x * tick, c.y + dir.y * tick}, radius * 0.12f, kOutline);
    p.StrokeLines({{c.x, c.y - radius * 0.62f}, c, {c.x + radius * 0.45f, c.y + radius * 0.2f}},
                  radius * 0.2f, kOutline);
    p.StrokeLines({c, {c.x - radius * 0.35f, c.y + radius * 0.55f}}, radius * 0.1f, kRed);
}

// A pencil lying from the top right down to its point at the given tip.
void Pen(IconCanvas& p, Point tip, float length)
{
    const float s = 0.70710678f; // along the diagonal
    const float half = 1.2f;
    const float point = 2.4f;
    const Point base{tip.x + point * s, tip.y - point * s};
    const Point end{tip.x + length * s, tip.y - length * s};
    const Point side{half * s, half * s};
    Outlined(p,
             {{base.x - side.x, base.y - side.y},
              {end.x - side.x, end.y - side.y},
              {end.x + side.x, end.y + side.y},
              {base.x + side.x, base.y + side.y}},
             kYellow);
    Outlined(p, {{base.x - side.x, base.y - side.y}, tip, {base.x + side.x, base.y + side.y}},
             kWood);
    p.FillCircle({tip.x + 0.35f, tip.y - 0.35f}, 0.7f, kOutline);
}

// A note pad with its spiral binding at the top.
void Pad(IconCanvas& p, bool text)
{
    Box(p, 1.5f, 2.5f, 11.5f, 15.5f, kPaper);
    p.FillRect(2, 8, 8, 15, kRed);
    if (text)
        TextLines(p, 3, 10, 5, 5, kOutline);
    for (float x = 3.5f; x < 11; x += 2)
        p.StrokeLines({{x, 1}, {x, 4}}, 1, kOutline);
    Pen(p, {7.5f, 11}, 10.5f);
}

// An open line through up to eight points.
struct Polyline
{
    int count;
    std::array<Point, 8> points;

    std::span<const Point> Points() const
    {
        return {points.data(), static_cast<std::size_t>(count)};
    }
};

// Digits 1 to 5 drawn as strokes in a box four units wide and eight high.
constexpr Polyline kDigits[] = {
    {3, {{{0.8f, 1.6f}, {2.6f, 0}, {2.6f, 8}}}},
    {6, {{{0.2f, 1.6f}, {1.2f, 0.2f}, {2.8f, 0.2f}, {3.8f, 1.6f}, {0.2f, 7.8f}, {4, 7.8f}}}},
    {8,
     {{{0.2f, 0.3f},
       {3.6f, 0.3f},
       {1.8f, 3.4f},
       {2.8f, 3.5f},
       {3.9f, 4.8f},
       {3.7f, 6.8f},
       {2.2f, 7.8f},
       {0.1f, 7.2f}}}},
    {4, {{{3, 8}, {3, 0}, {0.1f, 5.4f}, {4.2f, 5.4f}}}},
    {7,
     {{{3.8f, 0.3f},
       {0.6f, 0.3f},
       {0.3f, 3.7f},
       {2.6f, 3.3f},
       {3.9f, 5},
       {3, 7.6f},
       {0.1f, 7.3f}}}},
};

// The body, the legs and the arms of the two figures.
constexpr Polyline kWalkingLimbs[] = {
    {2, {{{8.6f, 5.5f}, {7.6f, 10}}}},
    {3, {{{7.6f, 10}, {9.6f, 12.4f}, {9.4f, 15}}}},
    {3, {{{7.6f, 10}, {5.8f, 12.6f}, {3.6f, 14.4f}}}},
    {3, {{{8.4f, 6.4f}, {11, 8.2f}, {12.6f, 7.2f}}}},
    {3, {{{8.4f, 6.4f}, {6.2f, 8.2f}, {4.8f, 10.2f}}}},
};
constexpr Polyline kStandingLimbs[] = {
    {2, {{{8, 5.5f}, {8, 9.8f}}}},      {2, {{{8, 9.8f}, {5.8f, 15}}}},
    {2, {{{8, 9.8f}, {10.2f, 15}}}},    {2, {{{8, 6.2f}, {4.6f, 10.6f}}}},
    {2, {{{8, 6.2f}, {11.4f, 10.6f}}}},
};

void PriorityDisc(IconCanvas& p, Colour fill, int digit)
{
    p.FillCircle({8, 8}, 7.5f, fill);
    p.StrokeCircle({8, 8}, 7, 1, kOutline);
    if (digit == 0)
    {
        p.StrokeLines({{4.2f, 8.2f}, {7, 11}, {11.8f, 4.8f}}, 2.2f, kBlue);
        return;
    }
    Polyline placed = kDigits[digit - 1];
    for (Point& point : placed.points)
        point = {point.x * 1.1f + 5.8f, point.y + 4};
    p.StrokeLines(placed.Points(), 1.6f, {20, 20, 20});
}

// A stick figure: a head and limbs drawn as lines, dark edged for any background.
void Figure(IconCanvas& p, Colour colour, Colour edge, bool walking)
{
    const std::span<const Polyline> limbs = walking ? std::span<const Polyline>(kWalkingLimbs)
                                                    : std::span<const Polyline>(kStandingLimbs);
    const Point head = walking ? Point{9.2f, 2.8f} : Point{8, 2.8f};
    for (const Polyline& limb : limbs)
        p.StrokeLines(limb.Points(), 2.8f, edge);
    p.FillCircle(head, 2.5f, edge);
    for (const Polyline& limb : limbs)
        p.StrokeLines(limb.Points(), 1.8f, colour);
    p.FillCircle(head, 2, colour);
}

void Star(IconCanvas& p, Point c, float radius)
{
    std::array<Point, 10> corners{};
    for (int i = 0; i < 10; ++i)
    {
        const float r = i % 2 == 0 ? radius : radius * 0.45f;
        const float angle = 3.14159265f * i / 5;
        corners[i] = {c.x + r * std::sin(angle), c.y - r * std::cos(angle)};
    }
    p.StrokeLines(corners, 1, {150, 110, 0}, true);
    p.FillPolygon(corners, kYellow);
}

void Broom(IconCanvas& p)
{
    p.StrokeLines({{15, 1}, {7.6f, 8.4f}}, 2.2f, kOutline);
    p.StrokeLines({{15, 1}, {7.6f, 8.4f}}, 1.2f, kBrown);
    Outlined(p, {{5.5f, 7.5f}, {9.5f, 11.5f}, {6.5f, 15.5f}, {0.5f, 15.5f}, {0.5f, 12.5f}}, kYellow,
             {150, 110, 0});
    for (const float t : {0.25f, 0.5f, 0.75f})
        p.StrokeLines({{5.5f + 4 * t, 7.5f + 4 * t}, {0.5f + 6 * t, 15.5f}}, 0.7f, {176, 128, 0});
    Outlined(p, {{5, 6}, {11, 12}, {9.5f, 13}, {4, 7.5f}}, kRed);
}

// The tree's pictures are combinations of a few parts.
enum class Base
{
    Pad,
    Clock,
    Window,
    Page,
    Disc
};
struct TreePicture
{
    Base base;
    Colour fill;
    bool text;
    int digit; // for discs: 1 to 5, or 0 for the check mark
};
constexpr TreePicture kTreePictures[kTreeImageCount] = {
    {Base::Pad, kRed, false, 0},     {Base::Clock, kWhite, false, 0},
    {Base::Pad, kRed, true, 0},      {Base::Window, kRed, true, 0},
    {Base::Page, kRed, true, 0},     {Base::Window, kPaper, true, 0},
    {Base::Page, kPaper, true, 0},   {Base::Window, kRed, false, 0},
    {Base::Page, kRed, false, 0},    {Base::Disc, kRed, false, 1},
    {Base::Disc, kYellow, false, 2}, {Base::Disc, kGreen, false, 3},
    {Base::Disc, kCyan, false, 4},   {Base::Disc, kWhite, false, 5},
    {Base::Disc, kWhite, false, 0},  {Base::Window, kPaper, false, 0},
    {Base::Page, kPaper, false, 0},
};

bool IsRed(Colour c)
{
    return c.r == kRed.r && c.g == kRed.g && c.b == kRed.b;
}

void DrawTreePicture(IconCanvas& p, const TreePicture& picture)
{
    const Colour ink = IsRed(picture.fill) ? kInkOnRed : kInkOnWhite;
    switch (picture.base)
    {
    case Base::Pad:
        Pad(p, picture.text);
        break;
    case Base::Clock:
        ClockFace(p, {8, 8}, 7);
        break;
    case Base::Window:
        Window(p, 0.5f, 1.5f, 15.5f, 14.5f, picture.fill);
        if (picture.text)
            TextLines(p, 3, 13, 7, 3, ink);
        break;
    case Base::Page:
        Page(p, 2.5f, 0.5f, 13.5f, 15.5f, picture.fill, IsRed(picture.fill) ? kRedFold : kFold);
        if (picture.text)
            TextLines(p, 4.5f, 11.5f, 7, 4, ink);
        break;
    case Base::Disc:
        PriorityDisc(p, picture.fill, picture.digit);
        break;
    }
}

// Two sheets, the one behind offset up and to the left: the look of "copy".
void CopiedPage(IconCanvas& p)
{
    Page(p, 0.5f, 0.5f, 9.5f, 11.5f, kPaper, kFold);
}

// The tool bar's and the window's pictures, each named after what it shows.
void CopiedName(IconCanvas& p)
{
    CopiedPage(p);
    Page(p, 5.5f, 4.5f, 15.5f, 15.5f, kPaper, kFold);
    TextLines(p, 7, 13, 9, 3, kInkOnWhite);
}

void CopiedTime(IconCanvas& p)
{
    CopiedPage(p);
    ClockFace(p, {10, 10}, 5.5f);
}

void Cross(IconCanvas& p)
{
    p.StrokeLines({{3, 3}, {13, 13}}, 4, kDarkRed);
    p.StrokeLines({{13, 3}, {3, 13}}, 4, kDarkRed);
    p.StrokeLines({{3, 3}, {13, 13}}, 2.6f, kRed);
    p.StrokeLines({{13, 3}, {3, 13}}, 2.6f, kRed);
}

void PauseBars(IconCanvas& p)
{
    Box(p, 3.5f, 2.5f, 6.5f, 13.5f, kBlue, kDarkBlue);
    Box(p, 9.5f, 2.5f, 12.5f, 13.5f, kBlue, kDarkBlue);
}

void NewWindow(IconCanvas& p)
{
    Window(p, 2.5f, 4.5f, 15.5f, 14.5f, kPaper);
    Star(p, {4, 4}, 3.8f);
}

void PlayTriangle(IconCanvas& p)
{
    Outlined(p, {{4.5f, 2.5f}, {13, 8}, {4.5f, 13.5f}}, kGreen, kDarkGreen);
}

void CheckMark(IconCanvas& p)
{
    p.StrokeLines({{2.5f, 8.5f}, {6, 12}, {13.5f, 3.5f}}, 4, kDarkBlue);
    p.StrokeLines({{2.5f, 8.5f}, {6, 12}, {13.5f, 3.5f}}, 2.6f, kBlue);
}

void NewPage(IconCanvas& p)
{
    Page(p, 4.5f, 2.5f, 14.5f, 15.5f, kPaper, kFold);
    Star(p, {4, 4}, 3.8f);
}

// An arrow that bends over the top back to the left; mirrored, on to the right.
void TurningArrow(IconCanvas& p, bool mirrored)
{
    const auto at = [mirrored](float x, float y) { return Point{mirrored ? 16 - x : x, y}; };
    const Point bend[] = {at(12, 14), at(13.5f, 10), at(12, 6.5f), at(9, 5.5f), at(6, 5.5f)};
    p.StrokeLines(bend, 3.6f, kDarkBlue);
    p.StrokeLines(bend, 2.2f, kBlue);
    Outlined(p, {at(1, 5.5f), at(6.5f, 1), at(6.5f, 10)}, kBlue, kDarkBlue);
}

void DrawOther(IconCanvas& p, IconId icon)
{
    switch (icon)
    {
    case IconId::Running:
        return Figure(p, kGreen, kDarkGreen, true);
    case IconId::Paused:
        return Figure(p, kRed, kDarkRed, false);
    case IconId::CopyName:
        return CopiedName(p);
    case IconId::CopyTime:
        return CopiedTime(p);
    case IconId::Delete:
        return Cross(p);
    case IconId::Pause:
        return PauseBars(p);
    case IconId::NewProject:
        return NewWindow(p);
    case IconId::Activate:
        return PlayTriangle(p);
    case IconId::Completed:
        return CheckMark(p);
    case IconId::NewTodo:
        return NewPage(p);
    case IconId::CleanUp:
        return Broom(p);
    case IconId::Undo:
    case IconId::Redo:
        return TurningArrow(p, icon == IconId::Redo);
    default:
        return;
    }
}

} // namespace

std::uint32_t IconImage::Rgb(int x, int y) const
{
    const std::uint8_t* pixel = &rgba[(y * width + x) * 4];
    return (std::uint32_t{pixel[0]} << 16) | (std::uint32_t{pixel[1]} << 8) | pixel[2];
}

void DrawIcon(IconId icon, IconCanvas& canvas)
{
    const int index = static_cast<int>(icon);
    if (index >= 0 && index < kTreeImageCount)
        DrawTreePicture(canvas, kTreePictures[index]);
    else
        DrawOther(canvas, icon);
}

IconImage RenderIcon(IconId icon, int size)
{
    IconPainter painter(size);
    DrawIcon(icon, painter);
    return painter.Image();
}

} // namespace res
