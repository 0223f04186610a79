#pragma once

// The one-character colour codes of the bitmap-button caption language (keys W, d, c and f).

#include "platform/gdi/gdi_types.h"

// "0".."9", "A".."E" and "G" name the colours of the code table; any other character is white.
gdi::COLORREF ColourFromCode(char code);

// The code of a colour of the table; "F" for any other colour.
char CodeFromColour(gdi::COLORREF colour);
