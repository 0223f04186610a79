#include "resources/art/generator/canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

Canvas::Canvas(int width, int height, gdi::COLORREF background)
    : width_(width), height_(height), bitmap_(gdi::CreateBitmap(width, height, 32)),
      dc_(gdi::CreateCompatibleDC(nullptr)) {
    previous_ = dc_->SelectBitmap(bitmap_);
    Fill({0, 0, width, height}, background);
}

Canvas::~Canvas() { dc_->SelectBitmap(previous_); }

void Canvas::Fill(const gdi::RECT& rect, gdi::COLORREF colour) {
    gdi::FillRect(*dc_, rect, gdi::CreateSolidBrush(colour));
}

void Canvas::Polygon(const std::vector<PointF>& points, gdi::COLORREF colour) {
    if (points.size() < 3) return;
    for (int y = 0; y < height_; ++y) {
        const double cy = y + 0.5;
        std::vector<double> crossings;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const PointF a = points[i];
            const PointF b = points[(i + 1) % points.size()];
            if ((a.y <= cy && b.y > cy) || (b.y <= cy && a.y > cy)) {
                crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int x0 = static_cast<int>(std::ceil(crossings[i] - 0.5));
            const int x1 = static_cast<int>(std::floor(crossings[i + 1] - 0.5));
            if (x1 >= x0) Fill({x0, y, x1 + 1, y + 1}, colour);
        }
    }
}

void Canvas::Bar(PointF from, PointF to, double thickness, gdi::COLORREF colour) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length <= 0) return;
    const double nx = -dy / length * thickness / 2;
    const double ny = dx / length * thickness / 2;
    Polygon({{from.x + nx, from.y + ny}, {to.x + nx, to.y + ny}, {to.x - nx, to.y - ny}, {from.x - nx, from.y - ny}},
            colour);
}

void Canvas::Disc(int left, int top, int right, int bottom, gdi::COLORREF colour) {
    const gdi::Pen oldPen = dc_->SelectPen(gdi::NullPen());
    const gdi::Brush oldBrush = dc_->SelectBrush(gdi::CreateSolidBrush(colour));
    // With a null pen the brush covers right - 1 and bottom - 1 exclusive; widen by one to fill
    // the whole box.
    gdi::Ellipse(*dc_, left, top, right + 1, bottom + 1);
    dc_->SelectBrush(oldBrush);
    dc_->SelectPen(oldPen);
}

void Canvas::Round(double cx, double cy, double radius, gdi::COLORREF colour) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            if (dx * dx + dy * dy <= radius * radius) gdi::SetPixel(*dc_, x, y, colour);
        }
    }
}

void Canvas::Ring(int left, int top, int right, int bottom, int width, gdi::COLORREF colour) {
    const gdi::Pen oldPen = dc_->SelectPen(gdi::CreatePen(gdi::PS_INSIDEFRAME, width, colour));
    const gdi::Brush oldBrush = dc_->SelectBrush(gdi::NullBrush());
    gdi::Ellipse(*dc_, left, top, right, bottom);
    dc_->SelectBrush(oldBrush);
    dc_->SelectPen(oldPen);
}

void Canvas::Text(const char* text, gdi::RECT box, int pixelHeight, bool bold, gdi::COLORREF colour,
                  unsigned format) {
    gdi::LOGFONT font;
    font.lfHeight = -pixelHeight;
    font.lfWeight = bold ? gdi::FW_BOLD : gdi::FW_NORMAL;
    font.lfFaceName = "Arial";
    const gdi::LOGFONT oldFont = dc_->SelectFont(font);
    const int oldMode = dc_->SetBkMode(gdi::TRANSPARENT);
    const gdi::COLORREF oldColour = dc_->SetTextColor(colour);
    gdi::DrawText(*dc_, text, box, format | gdi::DT_NOPREFIX);
    dc_->SetTextColor(oldColour);
    dc_->SetBkMode(oldMode);
    dc_->SelectFont(oldFont);
}

}  // namespace art
