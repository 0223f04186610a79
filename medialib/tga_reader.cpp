#include "medialib/tga_reader.h"

#include "medialib/image_limits.h"

#include <algorithm>
#include <cstring>

namespace {

struct TgaHeader {
    std::uint8_t idLength;
    std::uint8_t colourMapType;
    std::uint8_t imageType;
    std::uint16_t mapOrigin;
    std::uint16_t mapLength;
    std::uint8_t mapEntryBits;
    std::uint16_t width;
    std::uint16_t height;
    std::uint8_t bitsPerPixel;
    std::uint8_t descriptor;
};

std::uint16_t Get16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

TgaHeader ParseHeader(const std::uint8_t* p) {
    return {p[0], p[1], p[2], Get16(p + 3), Get16(p + 5), p[7], Get16(p + 12), Get16(p + 14), p[16], p[17]};
}

bool HeaderSupported(const TgaHeader& h) {
    const bool mapped = h.imageType == 1 || h.imageType == 3 || h.imageType == 9 || h.imageType == 11;
    const bool trueColour = h.imageType == 2 || h.imageType == 10;
    const int b = h.bitsPerPixel;
    if (mapped && b != 8) return false;
    if (trueColour && b != 15 && b != 16 && b != 24 && b != 32) return false;
    return (mapped || trueColour) && h.width > 0 && h.height != 0;
}

RGBQUAD From555(int v) {
    return {static_cast<std::uint8_t>((v & 0x1F) << 3), static_cast<std::uint8_t>(((v >> 5) & 0x1F) << 3),
            static_cast<std::uint8_t>(((v >> 10) & 0x1F) << 3), 0};
}

// Writes one source pixel of pixelBytes into a DIB row.
inline void PutPixel(std::uint8_t* out, const std::uint8_t* in, int pixelBytes, int bits) {
    switch (pixelBytes) {
        case 1: out[0] = in[0]; break;
        case 2: {
            const RGBQUAD q = From555(in[0] | (in[1] << 8));
            out[0] = q.rgbBlue;
            out[1] = q.rgbGreen;
            out[2] = q.rgbRed;
            break;
        }
        default:
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
            break;
    }
    (void)bits;
}

}  // namespace

int DecodeTga(std::span<const std::uint8_t> data, std::optional<PackedDib>& dib) {
    dib.reset();
    if (data.size() < tga::kHeaderSize) return tga::kReadFailure;
    const TgaHeader h = ParseHeader(data.data());
    if (!HeaderSupported(h) || !ImageSizeAllowed(h.width, h.height)) return tga::kUnsupported;

    const int depth = h.bitsPerPixel == 8 ? 8 : 24;
    const int pixelBytes = (h.bitsPerPixel + 7) / 8;
    const int colours = depth == 8 ? 256 : 0;
    const std::uint64_t width = h.width;
    const std::uint64_t height = h.height;
    const std::uint64_t stride = DibStride(width, depth);
    const std::uint64_t tableBytes = std::uint64_t(colours) * 4;
    const std::uint64_t mapEntryBytes = ((h.mapEntryBits == 15 ? 16 : h.mapEntryBits) + 7) / 8;
    const std::uint64_t mapStart = tga::kHeaderSize + h.idLength;
    const std::uint64_t pixelStart = mapStart + mapEntryBytes * h.mapLength;
    if (pixelStart > data.size()) return tga::kReadFailure;
    const std::span<const std::uint8_t> pixels = data.subspan(static_cast<std::size_t>(pixelStart));
    const std::uint64_t count = width * height;
    const bool rle = h.imageType >= 9;
    // Plain data must hold every pixel; a run-length packet of 1 + pixelBytes bytes gives at most
    // 128 pixels. Either way, too little data is refused before anything is allocated.
    if (!rle && pixels.size() < count * pixelBytes) return tga::kReadFailure;
    if (rle && count > (std::uint64_t{pixels.size()} / (1 + pixelBytes) + 1) * 128) return tga::kReadFailure;

    auto block = PackedDib::Allocate(static_cast<std::size_t>(kBitmapInfoHeaderSize + tableBytes + stride * height));
    if (!block) return tga::kOutOfMemory;
    BITMAPINFOHEADER info;
    info.biWidth = static_cast<std::int32_t>(width);
    info.biHeight = static_cast<std::int32_t>(height);
    info.biBitCount = static_cast<std::uint16_t>(depth);
    info.biSizeImage = static_cast<std::uint32_t>(stride * height);
    info.biClrUsed = static_cast<std::uint32_t>(colours);
    block->SetHeader(info);

    if (h.imageType == 1 || h.imageType == 9) {
        if (mapEntryBytes * h.mapLength > 0 && mapStart + mapEntryBytes * h.mapLength > data.size()) {
            return tga::kReadFailure;
        }
        for (std::uint32_t i = 0; i < h.mapLength; ++i) {
            const std::uint32_t index = std::uint32_t{h.mapOrigin} + i;
            if (index >= 256) break;
            const std::uint8_t* e = data.data() + mapStart + i * mapEntryBytes;
            if (h.mapEntryBits == 15 || h.mapEntryBits == 16) {
                block->SetColour(index, From555(e[0] | (e[1] << 8)));
            } else if (mapEntryBytes >= 3) {
                block->SetColour(index, {e[0], e[1], e[2], 0});
            }
        }
    } else if (depth == 8) {
        for (int i = 0; i < 256; ++i) {
            const auto v = static_cast<std::uint8_t>(i);
            block->SetColour(i, {v, v, v, 0});
        }
    }

    std::uint8_t* bits = block->Data() + kBitmapInfoHeaderSize + tableBytes;
    const bool topOrigin = (h.descriptor & 0x20) != 0;
    const int outBytes = depth / 8;
    auto rowPointer = [&](std::uint64_t y) {
        return bits + (topOrigin ? height - 1 - y : y) * stride;
    };

    if (!rle) {
        const std::uint8_t* in = pixels.data();
        for (std::uint64_t y = 0; y < height; ++y) {
            std::uint8_t* row = rowPointer(y);
            if (pixelBytes == outBytes) {
                std::memcpy(row, in, static_cast<std::size_t>(width) * pixelBytes);
                in += width * pixelBytes;
                continue;
            }
            for (std::uint64_t x = 0; x < width; ++x, in += pixelBytes) PutPixel(row + x * outBytes, in, pixelBytes, h.bitsPerPixel);
        }
    } else {
        std::size_t pos = 0;
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        std::uint8_t* row = rowPointer(0);
        // Packets run on across row ends.
        auto advance = [&] {
            if (++x == width) {
                x = 0;
                if (++y < height) row = rowPointer(y);
            }
        };
        while (y < height) {
            if (pos >= pixels.size()) return tga::kReadFailure;
            const std::uint8_t packet = pixels[pos++];
            const int n = (packet & 0x7F) + 1;
            if (packet & 0x80) {
                if (pos + pixelBytes > pixels.size()) return tga::kReadFailure;
                const std::uint8_t* value = pixels.data() + pos;
                pos += pixelBytes;
                for (int i = 0; i < n && y < height; ++i) {
                    PutPixel(row + x * outBytes, value, pixelBytes, h.bitsPerPixel);
                    advance();
                }
            } else {
                for (int i = 0; i < n && y < height; ++i) {
                    if (pos + pixelBytes > pixels.size()) return tga::kReadFailure;
                    PutPixel(row + x * outBytes, pixels.data() + pos, pixelBytes, h.bitsPerPixel);
                    pos += pixelBytes;
                    advance();
                }
            }
        }
    }
    dib = std::move(block);
    return tga::kOk;
}

int ReadTgaFile(const std::string& path, std::optional<PackedDib>& dib) {
    dib.reset();
    std::vector<std::uint8_t> bytes;
    switch (ReadWholeFile(path, bytes)) {
        case FileReadResult::Ok: break;
        case FileReadResult::CannotOpen: return tga::kCannotOpen;
        case FileReadResult::ReadFailure: return tga::kReadFailure;
        case FileReadResult::TooLarge: return tga::kOutOfMemory;
    }
    return DecodeTga(bytes, dib);
}
