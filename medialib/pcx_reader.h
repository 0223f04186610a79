#pragma once

// The PCX reader: ZSoft run-length pictures of 1, 4 (packed or four bit planes), 8 and 24 bits
// (three planes) per pixel, with their palettes.

#include "medialib/dib.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_objects.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Decodes a whole PCX file held in memory into a bottom-up DIB (the colour table holds the
// palette for 8 bits or fewer). Returns a pcx:: code (pcx_format.h); dib is set only on success.
// A file whose data ends in the middle of the picture gives kReadFailure.
int DecodePcx(std::span<const std::uint8_t> data, std::optional<PackedDib>& dib);

// Reads and decodes the file, then makes the device bitmap with its palette selected and
// realised on dc. Returns the pcx:: code; the outputs are null unless it is kOk.
int LoadPcxFile(gdi::DC& dc, const std::string& path, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette);

// The same over the program's resource of the type "PCX" with that name (builtin_resources.h).
// A missing resource gives kCannotOpen; a bitmap that cannot be made kOutOfMemory.
int LoadPcxResource(gdi::DC& dc, std::string_view name, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette);
