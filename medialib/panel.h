#pragma once

// The bevelled-panel painter used for frames, coloured boxes and dialog buttons.

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_types.h"

#include <string>

// Colours are 0x00BBGGRR values; -1 (kNoColour) means "none". Coordinates are inclusive.
constexpr gdi::COLORREF kNoColour = 0xFFFFFFFF;

struct PanelDescription {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int style = 3;  // 0 raised groove, 1 etched, 2 double bevel, 3 single bevel
    bool outline = false;
    gdi::COLORREF fill = kNoColour;
    gdi::COLORREF outerLight = kNoColour;
    gdi::COLORREF outerDark = kNoColour;
    gdi::COLORREF innerLight = kNoColour;
    gdi::COLORREF innerDark = kNoColour;
    int outerWidth = 0;
    int gap = 0;
    int innerWidth = 0;
    std::string caption;
    gdi::COLORREF textColour = 0;
    unsigned format = 0;  // DrawText flags
    int textDx = 0;
    int textDy = 0;
    gdi::COLORREF shadowColour = kNoColour;
    int shadowDx = 0;
    int shadowDy = 0;
};

// Fill, bevels by style, caption and outline, in that order. Every object selected into dc is
// restored afterwards.
void DrawPanel(gdi::DC& dc, const PanelDescription& panel);

// width one-pixel steps: light lines along the top and left, dark lines along the bottom and right.
void DrawBevel(gdi::DC& dc, int left, int top, int right, int bottom, gdi::COLORREF light, gdi::COLORREF dark,
               int width);

// Draws text in rect (right and bottom exclusive) shifted by (dx, dy) with the DrawText format;
// when sdx or sdy is positive, first in the shadow colour shifted by (sdx, sdy) more. Transparent
// background; text colour and background mode are restored.
void DrawShadowText(gdi::DC& dc, const std::string& text, gdi::COLORREF colour, const gdi::RECT& rect,
                    unsigned format, int dx, int dy, gdi::COLORREF shadowColour, int sdx, int sdy);
