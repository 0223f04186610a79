#include "medialib/pcx_reader.h"

#include "medialib/builtin_resources.h"
#include "medialib/dib_convert.h"
#include "medialib/image_limits.h"
#include "medialib/pcx_format.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Run-length decoding that carries a run's remainder over into the next line.
class RunDecoder {
public:
    explicit RunDecoder(std::span<const std::uint8_t> data) : data_(data) {}

    // Fills line; false when the data ends first.
    bool DecodeLine(std::vector<std::uint8_t>& line) {
        std::size_t filled = 0;
        while (filled < line.size()) {
            if (pending_ > 0) {
                const std::size_t n = std::min<std::size_t>(pending_, line.size() - filled);
                std::memset(line.data() + filled, pendingValue_, n);
                filled += n;
                pending_ -= n;
                continue;
            }
            if (pos_ >= data_.size()) return false;
            const std::uint8_t b = data_[pos_++];
            if (b >= 0xC0) {
                if (pos_ >= data_.size()) return false;
                pending_ = b & 0x3F;
                pendingValue_ = data_[pos_++];
            } else {
                line[filled++] = b;
            }
        }
        return true;
    }

    // The first byte after the image data.
    std::size_t Position() const { return pos_; }

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    std::size_t pending_ = 0;
    std::uint8_t pendingValue_ = 0;
};

void StoreLine(const pcx::Header& h, int bits, int width, const std::vector<std::uint8_t>& line,
               std::uint8_t* row, std::size_t stride) {
    const std::size_t bpl = h.bytesPerLine;
    if (bits == 4 && h.planes == 4) {
        // Four one-bit planes to two pixels per byte, high nibble first.
        for (int x = 0; x < width; ++x) {
            const std::size_t byte = static_cast<std::size_t>(x) / 8;
            const int shift = 7 - (x % 8);
            int value = 0;
            for (int plane = 0; plane < 4; ++plane) {
                const std::size_t at = plane * bpl + byte;
                if (at < line.size() && (line[at] >> shift) & 1) value |= 1 << plane;
            }
            const std::size_t out = static_cast<std::size_t>(x) / 2;
            if (out >= stride) break;
            row[out] = static_cast<std::uint8_t>(x % 2 == 0 ? (row[out] & 0x0F) | (value << 4) : (row[out] & 0xF0) | value);
        }
        return;
    }
    if (bits == 24) {
        // Three planes (red, green, blue) of bytes-per-line each; a single 24-bit plane is read
        // as interleaved red-green-blue.
        const bool planar = h.planes == 3;
        for (int x = 0; x < width; ++x) {
            const std::size_t out = static_cast<std::size_t>(x) * 3;
            if (out + 3 > stride) break;
            std::size_t r, g, b;
            if (planar) {
                r = x;
                g = bpl + x;
                b = 2 * bpl + x;
            } else {
                r = out;
                g = out + 1;
                b = out + 2;
            }
            row[out] = b < line.size() ? line[b] : 0;
            row[out + 1] = g < line.size() ? line[g] : 0;
            row[out + 2] = r < line.size() ? line[r] : 0;
        }
        return;
    }
    std::memcpy(row, line.data(), std::min(stride, line.size()));
}

void FillPalette(const pcx::Header& h, int colours, std::span<const std::uint8_t> data, std::size_t imageEnd,
                 PackedDib& dib) {
    const bool defaults = h.version == 3 || h.version == 4;
    if (colours == 2) {
        const bool same = std::equal(h.palette.begin(), h.palette.begin() + 3, h.palette.begin() + 3);
        if (defaults || same) {
            dib.SetColour(0, {0, 0, 0, 0});
            dib.SetColour(1, {0xFF, 0xFF, 0xFF, 0});
        } else {
            for (int i = 0; i < 2; ++i) {
                dib.SetColour(i, {h.palette[i * 3 + 2], h.palette[i * 3 + 1], h.palette[i * 3], 0});
            }
        }
        return;
    }
    if (colours == 16) {
        for (int i = 0; i < 16; ++i) {
            dib.SetColour(i, defaults ? pcx::DefaultPalette16()[i]
                                      : RGBQUAD{h.palette[i * 3 + 2], h.palette[i * 3 + 1], h.palette[i * 3], 0});
        }
        return;
    }
    // 256 colours: the palette follows a 0x0C marker after the image data. Where none is found
    // (or the header's version promises none) the picture gets a grey ramp.
    for (int i = 0; i < 256; ++i) {
        const auto v = static_cast<std::uint8_t>(i);
        dib.SetColour(i, {v, v, v, 0});
    }
    if (defaults || imageEnd >= data.size()) return;
    const std::size_t available = std::min(data.size() - imageEnd, pcx::kPaletteSearchWindow);
    const std::size_t range = std::min(available, pcx::kPaletteMarkerRange);
    for (std::size_t i = 0; i < range; ++i) {
        if (data[imageEnd + i] != pcx::kPaletteMarker) continue;
        if (i + 1 + pcx::kPaletteBytes > available) break;
        const std::uint8_t* p = data.data() + imageEnd + i + 1;
        for (int c = 0; c < 256; ++c) dib.SetColour(c, {p[c * 3 + 2], p[c * 3 + 1], p[c * 3], 0});
        return;
    }
}

int MakeBitmap(gdi::DC& dc, const PackedDib& dib, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette, int failure) {
    gdi::HPALETTE made = CreateDibPalette(dib);
    const gdi::HPALETTE previous = dc.SelectPalette(made, false);
    if (made) dc.RealizePalette();
    gdi::HBITMAP result = DibToBitmap(dib, made);
    dc.SelectPalette(previous, false);
    if (!result) return failure;
    bitmap = std::move(result);
    palette = std::move(made);
    return pcx::kOk;
}

}  // namespace

int DecodePcx(std::span<const std::uint8_t> data, std::optional<PackedDib>& dib) {
    dib.reset();
    if (data.size() < pcx::kHeaderSize) return pcx::kReadFailure;
    const pcx::Header h = pcx::ParseHeader(data.first<pcx::kHeaderSize>());
    if (!pcx::HeaderValid(h)) return pcx::kBadHeader;
    const std::uint64_t width = std::uint64_t{h.xmax} - h.xmin + 1;
    const std::uint64_t height = std::uint64_t{h.ymax} - h.ymin + 1;
    if (!ImageSizeAllowed(width, height)) return pcx::kBadHeader;
    const int bits = h.bitsPerPixel * h.planes;
    const std::uint64_t lineLength = std::uint64_t{h.bytesPerLine} * h.planes;
    const std::span<const std::uint8_t> body = data.subspan(pcx::kHeaderSize);
    // Two input bytes give at most 63 decoded ones: data too short for the picture is refused
    // before anything is allocated.
    if (lineLength * height > (std::uint64_t{body.size()} + 1) * 32) return pcx::kReadFailure;

    const std::uint64_t stride = DibStride(width, bits);
    const int colours = bits <= 8 ? 1 << bits : 0;
    const std::uint64_t tableBytes = std::uint64_t(colours) * 4;
    const std::uint64_t total = kBitmapInfoHeaderSize + tableBytes + stride * height;
    if (total > kMaxDibBytes) return pcx::kOutOfMemory;
    auto block = PackedDib::Allocate(static_cast<std::size_t>(total));
    if (!block) return pcx::kOutOfMemory;
    std::vector<std::uint8_t> line;
    try {
        line.resize(static_cast<std::size_t>(lineLength));
    } catch (const std::bad_alloc&) {
        return pcx::kOutOfMemory;
    }

    BITMAPINFOHEADER info;
    info.biWidth = static_cast<std::int32_t>(width);
    info.biHeight = static_cast<std::int32_t>(height);
    info.biBitCount = static_cast<std::uint16_t>(bits);
    info.biSizeImage = static_cast<std::uint32_t>(stride * height);
    block->SetHeader(info);
    std::uint8_t* bitsStart = block->Data() + kBitmapInfoHeaderSize + tableBytes;

    RunDecoder decoder(body);
    for (std::uint64_t y = 0; y < height; ++y) {
        if (!decoder.DecodeLine(line)) return pcx::kReadFailure;
        std::uint8_t* row = bitsStart + (height - 1 - y) * stride;
        StoreLine(h, bits, static_cast<int>(width), line, row, static_cast<std::size_t>(stride));
    }
    if (colours > 0) FillPalette(h, colours, body, decoder.Position(), *block);
    dib = std::move(block);
    return pcx::kOk;
}

int LoadPcxFile(gdi::DC& dc, const std::string& path, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette) {
    bitmap = nullptr;
    palette = nullptr;
    std::vector<std::uint8_t> bytes;
    switch (ReadWholeFile(path, bytes)) {
        case FileReadResult::Ok: break;
        case FileReadResult::CannotOpen: return pcx::kCannotOpen;
        case FileReadResult::ReadFailure: return pcx::kReadFailure;
        case FileReadResult::TooLarge: return pcx::kOutOfMemory;
    }
    std::optional<PackedDib> dib;
    const int result = DecodePcx(bytes, dib);
    if (result != pcx::kOk) return result;
    return MakeBitmap(dc, *dib, bitmap, palette, pcx::kNoBitmap);
}

int LoadPcxResource(gdi::DC& dc, std::string_view name, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette) {
    bitmap = nullptr;
    palette = nullptr;
    const auto bytes = FindResource(ResourceKind::Pcx, name);
    if (!bytes) return pcx::kCannotOpen;
    std::optional<PackedDib> dib;
    const int result = DecodePcx(*bytes, dib);
    if (result != pcx::kOk) return result;
    return MakeBitmap(dc, *dib, bitmap, palette, pcx::kOutOfMemory);
}
