#pragma once

// DIB files: a 14-byte file header ("BM", file size, two reserved words, offset of the pixel
// rows) followed by the packed DIB block.

#include "medialib/dib.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/drawing_objects.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

constexpr std::size_t kBitmapFileHeaderSize = 14;
constexpr std::uint16_t kBitmapSignature = 0x4D42;  // "BM"

// The DIB of a whole file's bytes. Errors (last-error cell): 3 for a short header, a wrong
// signature or a block whose header, colour table or rows do not fit (nothing is allocated
// for a wrong signature); 6 when the block cannot be allocated. When the file header's pixel
// offset leaves a gap after the colour table, the gap is dropped so that the rows follow the
// table as a packed DIB requires.
std::optional<PackedDib> ReadDibFromBytes(std::span<const std::uint8_t> bytes);

// Reads the file at path: errors as above, and 2 when the file cannot be opened or read whole.
std::optional<PackedDib> ReadDibFile(const std::string& path);

// Writes the file header and the whole block (file size = block size + 14, reserved words 0,
// pixel offset = 14 + biSize + colour table). The file is written beside the target and renamed
// over it, so a failure leaves any earlier file intact. False for a malformed DIB or a failed
// write.
bool WriteDibFile(const std::string& path, const PackedDib& dib);

// Reads the file, builds its palette and converts it to a device bitmap with that palette.
// A palette that cannot be built leaves the picture without one. False (outputs null) when the
// file cannot be read or converted.
bool LoadDibFileAsBitmap(const std::string& path, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette);
