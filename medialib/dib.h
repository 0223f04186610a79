#pragma once

// Packed device-independent bitmaps: one zero-initialised block holding a BITMAPINFOHEADER (40
// bytes, or a larger later version), the colour table (RGBQUAD entries) and the pixel rows,
// bottom row first unless the height is negative. All values in the block are little endian.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct BITMAPINFOHEADER {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD {
    std::uint8_t rgbBlue = 0;
    std::uint8_t rgbGreen = 0;
    std::uint8_t rgbRed = 0;
    std::uint8_t rgbReserved = 0;
};
static_assert(sizeof(RGBQUAD) == 4);

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;

constexpr std::size_t kBitmapInfoHeaderSize = 40;
// Largest DIB block accepted from a file or made from a bitmap.
constexpr std::size_t kMaxDibBytes = std::size_t{256} << 20;

class PackedDib {
public:
    PackedDib() = default;
    // A zeroed block of the size. Throws std::bad_alloc like any allocation; use Allocate to get
    // an empty result instead.
    explicit PackedDib(std::size_t size) : bytes_(size, 0) {}
    // A zeroed block, or nothing when the size exceeds kMaxDibBytes or memory is short.
    static std::optional<PackedDib> Allocate(std::size_t size);

    std::uint8_t* Data() { return bytes_.data(); }
    const std::uint8_t* Data() const { return bytes_.data(); }
    std::size_t Size() const { return bytes_.size(); }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

    // The header read from the block (all zero when the block is shorter than 40 bytes).
    BITMAPINFOHEADER Header() const;
    // REQUIRES: Size() >= 40.
    void SetHeader(const BITMAPINFOHEADER& header);
    // Colour-table entry i (zero when it lies outside the block).
    RGBQUAD Colour(std::size_t i) const;
    void SetColour(std::size_t i, RGBQUAD colour);

private:
    std::vector<std::uint8_t> bytes_;
};

// biClrUsed when it is not 0; else 2, 16 or 256 for 1, 4 and 8 bits per pixel; else 0.
std::uint32_t DibColorCount(const PackedDib& dib);
// Bytes of the colour table: colour count × 4.
std::uint64_t DibPaletteSize(const PackedDib& dib);
// The first pixel row: biSize + colour table from the start (plus the three colour masks that
// follow a 40-byte header with BI_BITFIELDS). Null when that lies outside the block.
std::uint8_t* DibBits(PackedDib& dib);
const std::uint8_t* DibBits(const PackedDib& dib);

// Row stride in bytes: ((width × bits + 31) / 32) × 4.
constexpr std::uint64_t DibStride(std::uint64_t width, std::uint64_t bits) { return ((width * bits + 31) / 32) * 4; }

// Everything needed to read the pixels safely, checked against the block.
struct DibLayout {
    int width = 0;
    int height = 0;  // rows, always positive
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = BI_RGB;
    std::uint32_t colours = 0;
    std::size_t bitsOffset = 0;
    std::size_t stride = 0;
    std::size_t imageBytes = 0;  // stride × height, or the run-length data's size
};

// Largest width or height accepted.
constexpr int kMaxDibSide = 32767;

// The layout when the header, colour table and pixel rows fit inside the block and describe a
// picture that can be decoded: header size at least 40, 1, 4, 8, 16, 24 or 32 bits, width and
// height between 1 and kMaxDibSide rows, at most 256 colours, compression BI_RGB, BI_RLE8 (8 bits,
// bottom-up), BI_RLE4 (4 bits, bottom-up) or BI_BITFIELDS (16 or 32 bits). Nothing otherwise.
std::optional<DibLayout> CheckDib(const PackedDib& dib);
