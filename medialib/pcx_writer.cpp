#include "medialib/pcx_writer.h"

#include "medialib/dib_convert.h"
#include "medialib/path_util.h"
#include "medialib/pcx_format.h"
#include "platform/gdi/surface.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <system_error>

namespace {

// One picture row (top row first) laid out as PCX planes.
void LayoutRow(const DibLayout& layout, const std::uint8_t* row, std::size_t bpl, std::vector<std::uint8_t>& planes) {
    std::fill(planes.begin(), planes.end(), 0);
    const int width = layout.width;
    switch (layout.bitCount) {
        case 1:
        case 8: std::memcpy(planes.data(), row, std::min(bpl, layout.stride)); break;
        case 4:
            for (int x = 0; x < width; ++x) {
                const int value = (x % 2 == 0) ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
                for (int k = 0; k < 4; ++k) {
                    if ((value >> k) & 1) planes[k * bpl + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                }
            }
            break;
        default:
            for (int x = 0; x < width; ++x) {
                std::uint8_t r, g, b;
                if (layout.bitCount == 16) {
                    const int v = row[x * 2] | (row[x * 2 + 1] << 8);
                    b = static_cast<std::uint8_t>((v & 0x1F) << 3);
                    g = static_cast<std::uint8_t>(((v >> 5) & 0x1F) << 3);
                    r = static_cast<std::uint8_t>(((v >> 10) & 0x1F) << 3);
                } else {
                    const std::size_t step = layout.bitCount / 8;
                    b = row[x * step];
                    g = row[x * step + 1];
                    r = row[x * step + 2];
                }
                planes[x] = r;
                planes[bpl + x] = g;
                planes[2 * bpl + x] = b;
            }
            break;
    }
}

// Runs of equal bytes up to 63 long; a run longer than one, or a single byte of 0xC0 or more,
// is written as 0xC0 | length and the byte.
void EncodeLine(const std::vector<std::uint8_t>& line, std::vector<std::uint8_t>& out) {
    std::size_t i = 0;
    while (i < line.size()) {
        const std::uint8_t value = line[i];
        std::size_t run = 1;
        while (i + run < line.size() && run < 63 && line[i + run] == value) ++run;
        if (run > 1 || value >= 0xC0) out.push_back(static_cast<std::uint8_t>(0xC0 | run));
        out.push_back(value);
        i += run;
    }
}

}  // namespace

int EncodePcx(const PackedDib& dib, const gdi::HPALETTE& palette, std::vector<std::uint8_t>& file) {
    file.clear();
    const auto layout = CheckDib(dib);
    if (!layout || layout->compression != BI_RGB) return pcx::kNoPaletteRule;
    const int bitCount = layout->bitCount;
    if (layout->width > 0xFFFF || layout->height > 0xFFFF) return pcx::kBadHeader;

    pcx::Header h;
    h.version = 5;
    if (bitCount == 4) {
        h.bitsPerPixel = 1;
        h.planes = 4;
    } else if (bitCount == 1 || bitCount == 8) {
        h.bitsPerPixel = static_cast<std::uint8_t>(bitCount);
        h.planes = 1;
    } else {
        h.bitsPerPixel = 8;
        h.planes = 3;
    }
    h.xmax = static_cast<std::uint16_t>(layout->width - 1);
    h.ymax = static_cast<std::uint16_t>(layout->height - 1);
    const gdi::SIZE screen = gdi::GetScreenSize();
    h.hres = static_cast<std::uint16_t>(screen.cx);
    h.vres = static_cast<std::uint16_t>(screen.cy);
    h.hscreen = h.hres;
    h.vscreen = h.vres;
    h.bytesPerLine = static_cast<std::uint16_t>(((h.bitsPerPixel * layout->width + 15) / 16) * 2);
    h.paletteInfo = 1;
    std::memcpy(h.filler.data() + (pcx::kWriterMarkOffset - 74), pcx::kWriterMark, 10);

    const std::size_t bpl = h.bytesPerLine;
    try {
        std::vector<std::uint8_t> planes(bpl * h.planes);
        const auto header = pcx::SerializeHeader(h);
        file.assign(header.begin(), header.end());
        file.reserve(pcx::kHeaderSize + planes.size() * layout->height + 1 + pcx::kPaletteBytes);
        const std::uint8_t* bits = dib.Data() + layout->bitsOffset;
        for (int y = 0; y < layout->height; ++y) {
            const int dibRow = layout->topDown ? y : layout->height - 1 - y;
            LayoutRow(*layout, bits + static_cast<std::size_t>(dibRow) * layout->stride, bpl, planes);
            EncodeLine(planes, file);
        }
        if (bitCount > 8) return pcx::kOk;

        const int colours = 1 << bitCount;
        std::vector<std::uint8_t> rgb(static_cast<std::size_t>(colours) * 3);
        const bool usePalette = palette && palette->Size() >= colours;
        for (int i = 0; i < colours; ++i) {
            if (usePalette) {
                const gdi::PALETTEENTRY& e = palette->Entries()[i];
                rgb[i * 3] = e.peRed;
                rgb[i * 3 + 1] = e.peGreen;
                rgb[i * 3 + 2] = e.peBlue;
            } else {
                const RGBQUAD q = dib.Colour(i);
                rgb[i * 3] = q.rgbRed;
                rgb[i * 3 + 1] = q.rgbGreen;
                rgb[i * 3 + 2] = q.rgbBlue;
            }
        }
        if (colours == 2 || colours == 16) {
            std::memcpy(file.data() + 16, rgb.data(), rgb.size());
        } else if (colours == 256) {
            file.push_back(pcx::kPaletteMarker);
            file.insert(file.end(), rgb.begin(), rgb.end());
        } else {
            file.clear();
            return pcx::kNoPaletteRule;
        }
    } catch (const std::bad_alloc&) {
        file.clear();
        return pcx::kOutOfMemory;
    }
    return pcx::kOk;
}

int SavePcxFile(const std::string& path, const PackedDib& dib, const gdi::HPALETTE& palette) {
    std::vector<std::uint8_t> bytes;
    const int result = EncodePcx(dib, palette, bytes);
    if (result != pcx::kOk) return result;
    const std::filesystem::path target(NativePath(path));
    std::filesystem::path temporary = target;
    temporary += ".tmp~";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return pcx::kCannotOpen;
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return pcx::kWriteFailure;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return pcx::kWriteFailure;
    }
    return pcx::kOk;
}

int SavePcx(gdi::DC& dc, const std::string& path, const gdi::HBITMAP& bitmap, const gdi::HPALETTE& palette) {
    if (!bitmap) return pcx::kNoBitmap;
    auto memory = gdi::CreateCompatibleDC(&dc);
    if (!memory) return pcx::kNoBitmap;
    const gdi::HPALETTE previous = memory->SelectPalette(palette, false);
    memory->RealizePalette();
    const auto dib = BitmapToDib(bitmap, palette);
    memory->SelectPalette(previous, false);
    if (!dib) return pcx::kNoBitmap;
    return SavePcxFile(path, *dib, nullptr);
}
