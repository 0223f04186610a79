#pragma once

// Drawing one look of a bitmap button from its parsed caption: panel, caption text and picture.
// Pure drawing on a device context; the widget decides which look to draw.

#include "medialib/caption.h"
#include "platform/gdi/device_context.h"

enum class ButtonLook { Up, Down, Disabled };

// The panel block of the look: the parsed block for Up; for Down the outer light taken from the
// outer dark and the outer dark from the fill, the text moved by one pixel right and down except
// on check boxes and radio buttons; for Disabled a light-grey fill and the disabled text colour,
// or on a type I button the outer colours exchanged.
PanelParameters LookParameters(const ParsedCaption& caption, ButtonLook look);

// The panel rectangle of a button of width × height in the painter's inclusive coordinates: the
// button less its last column and row, or, without outline, the button grown by one pixel at the
// left and top so that the bevel reaches every edge.
gdi::RECT ButtonPanelRect(const ParsedCaption& caption, int width, int height);

// Draws the look of a width × height button at (0, 0) of dc, with dc's font unless the caption
// names one. Objects selected into dc are restored. Pictures come from LoadButtonBitmap; a
// picture that cannot be loaded leaves the panel and caption without it.
void DrawButtonLook(gdi::DC& dc, int width, int height, const ParsedCaption& caption, ButtonLook look);

// The black frame one pixel inside a pressed button, drawn only when it has an outer bevel.
void DrawPressFrame(gdi::DC& dc, int width, int height, const ParsedCaption& caption);
