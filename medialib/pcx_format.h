#pragma once

// The ZSoft PCX layout shared by the reader and the writer: the 128-byte header, the error codes
// and the default 16-colour table.

#include "medialib/dib.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace pcx {

constexpr int kOk = 0;
constexpr int kCannotOpen = -1;
constexpr int kReadFailure = -3;
constexpr int kWriteFailure = -4;
constexpr int kNoPaletteRule = -10;
constexpr int kOutOfMemory = -26;
constexpr int kNoBitmap = -999;
constexpr int kBadHeader = -3000;

constexpr std::size_t kHeaderSize = 128;
constexpr std::uint8_t kManufacturer = 10;
constexpr std::uint8_t kEncodingRle = 1;
constexpr std::uint8_t kPaletteMarker = 0x0C;
constexpr std::size_t kPaletteBytes = 768;
// The 256-colour palette is sought in this many bytes after the image data...
constexpr std::size_t kPaletteSearchWindow = 8192;
// ...and its marker only among the first ones of them, so that 768 bytes always follow.
constexpr std::size_t kPaletteMarkerRange = 7424;
// The writer's signature in the header's last ten bytes.
constexpr char kWriterMark[] = "PCXW 2.01 ";
constexpr std::size_t kWriterMarkOffset = 118;

struct Header {
    std::uint8_t manufacturer = kManufacturer;
    std::uint8_t version = 5;
    std::uint8_t encoding = kEncodingRle;
    std::uint8_t bitsPerPixel = 0;
    std::uint16_t xmin = 0;
    std::uint16_t ymin = 0;
    std::uint16_t xmax = 0;
    std::uint16_t ymax = 0;
    std::uint16_t hres = 0;
    std::uint16_t vres = 0;
    std::array<std::uint8_t, 48> palette{};  // 16 red-green-blue triplets
    std::uint8_t reserved = 0;
    std::uint8_t planes = 0;
    std::uint16_t bytesPerLine = 0;
    std::uint16_t paletteInfo = 0;
    std::uint16_t hscreen = 0;
    std::uint16_t vscreen = 0;
    std::array<std::uint8_t, 54> filler{};
};

// The header from its 128 little-endian bytes, and back.
Header ParseHeader(std::span<const std::uint8_t, kHeaderSize> bytes);
std::array<std::uint8_t, kHeaderSize> SerializeHeader(const Header& header);

// Manufacturer 10, encoding 1, xmax >= xmin, ymax >= ymin and bits per pixel × planes of 1, 4, 8
// or 24.
bool HeaderValid(const Header& header);

// The default 16-colour table (blue, green, red).
const std::array<RGBQUAD, 16>& DefaultPalette16();

}  // namespace pcx
