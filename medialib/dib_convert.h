#pragma once

// Conversions between packed DIBs, logical palettes and device bitmaps.

#include "medialib/dib.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/drawing_objects.h"

#include <optional>

// A palette with one entry per colour-table entry (red, green and blue of each RGBQUAD, flags 0),
// version 0x300. Null for a DIB without colour table; null with error 7 when the table does not
// fit inside the block or the palette cannot be created.
gdi::HPALETTE CreateDibPalette(const PackedDib& dib);

// A device bitmap with the DIB's picture. The colour table gives the colours; the palette is
// selected and realised for the conversion, which on the true-colour display changes nothing.
// Null with error 9 when the DIB is malformed (see CheckDib) or the bitmap cannot be created.
gdi::HBITMAP DibToBitmap(const PackedDib& dib, const gdi::HPALETTE& palette);

// A bottom-up BI_RGB DIB of the bitmap: monochrome bitmaps give 1 bit per pixel with a black and
// white colour table, colour bitmaps 24 bits without table. biSizeImage is the size of the rows
// written. Nothing for a null bitmap or when the block cannot be allocated.
std::optional<PackedDib> BitmapToDib(const gdi::HBITMAP& bitmap, const gdi::HPALETTE& palette);
