#pragma once

// The TIFF glue over libtiff: palette, grey and bilevel pictures as DIBs with colour tables,
// RGB and CMYK ones as 24- or 32-bit DIBs, and everything libtiff can only deliver as RGBA
// (tiles, separate planes, YCbCr, CIELab and other layouts) as 24 bits.

#include "medialib/dib.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tiffcode {
constexpr int kOk = 0;
constexpr int kCannotOpen = 100;  // also the glue's initial value
constexpr int kNoBitsPerSample = 101;
constexpr int kDeflateUnsupported = 102;  // compression 32946
constexpr int kOldJpegUnsupported = 103;  // compression 6
constexpr int kOutOfMemory = 104;
constexpr int kReadFailure = 105;
constexpr int kShallowCmyk = 106;
}  // namespace tiffcode

// How many directories the chain of a TIFF held in memory has, following at most six of them;
// 0 when the header or the first directory does not fit in the data.
int CountTiffDirectories(std::span<const std::uint8_t> data);

// Decodes a TIFF held in memory: the second directory when the first links to one, otherwise
// the first. Returns a tiffcode:: code; dib is set only on success. libtiff's own complaints are
// kept quiet: a file it rejects is kCannotOpen or kReadFailure.
int DecodeTiff(std::span<const std::uint8_t> data, std::optional<PackedDib>& dib);

int ReadTiffFile(const std::string& path, std::optional<PackedDib>& dib);
