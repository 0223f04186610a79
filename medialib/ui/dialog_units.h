#pragma once

// Dialog templates give positions and sizes in dialog units: a quarter of the dialog font's
// average character width across, an eighth of its height down. Every dialog of the suite lays
// out its controls through these helpers so that the template numbers keep their meaning.

#include "platform/gdi/gdi_types.h"

// The font of the suite's dialogs: "MS Sans Serif" 8 point (11 pixels at 96 dots per inch).
gdi::LOGFONT DialogFont();

// The average character width and the height of the font, in pixels: the average comes from the
// 52 letters A-Z and a-z, as the dialog manager measures it. Without fonts (no application
// object) the classic 6 × 13 of the dialog font.
gdi::SIZE DialogBaseUnits(const gdi::LOGFONT& font = DialogFont());

// The rectangle (left, top, right, bottom in dialog units) in pixels for the font.
gdi::RECT MapDialogRect(const gdi::RECT& units, const gdi::LOGFONT& font = DialogFont());

// A position and size in dialog units (as a template writes them) as a pixel rectangle.
gdi::RECT DialogUnitsToPixels(int x, int y, int width, int height, const gdi::LOGFONT& font = DialogFont());
