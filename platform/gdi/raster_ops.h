#pragma once

// Block transfers with ternary raster operations. Every operation of the 256 is supported; the
// common ones (SRCCOPY, SRCAND, SRCINVERT, SRCPAINT, PATCOPY, ...) take fast paths.
//
// Colour conversion between source and destination follows the display driver rules:
// - colour to monochrome: source pixels equal to the source DC's background colour become 1
//   (white), all others 0 (black);
// - monochrome to colour: 0 takes the destination DC's text colour, 1 its background colour.
// The pattern is the destination DC's brush, aligned to the destination's origin.
//
// Areas outside the destination or the source bitmap are left alone; a transfer that lies wholly
// outside succeeds and changes nothing. Source and destination may be the same bitmap.

#include "platform/gdi/device_context.h"

#include <cstdint>

namespace gdi {

// True when the raster operation reads the source, or the pattern.
bool RopUsesSource(std::uint32_t rop);
bool RopUsesPattern(std::uint32_t rop);

// False when the destination has no target, or the operation needs a source that is missing.
bool BitBlt(DC& dst, int x, int y, int width, int height, const DC* src, int srcX, int srcY,
            std::uint32_t rop);

// Nearest-neighbour stretching in every stretch mode (the suite always asks for COLORONCOLOR):
// destination pixel i of n takes source pixel ((2i + 1) × m) / (2n) of m. A negative width or
// height on exactly one side mirrors along that axis, as on Windows.
bool StretchBlt(DC& dst, int x, int y, int width, int height, const DC* src, int srcX, int srcY,
                int srcWidth, int srcHeight, std::uint32_t rop);

// A transfer without source (false for an operation that needs one).
bool PatBlt(DC& dst, int x, int y, int width, int height, std::uint32_t rop);

// PatBlt with the given brush in place of the selected one.
bool PatBltWithBrush(DC& dst, const RECT& rect, const Brush& brush, std::uint32_t rop);

}  // namespace gdi
