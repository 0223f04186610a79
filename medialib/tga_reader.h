#pragma once

// The TGA reader: colour-mapped (types 1, 9), true-colour (2, 10) and grey (3, 11) pictures,
// plain or run-length coded, in either vertical order.

#include "medialib/dib.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tga {
constexpr int kOk = 0;
constexpr int kOutOfMemory = 104;
constexpr int kReadFailure = 105;
constexpr int kUnsupported = 108;
constexpr int kCannotOpen = 109;
constexpr std::size_t kHeaderSize = 18;
}  // namespace tga

// Decodes a whole TGA file held in memory: 8-bit pictures as an 8-bit DIB with 256 colour
// entries, all others as 24 bits. Returns a tga:: code; dib is set only on success. Data that
// ends before the picture does gives kReadFailure.
int DecodeTga(std::span<const std::uint8_t> data, std::optional<PackedDib>& dib);

// Reads the file and decodes it.
int ReadTgaFile(const std::string& path, std::optional<PackedDib>& dib);
