#pragma once

// Pixels, lines, rectangles and ellipses drawn with the DC's pen and brush.
//
// Lines follow the end-point rule: the pixel at the end point is not drawn, so that joined
// lines never paint a pixel twice. One-pixel pens may be dashed (the gaps take the background
// colour in OPAQUE mode); wider pens are always solid and have round ends.
// Rectangle and Ellipse take exclusive right and bottom edges: with a one-pixel pen, the outline
// runs along left, top, right - 1 and bottom - 1 and the brush fills the inside; with a null pen
// the brush fills (left, top, right - 1, bottom - 1). Wider pens are centred on the outline, or lie
// inside it for PS_INSIDEFRAME.

#include "platform/gdi/device_context.h"

namespace gdi {

// The previous colour of the pixel; kClrInvalid outside the target.
COLORREF SetPixel(DC& dc, int x, int y, COLORREF colour);
COLORREF GetPixel(const DC& dc, int x, int y);

// Moves the current position; the previous one goes to previous when given.
bool MoveToEx(DC& dc, int x, int y, POINT* previous = nullptr);
// Draws from the current position to (x, y), not including (x, y), and moves there.
bool LineTo(DC& dc, int x, int y);

bool Rectangle(DC& dc, int left, int top, int right, int bottom);
bool Ellipse(DC& dc, int left, int top, int right, int bottom);

// Paints the rectangle (right and bottom exclusive) with the brush; no pen is used.
bool FillRect(DC& dc, const RECT& rect, const Brush& brush);
// Paints a one-pixel border just inside the rectangle with the brush.
bool FrameRect(DC& dc, const RECT& rect, const Brush& brush);

}  // namespace gdi
