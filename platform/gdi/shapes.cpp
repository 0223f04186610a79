#include "platform/gdi/shapes.h"

#include "platform/gdi/pattern_source.h"
#include "platform/gdi/raster_ops.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace gdi {

namespace {

std::uint32_t PenPixel(const DC& dc, const Bitmap& target, COLORREF colour) {
    COLORREF c = dc.Resolve(colour);
    return ToPixel(target.IsMonochrome() ? NearestMonochrome(c) : c);
}

// Shapes never paint an inverted rectangle (unlike PatBlt, which turns it round).
void FillArea(DC& dc, const RECT& r, const Brush& brush) {
    if (!r.IsEmpty()) PatBltWithBrush(dc, r, brush, PATCOPY);
}

void FillSolid(DC& dc, const RECT& r, COLORREF colour) { FillArea(dc, r, CreateSolidBrush(colour)); }

// On/off lengths of the one-pixel dash styles.
const std::vector<int>& DashPattern(int style) {
    static const std::vector<int> solid{};
    static const std::vector<int> dash{18, 6};
    static const std::vector<int> dot{3, 3};
    static const std::vector<int> dashDot{9, 6, 3, 6};
    static const std::vector<int> dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case PS_DASH: return dash;
    case PS_DOT: return dot;
    case PS_DASHDOT: return dashDot;
    case PS_DASHDOTDOT: return dashDotDot;
    default: return solid;
    }
}

// A one-pixel line from (x0, y0) to (x1, y1), the end excluded.
void ThinLine(DC& dc, Bitmap& target, int x0, int y0, int x1, int y1) {
    const Pen& pen = dc.GetPen();
    const std::uint32_t ink = PenPixel(dc, target, pen.colour);
    const std::uint32_t gap = PenPixel(dc, target, dc.GetBkColor());
    const bool fillGaps = dc.GetBkMode() == OPAQUE;
    const std::vector<int>& dashes = DashPattern(pen.style);
    size_t dashIndex = 0;
    int dashLeft = dashes.empty() ? 0 : dashes[0];

    const int w = target.Width(), h = target.Height();
    QImage& image = target.Image();
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1, stepY = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
        const bool on = dashes.empty() || dashIndex % 2 == 0;
        if (x >= 0 && y >= 0 && x < w && y < h && (on || fillGaps))
            reinterpret_cast<std::uint32_t*>(image.scanLine(y))[x] = on ? ink : gap;
        if (!dashes.empty() && --dashLeft == 0) {
            dashIndex = (dashIndex + 1) % dashes.size();
            dashLeft = dashes[dashIndex];
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += stepX;
        }
        if (e2 <= dx) {
            err += dx;
            y += stepY;
        }
    }
}

QColor QtColour(std::uint32_t pixel) { return QColor::fromRgb(pixel); }

}  // namespace

COLORREF SetPixel(DC& dc, int x, int y, COLORREF colour) {
    HBITMAP target = dc.Target();
    if (!target) return kClrInvalid;
    const COLORREF previous = target->GetPixel(x, y);
    if (previous == kClrInvalid) return kClrInvalid;
    target->SetPixel(x, y, dc.Resolve(colour));
    dc.Changed(RECT{x, y, x + 1, y + 1});
    return previous;
}

COLORREF GetPixel(const DC& dc, int x, int y) {
    HBITMAP target = dc.Target();
    return target ? target->GetPixel(x, y) : kClrInvalid;
}

bool MoveToEx(DC& dc, int x, int y, POINT* previous) {
    if (previous) *previous = dc.GetCurrentPosition();
    dc.SetCurrentPosition(POINT{x, y});
    return true;
}

bool LineTo(DC& dc, int x, int y) {
    HBITMAP target = dc.Target();
    if (!target) return false;
    const POINT from = dc.GetCurrentPosition();
    dc.SetCurrentPosition(POINT{x, y});
    const Pen& pen = dc.GetPen();
    if (pen.style == PS_NULL) return true;
    if (pen.width <= 1) {
        ThinLine(dc, *target, from.x, from.y, x, y);
        dc.Changed(RECT{std::min(from.x, x), std::min(from.y, y), std::max(from.x, x) + 1, std::max(from.y, y) + 1});
        return true;
    }
    QPainter painter(&target->Image());
    painter.setPen(QPen(QtColour(PenPixel(dc, *target, pen.colour)), pen.width, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawLine(from.x, from.y, x, y);
    const int r = pen.width;
    dc.Changed(RECT{std::min(from.x, x) - r, std::min(from.y, y) - r, std::max(from.x, x) + r, std::max(from.y, y) + r});
    return true;
}

bool Rectangle(DC& dc, int left, int top, int right, int bottom) {
    HBITMAP target = dc.Target();
    if (!target) return false;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const Pen pen = dc.GetPen();
    const Brush brush = dc.GetBrush();
    if (pen.style == PS_NULL) {
        FillArea(dc, RECT{left, top, right - 1, bottom - 1}, brush);
        return true;
    }
    if (pen.width <= 1) {
        FillArea(dc, RECT{left + 1, top + 1, right - 1, bottom - 1}, brush);
        if (right - left < 1 || bottom - top < 1) return true;
        if (DashPattern(pen.style).empty()) {
            const COLORREF c = pen.colour;
            FillSolid(dc, RECT{left, top, right, top + 1}, c);
            FillSolid(dc, RECT{left, bottom - 1, right, bottom}, c);
            FillSolid(dc, RECT{left, top + 1, left + 1, bottom - 1}, c);
            FillSolid(dc, RECT{right - 1, top + 1, right, bottom - 1}, c);
        } else {
            const POINT saved = dc.GetCurrentPosition();
            MoveToEx(dc, left, top);
            LineTo(dc, right - 1, top);
            LineTo(dc, right - 1, bottom - 1);
            LineTo(dc, left, bottom - 1);
            LineTo(dc, left, top);
            dc.SetCurrentPosition(saved);
        }
        return true;
    }
    const int n = pen.width;
    const int a = pen.style == PS_INSIDEFRAME ? 0 : n / 2;
    const RECT outer{left - a, top - a, right + a, bottom + a};
    const RECT inner{outer.left + n, outer.top + n, outer.right - n, outer.bottom - n};
    FillArea(dc, inner, brush);
    const COLORREF c = pen.colour;
    FillSolid(dc, RECT{outer.left, outer.top, outer.right, outer.top + n}, c);
    FillSolid(dc, RECT{outer.left, outer.bottom - n, outer.right, outer.bottom}, c);
    FillSolid(dc, RECT{outer.left, outer.top + n, outer.left + n, outer.bottom - n}, c);
    FillSolid(dc, RECT{outer.right - n, outer.top + n, outer.right, outer.bottom - n}, c);
    return true;
}

bool Ellipse(DC& dc, int left, int top, int right, int bottom) {
    HBITMAP target = dc.Target();
    if (!target) return false;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1) return true;
    const Pen& pen = dc.GetPen();
    const PatternSource pattern(dc, dc.GetBrush(), target->IsMonochrome());
    {
        QPainter painter(&target->Image());
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(pattern.IsNull() ? QBrush(Qt::NoBrush) : pattern.ToQBrush());
        if (pen.style == PS_NULL) painter.setPen(Qt::NoPen);
        else painter.setPen(QPen(QtColour(PenPixel(dc, *target, pen.colour)), std::max(1, pen.width)));
        painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    }
    const int r = std::max(1, pen.width);
    dc.Changed(RECT{left - r, top - r, right + r, bottom + r});
    return true;
}

bool FillRect(DC& dc, const RECT& rect, const Brush& brush) {
    if (rect.IsEmpty()) return true;
    return PatBltWithBrush(dc, rect, brush, PATCOPY);
}

bool FrameRect(DC& dc, const RECT& rect, const Brush& brush) {
    if (!dc.Target()) return false;
    if (rect.IsEmpty()) return true;
    const RECT& r = rect;
    FillArea(dc, RECT{r.left, r.top, r.right, r.top + 1}, brush);
    if (r.bottom - r.top > 1) FillArea(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, brush);
    FillArea(dc, RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, brush);
    if (r.right - r.left > 1) FillArea(dc, RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, brush);
    return true;
}

}  // namespace gdi
