#include "medialib/panel.h"

#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"

using namespace gdi;

namespace {

void Line(DC& dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0);
    LineTo(dc, x1, y1);
}

// Frames in this painter take inclusive coordinates.
void Frame(DC& dc, int left, int top, int right, int bottom, COLORREF colour) {
    FrameRect(dc, RECT{left, top, right + 1, bottom + 1}, CreateSolidBrush(colour));
}

void RaisedGroove(DC& dc, const PanelDescription& p) {
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    const int w = p.outerWidth;
    const RECT inner{p.left + w, p.top + w, p.right - w, p.bottom - w};
    dc.SelectPen(CreatePen(PS_SOLID, 1, white));
    Line(dc, p.left + 1, p.top + 1, p.left + 1, p.bottom - 1);
    Line(dc, p.left + 1, p.top + 1, p.right - 1, p.top + 1);
    Line(dc, inner.left + 1, inner.bottom, inner.right, inner.bottom);
    Line(dc, inner.right, inner.bottom, inner.right, inner.top);
    dc.SelectPen(CreatePen(PS_SOLID, 1, black));
    Line(dc, p.left + 1, p.bottom - 1, p.right, p.bottom - 1);
    Line(dc, p.right - 1, p.top + 1, p.right - 1, p.bottom + 1);
    Line(dc, inner.left, inner.top, inner.right + 1, inner.top);
    Line(dc, inner.left, inner.top + 1, inner.left, inner.bottom + 1);
    Frame(dc, p.left, p.top, p.right, p.bottom, black);
}

}  // namespace

void DrawBevel(DC& dc, int left, int top, int right, int bottom, COLORREF light, COLORREF dark, int width) {
    const Pen oldPen = dc.SelectPen(CreatePen(PS_SOLID, 1, light));
    const POINT oldPosition = dc.GetCurrentPosition();
    for (int i = 0; i < width; ++i) {
        Line(dc, left + i + 1, top + i + 1, right - i, top + i + 1);
        Line(dc, left + i + 1, top + i + 1, left + i + 1, bottom - i);
    }
    dc.SelectPen(CreatePen(PS_SOLID, 1, dark));
    int e = right - 1;
    for (int i = 0; i < width; ++i, --e) {
        Line(dc, left + i + 1, bottom - 1 - i, e + 1, bottom - 1 - i);
        Line(dc, e, top + i + 1, e, bottom - 1 - i);
    }
    dc.SelectPen(oldPen);
    dc.SetCurrentPosition(oldPosition);
}

void DrawShadowText(DC& dc, const std::string& text, COLORREF colour, const RECT& rect, unsigned format, int dx,
                    int dy, COLORREF shadowColour, int sdx, int sdy) {
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF oldColour = dc.GetTextColor();
    const RECT base{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
    if (sdx > 0 || sdy > 0) {
        dc.SetTextColor(shadowColour);
        RECT shadow{base.left + sdx, base.top + sdy, base.right + sdx, base.bottom + sdy};
        DrawText(dc, text, shadow, format);
    }
    dc.SetTextColor(colour);
    RECT main = base;
    DrawText(dc, text, main, format);
    dc.SetTextColor(oldColour);
    dc.SetBkMode(oldMode);
}

void DrawPanel(DC& dc, const PanelDescription& p) {
    const Pen oldPen = dc.GetPen();
    const Brush oldBrush = dc.GetBrush();
    const POINT oldPosition = dc.GetCurrentPosition();
    if (p.fill != kNoColour) {
        dc.SelectPen(CreatePen(PS_SOLID, 1, p.fill));
        dc.SelectBrush(CreateSolidBrush(p.fill));
        Rectangle(dc, p.left, p.top, p.right + 1, p.bottom + 1);
    }
    switch (p.style) {
    case 0:
        RaisedGroove(dc, p);
        break;
    case 1:
        Frame(dc, p.left + 1, p.top + 1, p.right, p.bottom, RGB(255, 255, 255));
        Frame(dc, p.left, p.top, p.right - 1, p.bottom - 1, RGB(128, 128, 128));
        break;
    case 2: {
        if (p.outerLight != kNoColour)
            DrawBevel(dc, p.left, p.top, p.right, p.bottom, p.outerLight, p.outerDark, p.outerWidth);
        const int inset = p.outerWidth + p.gap;
        if (p.innerLight != kNoColour)
            DrawBevel(dc, p.left + inset, p.top + inset, p.right - inset, p.bottom - inset, p.innerLight, p.innerDark,
                      p.innerWidth);
        break;
    }
    case 3:
        DrawBevel(dc, p.left, p.top, p.right, p.bottom, p.outerLight, p.outerDark, p.outerWidth);
        break;
    default:
        break;
    }
    if (!p.caption.empty())
        DrawShadowText(dc, p.caption, p.textColour, RECT{p.left, p.top, p.right, p.bottom}, p.format, p.textDx,
                       p.textDy, p.shadowColour, p.shadowDx, p.shadowDy);
    if (p.outline) Frame(dc, p.left, p.top, p.right, p.bottom, RGB(0, 0, 0));
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
    dc.SetCurrentPosition(oldPosition);
}
