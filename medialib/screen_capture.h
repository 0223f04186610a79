#pragma once

// The screen's palette and pictures of the screen. "The screen" is what our own windows show:
// the front buffers of the visible surfaces (see platform/gdi/surface.h).

#include "platform/gdi/bitmap.h"
#include "platform/gdi/drawing_objects.h"
#include "platform/gdi/gdi_types.h"

// A palette of explicit indices into the screen's hardware palette: SIZEPALETTE entries, or
// NUMCOLORS when that is 0, entry i with flags PC_EXPLICIT, red = low byte of i, green = high
// byte, blue 0. A true-colour screen has no hardware palette: the result is null and no error is
// recorded. Errors: 8 without screen DC, 7 when the palette cannot be created.
gdi::HPALETTE GetSystemPaletteCopy();

// A new palette with the same entries and flags; null for a null or empty palette.
gdi::HPALETTE CopyPalette(const gdi::HPALETTE& palette);

// A new bitmap with the part of the screen inside rect (screen coordinates), cut to the screen.
// Null for an empty rectangle or one wholly off the screen.
gdi::HBITMAP CopyScreenRect(const gdi::RECT& rect);
