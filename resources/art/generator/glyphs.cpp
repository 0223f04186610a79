#include "resources/art/generator/glyphs.h"

#include <cmath>
#include <vector>

namespace art {

namespace {

// Points of an arrow pointing right inside the unit square, mapped into the box by direction.
PointF Map(Box box, Direction direction, double u, double v) {
    switch (direction) {
        case Direction::Right: return {box.left + u * box.width, box.top + v * box.height};
        case Direction::Left: return {box.right() - u * box.width, box.top + v * box.height};
        case Direction::Down: return {box.left + v * box.width, box.top + u * box.height};
        case Direction::Up: return {box.left + v * box.width, box.bottom() - u * box.height};
    }
    return {};
}

std::vector<PointF> MapAll(Box box, Direction direction, std::initializer_list<PointF> unit) {
    std::vector<PointF> points;
    for (const PointF& p : unit) points.push_back(Map(box, direction, p.x, p.y));
    return points;
}

constexpr double kPi = 3.14159265358979323846;

// A ring segment from angle a0 to a1 (radians, clockwise from the right with y down).
void Arc(Canvas& canvas, double cx, double cy, double outer, double inner, double a0, double a1, COLORREF colour) {
    std::vector<PointF> points;
    const int steps = 32;
    for (int i = 0; i <= steps; ++i) {
        const double a = a0 + (a1 - a0) * i / steps;
        points.push_back({cx + outer * std::cos(a), cy + outer * std::sin(a)});
    }
    for (int i = steps; i >= 0; --i) {
        const double a = a0 + (a1 - a0) * i / steps;
        points.push_back({cx + inner * std::cos(a), cy + inner * std::sin(a)});
    }
    canvas.Polygon(points, colour);
}

}  // namespace

void DrawArrow(Canvas& canvas, Box box, Direction direction, COLORREF colour) {
    canvas.Polygon(MapAll(box, direction,
                          {{0.0, 0.34}, {0.5, 0.34}, {0.5, 0.06}, {1.0, 0.5}, {0.5, 0.94}, {0.5, 0.66}, {0.0, 0.66}}),
                   colour);
}

void DrawTriangle(Canvas& canvas, Box box, Direction direction, COLORREF colour) {
    canvas.Polygon(MapAll(box, direction, {{0.15, 0.0}, {0.85, 0.5}, {0.15, 1.0}}), colour);
}

void DrawCross(Canvas& canvas, Box box, COLORREF colour) {
    const double t = std::min(box.width, box.height) * 0.22;
    canvas.Bar({box.left + t / 2, box.top + t / 2}, {box.right() - t / 2, box.bottom() - t / 2}, t, colour);
    canvas.Bar({box.right() - t / 2, box.top + t / 2}, {box.left + t / 2, box.bottom() - t / 2}, t, colour);
}

void DrawAgain(Canvas& canvas, Box box, COLORREF colour, COLORREF ground) {
    (void)ground;
    const double r = std::min(box.width, box.height) / 2;
    const double t = r * 0.36;
    const double cx = box.cx();
    const double cy = box.cy();
    // From the top, clockwise round to just before the top again; the head points along the turn.
    const double start = -kPi / 2 + 0.55;
    const double end = -kPi / 2 + 2 * kPi - 0.35;
    Arc(canvas, cx, cy, r - 1, r - 1 - t, start, end, colour);
    const double mid = r - 1 - t / 2;
    const double ax = cx + mid * std::cos(start);
    const double ay = cy + mid * std::sin(start);
    // Tangent at the start points backwards (anticlockwise), so the head sits at the start and
    // points clockwise.
    const double tx = -std::sin(start);
    const double ty = std::cos(start);
    const double nx = std::cos(start);
    const double ny = std::sin(start);
    const double h = t * 1.1;
    canvas.Polygon({{ax + nx * h, ay + ny * h}, {ax - nx * h, ay - ny * h}, {ax + tx * h * 1.5, ay + ty * h * 1.5}},
                   colour);
}

void DrawReturn(Canvas& canvas, Box box, COLORREF colour) {
    const double t = std::min(box.width, box.height) * 0.2;
    const double right = box.right() - t * 0.2;
    const double turnY = box.top + box.height * 0.62;
    // Down the right side, then left to the arrow head.
    canvas.Polygon({{right - t, box.top},
                    {right, box.top},
                    {right, turnY + t / 2},
                    {box.left + box.width * 0.38, turnY + t / 2},
                    {box.left + box.width * 0.38, turnY - t / 2},
                    {right - t, turnY - t / 2}},
                   colour);
    canvas.Polygon({{box.left, turnY},
                    {box.left + box.width * 0.42, turnY - t * 1.5},
                    {box.left + box.width * 0.42, turnY + t * 1.5}},
                   colour);
}

void DrawBullet(Canvas& canvas, Box box, COLORREF colour) {
    const double d = std::min(box.width, box.height) * 0.6;
    const int left = static_cast<int>(std::lround(box.cx() - d / 2));
    const int top = static_cast<int>(std::lround(box.cy() - d / 2));
    const int size = static_cast<int>(std::lround(d));
    canvas.Disc(left, top, left + size, top + size, colour);
}

void DrawCheckMark(Canvas& canvas, Box box, double thickness, COLORREF colour) {
    const PointF a{box.left + box.width * 0.08, box.top + box.height * 0.52};
    const PointF b{box.left + box.width * 0.38, box.top + box.height * 0.84};
    const PointF c{box.left + box.width * 0.92, box.top + box.height * 0.14};
    canvas.Bar(a, b, thickness, colour);
    canvas.Bar({b.x - thickness * 0.3, b.y + thickness * 0.1}, c, thickness, colour);
}

void DrawUndo(Canvas& canvas, Box box, COLORREF colour, COLORREF ground) {
    (void)ground;
    const double r = std::min(box.width, box.height) / 2;
    const double t = std::max(2.0, r * 0.34);
    const double cx = box.cx();
    const double cy = box.cy() + r * 0.1;
    // Upper half and the right side: from the left going over the top to the bottom right.
    Arc(canvas, cx, cy, r - 0.5, r - 0.5 - t, kPi, 2.35 * kPi, colour);
    const double mid = r - 0.5 - t / 2;
    const double ax = cx - mid;
    canvas.Polygon({{ax - t * 1.3, cy - t * 0.2}, {ax + t * 1.3, cy - t * 0.2}, {ax, cy + t * 1.4}}, colour);
}

void DrawFrame(Canvas& canvas, int left, int top, int right, int bottom, COLORREF colour) {
    gdi::FrameRect(canvas.Dc(), {left, top, right, bottom}, gdi::CreateSolidBrush(colour));
}

}  // namespace art
