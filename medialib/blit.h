#pragma once

// The blit helpers that every drawing path uses. Each restores what it selects into a DC it was
// given and deletes the DCs it makes.

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_objects.h"
#include "platform/gdi/gdi_types.h"

#include <cstdint>

// Copies the part of bitmap at (srcX, srcY) of width × height to (dstX, dstY) on dc with the raster
// operation; a width or height of -1 means the bitmap's own. False for a null bitmap or a failed
// transfer.
bool DrawBitmapAt(gdi::DC& dc, const gdi::HBITMAP& bitmap, int srcX, int srcY, int width, int height, int dstX,
                  int dstY, std::uint32_t rop = gdi::SRCCOPY);

// The same between two bitmaps. With stretch set, the whole source is stretched into the
// destination rectangle (dstX, dstY, width, height), where -1 means the destination's own size.
bool BlitBitmapToBitmap(const gdi::HBITMAP& destination, const gdi::HBITMAP& source, int srcX, int srcY, int width,
                        int height, int dstX, int dstY, std::uint32_t rop = gdi::SRCCOPY, bool stretch = false);

// Copies the source rectangle of bitmap into the destination rectangle of dc, scaled with
// COLORONCOLOR when their sizes differ. The palette is selected into both DCs and realised on the
// target or on the memory DC as realiseOnTarget says.
bool DrawDibScaled(gdi::DC& dc, const gdi::RECT& destination, const gdi::HBITMAP& bitmap, const gdi::RECT& source,
                   const gdi::HPALETTE& palette, bool realiseOnTarget);

// Fills the rectangle with the colour (a one-pixel pen and a brush of the colour, Rectangle).
bool FillRectSolid(gdi::DC& dc, const gdi::RECT& rect, gdi::COLORREF colour);

// Draws bitmap at (x, y) with every pixel of the key colour left out, in four raster operations
// through a monochrome mask. The bitmap is unchanged afterwards. The coordinates are taken as
// 16-bit values. The target's text and background colours are set to black and white for the two
// blits onto it (the mask arithmetic needs them) and restored afterwards.
bool TransparentDraw(gdi::DC& dc, const gdi::HBITMAP& bitmap, int x, int y, gdi::COLORREF key);
