#include "medialib/dib.h"

#include <new>

namespace {

std::uint32_t Read32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
}
std::uint16_t Read16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
void Write32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Write16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

// Offset of the pixel rows, or nothing when the header cannot even be read.
std::optional<std::uint64_t> BitsOffset(const PackedDib& dib) {
    if (dib.Size() < kBitmapInfoHeaderSize) return std::nullopt;
    const BITMAPINFOHEADER h = dib.Header();
    std::uint64_t offset = std::uint64_t{h.biSize} + DibPaletteSize(dib);
    if (h.biCompression == BI_BITFIELDS && h.biSize == kBitmapInfoHeaderSize) offset += 12;
    return offset;
}

}  // namespace

std::optional<PackedDib> PackedDib::Allocate(std::size_t size) {
    if (size > kMaxDibBytes) return std::nullopt;
    try {
        return PackedDib(size);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

BITMAPINFOHEADER PackedDib::Header() const {
    BITMAPINFOHEADER h;
    if (bytes_.size() < kBitmapInfoHeaderSize) {
        h.biSize = 0;
        h.biPlanes = 0;
        return h;
    }
    const std::uint8_t* p = bytes_.data();
    h.biSize = Read32(p);
    h.biWidth = static_cast<std::int32_t>(Read32(p + 4));
    h.biHeight = static_cast<std::int32_t>(Read32(p + 8));
    h.biPlanes = Read16(p + 12);
    h.biBitCount = Read16(p + 14);
    h.biCompression = Read32(p + 16);
    h.biSizeImage = Read32(p + 20);
    h.biXPelsPerMeter = static_cast<std::int32_t>(Read32(p + 24));
    h.biYPelsPerMeter = static_cast<std::int32_t>(Read32(p + 28));
    h.biClrUsed = Read32(p + 32);
    h.biClrImportant = Read32(p + 36);
    return h;
}

void PackedDib::SetHeader(const BITMAPINFOHEADER& h) {
    std::uint8_t* p = bytes_.data();
    Write32(p, h.biSize);
    Write32(p + 4, static_cast<std::uint32_t>(h.biWidth));
    Write32(p + 8, static_cast<std::uint32_t>(h.biHeight));
    Write16(p + 12, h.biPlanes);
    Write16(p + 14, h.biBitCount);
    Write32(p + 16, h.biCompression);
    Write32(p + 20, h.biSizeImage);
    Write32(p + 24, static_cast<std::uint32_t>(h.biXPelsPerMeter));
    Write32(p + 28, static_cast<std::uint32_t>(h.biYPelsPerMeter));
    Write32(p + 32, h.biClrUsed);
    Write32(p + 36, h.biClrImportant);
}

RGBQUAD PackedDib::Colour(std::size_t i) const {
    const std::uint64_t at = std::uint64_t{Header().biSize} + std::uint64_t{i} * 4;
    if (at + 4 > bytes_.size()) return RGBQUAD{};
    const std::uint8_t* p = bytes_.data() + at;
    return RGBQUAD{p[0], p[1], p[2], p[3]};
}

void PackedDib::SetColour(std::size_t i, RGBQUAD c) {
    const std::uint64_t at = std::uint64_t{Header().biSize} + std::uint64_t{i} * 4;
    if (at + 4 > bytes_.size()) return;
    std::uint8_t* p = bytes_.data() + at;
    p[0] = c.rgbBlue;
    p[1] = c.rgbGreen;
    p[2] = c.rgbRed;
    p[3] = c.rgbReserved;
}

std::uint32_t DibColorCount(const PackedDib& dib) {
    if (dib.Size() < kBitmapInfoHeaderSize) return 0;
    const BITMAPINFOHEADER h = dib.Header();
    if (h.biClrUsed != 0) return h.biClrUsed;
    switch (h.biBitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

std::uint64_t DibPaletteSize(const PackedDib& dib) { return std::uint64_t{DibColorCount(dib)} * 4; }

std::uint8_t* DibBits(PackedDib& dib) {
    auto offset = BitsOffset(dib);
    if (!offset || *offset > dib.Size()) return nullptr;
    return dib.Data() + *offset;
}

const std::uint8_t* DibBits(const PackedDib& dib) {
    auto offset = BitsOffset(dib);
    if (!offset || *offset > dib.Size()) return nullptr;
    return dib.Data() + *offset;
}

std::optional<DibLayout> CheckDib(const PackedDib& dib) {
    if (dib.Size() < kBitmapInfoHeaderSize) return std::nullopt;
    const BITMAPINFOHEADER h = dib.Header();
    if (h.biSize < kBitmapInfoHeaderSize || h.biSize > dib.Size()) return std::nullopt;
    DibLayout layout;
    layout.bitCount = h.biBitCount;
    switch (h.biBitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return std::nullopt;
    }
    if (h.biWidth <= 0 || h.biWidth > kMaxDibSide) return std::nullopt;
    // The height is checked before it is negated so that INT32_MIN cannot overflow.
    if (h.biHeight == 0 || h.biHeight > kMaxDibSide || h.biHeight < -kMaxDibSide) return std::nullopt;
    layout.width = h.biWidth;
    layout.topDown = h.biHeight < 0;
    layout.height = layout.topDown ? -h.biHeight : h.biHeight;
    layout.compression = h.biCompression;
    switch (h.biCompression) {
    case BI_RGB: break;
    case BI_RLE8: if (h.biBitCount != 8 || layout.topDown) return std::nullopt; break;
    case BI_RLE4: if (h.biBitCount != 4 || layout.topDown) return std::nullopt; break;
    case BI_BITFIELDS:
        // The three masks follow a 40-byte header or are part of a later, longer one.
        if (h.biBitCount != 16 && h.biBitCount != 32) return std::nullopt;
        if (h.biSize != kBitmapInfoHeaderSize && h.biSize < kBitmapInfoHeaderSize + 12) return std::nullopt;
        break;
    default: return std::nullopt;
    }
    layout.colours = DibColorCount(dib);
    if (layout.colours > 256) return std::nullopt;
    const std::uint64_t offset = *BitsOffset(dib);
    if (offset > dib.Size()) return std::nullopt;
    layout.bitsOffset = static_cast<std::size_t>(offset);
    const std::uint64_t stride = DibStride(static_cast<std::uint64_t>(layout.width), layout.bitCount);
    layout.stride = static_cast<std::size_t>(stride);
    const std::uint64_t available = dib.Size() - offset;
    if (layout.compression == BI_RLE8 || layout.compression == BI_RLE4) {
        if (available == 0) return std::nullopt;
        layout.imageBytes = static_cast<std::size_t>(available);
        return layout;
    }
    // Both factors are below 2^18 and 2^15, so the product cannot overflow 64 bits.
    const std::uint64_t image = stride * static_cast<std::uint64_t>(layout.height);
    if (image > available) return std::nullopt;
    layout.imageBytes = static_cast<std::size_t>(image);
    return layout;
}
