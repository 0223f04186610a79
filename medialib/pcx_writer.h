#pragma once

// The PCX writer: 1- and 8-bit pictures as one plane, 4-bit ones as four bit planes, deeper ones
// as three 8-bit planes (red, green, blue), run-length coded, with the palette in the header
// (2 and 16 colours) or after a 0x0C marker at the end (256 colours).

#include "medialib/dib.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_objects.h"

#include <cstdint>
#include <string>
#include <vector>

// The whole file for the DIB. For 8 bits or fewer the palette's entries are used when it has
// at least 2^bits of them, otherwise the DIB's colour table. Returns a pcx:: code.
int EncodePcx(const PackedDib& dib, const gdi::HPALETTE& palette, std::vector<std::uint8_t>& file);

// Writes EncodePcx's bytes to path, beside it first and then renamed over it, so a failure leaves
// any earlier file intact. Returns a pcx:: code: kCannotOpen when the file cannot be created,
// kWriteFailure when it cannot be written.
int SavePcxFile(const std::string& path, const PackedDib& dib, const gdi::HPALETTE& palette);

// CBmp's entry: fetches the bitmap as a DIB (monochrome bitmaps as 1 bit, colour ones as 24)
// with the palette selected and realised in a memory DC compatible with dc, and writes it with
// its own colour table. kNoBitmap when the bitmap cannot be fetched.
int SavePcx(gdi::DC& dc, const std::string& path, const gdi::HBITMAP& bitmap, const gdi::HPALETTE& palette);
