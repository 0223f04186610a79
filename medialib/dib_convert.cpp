#include "medialib/dib_convert.h"

#include "medialib/dib_rle.h"
#include "medialib/last_error.h"
#include "platform/gdi/device_context.h"

#include <bit>
#include <new>

using namespace gdi;

namespace {

struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
    std::uint32_t Extract(std::uint32_t v) const {
        if (bits == 0) return 0;
        const std::uint32_t x = (v & mask) >> shift;
        if (bits >= 8) return x >> (bits - 8);
        const std::uint32_t max = (1u << bits) - 1;
        return (x * 255 + max / 2) / max;
    }
};

Channel MakeChannel(std::uint32_t mask) {
    Channel c;
    c.mask = mask;
    if (mask == 0) return c;
    c.shift = std::countr_zero(mask);
    c.bits = std::min(32, std::popcount(mask >> c.shift));
    return c;
}

std::uint32_t Read32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
}

std::uint32_t Pixel(int r, int g, int b) {
    return 0xFF000000u | (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
           static_cast<std::uint32_t>(b);
}

// Colour table as stored pixels; indices beyond the table are black.
std::vector<std::uint32_t> ColourTable(const PackedDib& dib, std::uint32_t count) {
    std::vector<std::uint32_t> table(256, Pixel(0, 0, 0));
    for (std::uint32_t i = 0; i < count && i < 256; ++i) {
        const RGBQUAD q = dib.Colour(i);
        table[i] = Pixel(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
    return table;
}

void DecodeRow(const DibLayout& layout, const std::uint8_t* row, const std::vector<std::uint32_t>& table,
               const Channel* channels, std::uint32_t* out) {
    const int w = layout.width;
    switch (layout.bitCount) {
    case 1:
        for (int x = 0; x < w; ++x) out[x] = table[(row[x / 8] >> (7 - x % 8)) & 1];
        break;
    case 4:
        for (int x = 0; x < w; ++x) out[x] = table[(x % 2 == 0) ? (row[x / 2] >> 4) : (row[x / 2] & 0x0F)];
        break;
    case 8:
        for (int x = 0; x < w; ++x) out[x] = table[row[x]];
        break;
    case 16:
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = row[2 * x] | (row[2 * x + 1] << 8);
            out[x] = Pixel(static_cast<int>(channels[0].Extract(v)), static_cast<int>(channels[1].Extract(v)),
                           static_cast<int>(channels[2].Extract(v)));
        }
        break;
    case 24:
        for (int x = 0; x < w; ++x) out[x] = Pixel(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        break;
    case 32:
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = Read32(row + 4 * x);
            out[x] = Pixel(static_cast<int>(channels[0].Extract(v)), static_cast<int>(channels[1].Extract(v)),
                           static_cast<int>(channels[2].Extract(v)));
        }
        break;
    default:
        break;
    }
}

}  // namespace

HPALETTE CreateDibPalette(const PackedDib& dib) {
    const std::uint32_t count = DibColorCount(dib);
    if (count == 0) return nullptr;
    const BITMAPINFOHEADER h = dib.Header();
    if (count > 256 || std::uint64_t{h.biSize} + std::uint64_t{count} * 4 > dib.Size()) {
        SetLastMediaError(media_error::kPaletteFailure);
        return nullptr;
    }
    std::vector<PALETTEENTRY> entries(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const RGBQUAD q = dib.Colour(i);
        entries[i] = PALETTEENTRY{q.rgbRed, q.rgbGreen, q.rgbBlue, 0};
    }
    HPALETTE palette = CreatePalette(0x300, std::move(entries));
    if (!palette) SetLastMediaError(media_error::kPaletteFailure);
    return palette;
}

HBITMAP DibToBitmap(const PackedDib& dib, const HPALETTE& palette) {
    const auto layout = CheckDib(dib);
    if (!layout) {
        SetLastMediaError(media_error::kBitmapCreation);
        return nullptr;
    }
    // The palette is realised on the screen for the conversion, as the display expects.
    DCPtr screen = CreateCompatibleDC(nullptr);
    HPALETTE previous = screen->SelectPalette(palette, false);
    if (palette) screen->RealizePalette();

    HBITMAP bitmap = CreateBitmap(layout->width, layout->height, 32);
    if (!bitmap) {
        screen->SelectPalette(previous, false);
        SetLastMediaError(media_error::kBitmapCreation);
        return nullptr;
    }
    const std::vector<std::uint32_t> table = ColourTable(dib, layout->colours);
    Channel channels[3];
    if (layout->compression == BI_BITFIELDS) {
        const std::uint8_t* masks = dib.Data() + kBitmapInfoHeaderSize;
        for (int c = 0; c < 3; ++c) channels[c] = MakeChannel(Read32(masks + 4 * c));
    } else if (layout->bitCount == 16) {
        channels[0] = MakeChannel(0x7C00);
        channels[1] = MakeChannel(0x03E0);
        channels[2] = MakeChannel(0x001F);
    } else {
        channels[0] = MakeChannel(0x00FF0000);
        channels[1] = MakeChannel(0x0000FF00);
        channels[2] = MakeChannel(0x000000FF);
    }

    QImage& image = bitmap->Image();
    const std::uint8_t* bits = dib.Data() + layout->bitsOffset;
    if (layout->compression == BI_RLE8 || layout->compression == BI_RLE4) {
        std::vector<std::uint8_t> indices;
        try {
            DecodeDibRle(bits, layout->imageBytes, layout->compression == BI_RLE4, layout->width, layout->height,
                         indices);
        } catch (const std::bad_alloc&) {
            screen->SelectPalette(previous, false);
            SetLastMediaError(media_error::kBitmapCreation);
            return nullptr;
        }
        for (int k = 0; k < layout->height; ++k) {
            auto* out = reinterpret_cast<std::uint32_t*>(image.scanLine(layout->height - 1 - k));
            const std::uint8_t* in = indices.data() + static_cast<std::size_t>(k) * static_cast<std::size_t>(layout->width);
            for (int x = 0; x < layout->width; ++x) out[x] = table[in[x]];
        }
    } else {
        for (int k = 0; k < layout->height; ++k) {
            const int y = layout->topDown ? k : layout->height - 1 - k;
            DecodeRow(*layout, bits + static_cast<std::size_t>(k) * layout->stride, table, channels,
                      reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
        }
    }
    screen->SelectPalette(previous, false);
    return bitmap;
}

std::optional<PackedDib> BitmapToDib(const HBITMAP& bitmap, const HPALETTE& palette) {
    if (!bitmap) return std::nullopt;
    BITMAP info;
    GetObject(bitmap, info);
    const int depth = info.bmPlanes * info.bmBitsPixel;
    const int bitCount = depth < 2 ? 1 : depth <= 4 ? 4 : depth <= 8 ? 8 : depth <= 16 ? 16 : 24;
    const std::uint64_t stride = DibStride(static_cast<std::uint64_t>(info.bmWidth), static_cast<std::uint64_t>(bitCount));
    const std::uint64_t image = stride * static_cast<std::uint64_t>(info.bmHeight);
    const std::uint32_t colours = bitCount <= 8 ? (1u << bitCount) : 0;
    const std::uint64_t total = kBitmapInfoHeaderSize + std::uint64_t{colours} * 4 + image;
    if (total > kMaxDibBytes) return std::nullopt;
    auto dib = PackedDib::Allocate(static_cast<std::size_t>(total));
    if (!dib) return std::nullopt;

    BITMAPINFOHEADER h;
    h.biWidth = info.bmWidth;
    h.biHeight = info.bmHeight;
    h.biPlanes = 1;
    h.biBitCount = static_cast<std::uint16_t>(bitCount);
    h.biSizeImage = static_cast<std::uint32_t>(image);
    dib->SetHeader(h);
    if (bitCount == 1) {
        dib->SetColour(0, RGBQUAD{0, 0, 0, 0});
        dib->SetColour(1, RGBQUAD{255, 255, 255, 0});
    }

    DCPtr screen = CreateCompatibleDC(nullptr);
    HPALETTE previous = screen->SelectPalette(palette, false);
    if (palette) screen->RealizePalette();
    std::uint8_t* bits = DibBits(*dib);
    const QImage& source = bitmap->Image();
    for (int k = 0; k < info.bmHeight; ++k) {
        const auto* in = reinterpret_cast<const std::uint32_t*>(source.constScanLine(info.bmHeight - 1 - k));
        std::uint8_t* out = bits + static_cast<std::size_t>(k) * static_cast<std::size_t>(stride);
        if (bitCount == 1) {
            for (int x = 0; x < info.bmWidth; ++x)
                if (in[x] & 0x00FFFFFFu) out[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        } else {
            for (int x = 0; x < info.bmWidth; ++x) {
                out[3 * x] = static_cast<std::uint8_t>(in[x]);
                out[3 * x + 1] = static_cast<std::uint8_t>(in[x] >> 8);
                out[3 * x + 2] = static_cast<std::uint8_t>(in[x] >> 16);
            }
        }
    }
    screen->SelectPalette(previous, false);
    return dib;
}
