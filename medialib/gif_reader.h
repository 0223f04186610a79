#pragma once

// The GIF reader: the first image of the file, with its global, local or grey colour table,
// LZW-decoded and de-interlaced. Transparency and animation are not read.

#include "medialib/dib.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace gif {
constexpr int kOk = 200;  // the reader's initial value, kept when nothing failed
constexpr int kCannotOpen = 201;
constexpr int kOutOfMemory = 202;
// Our own additions: not a GIF, no image, or data that is cut short or breaks the format.
constexpr int kNotGif = 203;
constexpr int kBadData = 204;
}  // namespace gif

// Decodes the first image of a GIF held in memory into a DIB of 1, 4 or 8 bits. Returns a gif::
// code; dib is set only for kOk. A code beyond the decoder's table ends the picture early (the
// rest stays colour 0), as does a data terminator; data that ends before the picture is complete
// is kBadData.
int DecodeGif(std::span<const std::uint8_t> data, std::optional<PackedDib>& dib);

int ReadGifFile(const std::string& path, std::optional<PackedDib>& dib);
