#pragma once

// LoadImageFile: the one entry point through which every picture of the suite is loaded. The
// reader is chosen by the name's extension, upper-cased (Unicode aware) and compared exactly:
//   "BMP", "DIB"  file, DIB reader          "TIF", "TIFF"  file, TIFF glue
//   "PCX"         file, PCX reader          "TGA"          file, TGA reader
//   "P"           "PCX" resource            "JPG", "JPEG"  file, JPEG glue (no palette)
//   "B4"          bitmap resource, no palette  "GIF"       file, GIF reader
//   "B8"          8-bit bitmap resource with its 256-colour palette
// Resource names are the whole given name, extension included ("BGD.B4").

#include "platform/gdi/bitmap.h"
#include "platform/gdi/drawing_objects.h"

#include <string>
#include <string_view>

// The extension of name without the dot, upper-cased; empty when there is none.
std::string ImageExtension(std::string_view name);

// True when a reader produced a picture; bitmap and palette (null when the picture has none) are
// then the caller's. Any other extension, or none, returns false and leaves both outputs alone;
// a failed load leaves both null. Nothing here shows a message (only the JPEG glue does).
bool LoadImageFile(const std::string& name, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette);

// The "B8" kind: an 8-bit bitmap resource whose colour table has exactly 256 entries, with a
// palette made from that table. False (outputs null) when there is no such resource or it cannot
// be made into a bitmap.
bool LoadB8Resource(std::string_view name, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette);
