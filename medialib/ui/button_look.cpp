#include "medialib/ui/button_look.h"

#include "medialib/blit.h"
#include "medialib/caption_colours.h"
#include "medialib/number_util.h"
#include "medialib/panel.h"
#include "medialib/ui/button_bitmaps.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"

#include <algorithm>
#include <utility>

using namespace gdi;

namespace {

constexpr COLORREF kLightGrey = 0xC0C0C0;

bool IsBox(const ParsedCaption& c) { return c.type == 'C' || c.type == 'R'; }

PanelDescription Describe(const ParsedCaption& c, const PanelParameters& p, const RECT& panel) {
    PanelDescription d;
    d.left = panel.left;
    d.top = panel.top;
    d.right = panel.right;
    d.bottom = panel.bottom;
    d.style = c.StyleNumber();
    d.outline = p.outline != 0;
    d.fill = p.fill;
    d.outerLight = p.outerLight;
    d.outerDark = p.outerDark;
    d.innerLight = p.innerLight;
    d.innerDark = p.innerDark;
    d.outerWidth = p.outerWidth;
    d.gap = p.gap;
    d.innerWidth = p.innerWidth;
    d.textColour = p.textColour;
    d.textDx = p.textDx;
    d.textDy = p.textDy;
    d.shadowColour = p.shadowColour;
    d.shadowDx = p.shadowDx;
    d.shadowDy = p.shadowDy;
    return d;
}

void DrawGroupBox(DC& dc, const ParsedCaption& c, const PanelParameters& p, const RECT& panel) {
    RECT measured{10, 0, 100, 50};
    DrawText(dc, c.text, measured, DT_CALCRECT);
    const int half = measured.Height() / 2;
    FillRectSolid(dc, RECT{0, 0, panel.right + 1, half}, p.fill);

    PanelDescription frame = Describe(c, p, RECT{panel.left, half, panel.right, panel.bottom});
    if (p.outerWidth == 0 || frame.style == 1) frame.outline = false;
    DrawPanel(dc, frame);

    PanelDescription label = Describe(c, p, measured);
    label.style = 3;
    label.outerWidth = 0;
    label.outline = false;
    label.caption = c.text;
    label.format = DT_CENTER;
    DrawPanel(dc, label);
}

void DrawPanelAndCaption(DC& dc, const ParsedCaption& c, const PanelParameters& p, const RECT& panel) {
    if (c.justification == 'G') return DrawGroupBox(dc, c, p, panel);
    PanelDescription d = Describe(c, p, panel);
    if (c.text.empty()) {
        if (p.outerWidth < 0) return;
        if (p.outerWidth == 0) {
            if (c.type == 'R') return;
            d.outline = false;
        }
        if (d.style == 1) d.outline = false;
        DrawPanel(dc, d);
        return;
    }
    d.caption = c.text;
    if (c.justification == 'L') {
        d.format = DT_LEFT;
        d.textDx += 4;
    } else if (c.justification == 'R') {
        d.format = DT_RIGHT;
        d.textDx -= 4;
    } else {
        d.format = DT_CENTER;
    }
    if (c.text.find('\n') == std::string::npos) {
        d.format |= DT_SINGLELINE | DT_VCENTER;
    } else {
        RECT measured{panel.left, panel.top, panel.right, panel.bottom};
        const int textHeight = DrawText(dc, c.text, measured, d.format | DT_CALCRECT);
        d.textDy += (panel.bottom - panel.top - textHeight) / 2;
    }
    if (p.outerWidth == 0 || d.style == 1) d.outline = false;
    DrawPanel(dc, d);
}

const std::string& LookBitmapName(const ParsedCaption& c, ButtonLook look) {
    if (look == ButtonLook::Down && !c.downBitmap.empty()) return c.downBitmap;
    if (look == ButtonLook::Disabled && !c.disabledBitmap.empty()) return c.disabledBitmap;
    return c.upBitmap;
}

// Fills the panel around the picture rectangle (exclusive right and bottom).
void FillAround(DC& dc, const RECT& panel, const RECT& picture) {
    const RECT outer{panel.left, panel.top, panel.right + 1, panel.bottom + 1};
    const Brush grey = CreateSolidBrush(kLightGrey);
    FillRect(dc, RECT{outer.left, outer.top, outer.right, picture.top}, grey);
    FillRect(dc, RECT{outer.left, picture.bottom, outer.right, outer.bottom}, grey);
    FillRect(dc, RECT{outer.left, picture.top, picture.left, picture.bottom}, grey);
    FillRect(dc, RECT{picture.right, picture.top, outer.right, picture.bottom}, grey);
}

void DrawPicture(DC& dc, const ParsedCaption& c, const PanelParameters& p, const RECT& panel, ButtonLook look) {
    const HBITMAP bitmap = LoadButtonBitmap(LookBitmapName(c, look));
    if (!bitmap) return;
    if (c.tile == '1') {
        FillRect(dc, RECT{panel.left, panel.top, panel.right + 1, panel.bottom + 1}, CreatePatternBrush(bitmap));
        return;
    }
    const int panelWidth = panel.right - panel.left + 1, panelHeight = panel.bottom - panel.top + 1;
    int width = bitmap->Width(), height = bitmap->Height();
    const bool fits = FitInside(width, height, panelWidth - 2 * p.outerWidth - 2, panelHeight - 2 * p.outerWidth - 2);
    if (width <= 0 || height <= 0) return;
    int x = panel.left + (panelWidth - width) / 2;
    if (c.bitmapAlign == 'R') x = panel.right - p.outerWidth - width - 6;
    else if (c.bitmapAlign == 'L') x = panel.left + p.outerWidth + 6;
    const int y = panel.top + (panelHeight - height) / 2;

    DCPtr source = CreateCompatibleDC(&dc);
    source->SelectBitmap(bitmap);
    if (fits) {
        BitBlt(dc, x, y, width, height, source.get(), 0, 0, SRCCOPY);
    } else {
        const int oldMode = dc.SetStretchBltMode(COLORONCOLOR);
        StretchBlt(dc, x, y, width, height, source.get(), 0, 0, bitmap->Width(), bitmap->Height(), SRCCOPY);
        dc.SetStretchBltMode(oldMode);
    }
    if (c.type == 'R' && p.outerWidth == 0 && c.text.empty())
        FillAround(dc, panel, RECT{x, y, x + width, y + height});
}

}  // namespace

PanelParameters LookParameters(const ParsedCaption& c, ButtonLook look) {
    PanelParameters p = c.panel;
    if (look == ButtonLook::Down) {
        p.outerLight = c.panel.outerDark;
        p.outerDark = c.panel.fill;
        if (!IsBox(c)) {
            p.textDx += 1;
            p.textDy += 1;
        }
    } else if (look == ButtonLook::Disabled) {
        if (c.type == 'I') {
            std::swap(p.outerLight, p.outerDark);
        } else {
            p.fill = kLightGrey;
            p.textColour = ColourFromCode(p.disabledTextCode);
        }
    }
    return p;
}

RECT ButtonPanelRect(const ParsedCaption& c, int width, int height) {
    if (c.panel.outline != 0) return RECT{0, 0, width - 1, height - 1};
    return RECT{-1, -1, width, height};
}

void DrawButtonLook(DC& dc, int width, int height, const ParsedCaption& c, ButtonLook look) {
    const PanelParameters p = LookParameters(c, look);
    const RECT panel = ButtonPanelRect(c, width, height);
    const LOGFONT oldFont = dc.GetFont();
    if (!c.font.empty()) {
        const FontEntry entry = ParseFontEntry(c.font);
        LOGFONT font;
        font.lfHeight = entry.height;
        font.lfWeight = entry.bold ? FW_BOLD : FW_DONTCARE;
        font.lfItalic = entry.italic ? 1 : 0;
        font.lfFaceName = entry.face;
        dc.SelectFont(font);
    }
    if (look != ButtonLook::Disabled || c.tile == '0') DrawPanelAndCaption(dc, c, p, panel);
    DrawPicture(dc, c, p, panel, look);
    dc.SelectFont(oldFont);
}

void DrawPressFrame(DC& dc, int width, int height, const ParsedCaption& c) {
    if (c.panel.outerWidth > 0) FrameRect(dc, RECT{1, 1, width - 1, height - 1}, CreateSolidBrush(0));
}
