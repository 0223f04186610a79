#include "medialib/tiff_reader.h"

#include "medialib/image_limits.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <memory>
#include <vector>

#include <tiffio.h>

namespace {

constexpr int kMaxDirectories = 6;
constexpr tmsize_t kMaxLibraryAllocation = tmsize_t{256} << 20;
constexpr std::uint32_t kRgbaRowsPerChunk = 64;

struct MemoryStream {
    std::span<const std::uint8_t> data;
    std::uint64_t pos = 0;
};

tmsize_t StreamRead(thandle_t handle, void* buffer, tmsize_t size) {
    auto* s = static_cast<MemoryStream*>(handle);
    if (size <= 0 || s->pos >= s->data.size()) return 0;
    const std::uint64_t n = std::min<std::uint64_t>(static_cast<std::uint64_t>(size), s->data.size() - s->pos);
    std::memcpy(buffer, s->data.data() + s->pos, static_cast<std::size_t>(n));
    s->pos += n;
    return static_cast<tmsize_t>(n);
}
tmsize_t StreamWrite(thandle_t, void*, tmsize_t) { return -1; }
toff_t StreamSeek(thandle_t handle, toff_t offset, int whence) {
    auto* s = static_cast<MemoryStream*>(handle);
    std::uint64_t base = 0;
    if (whence == SEEK_CUR) base = s->pos;
    if (whence == SEEK_END) base = s->data.size();
    s->pos = base + offset;
    return s->pos;
}
int StreamClose(thandle_t) { return 0; }
toff_t StreamSize(thandle_t handle) { return static_cast<MemoryStream*>(handle)->data.size(); }
int StreamMap(thandle_t handle, void** base, toff_t* size) {
    auto* s = static_cast<MemoryStream*>(handle);
    // libtiff only reads through the mapping of a file opened for reading.
    *base = const_cast<std::uint8_t*>(s->data.data());
    *size = s->data.size();
    return 1;
}
void StreamUnmap(thandle_t, void*, toff_t) {}

int Quiet(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct TiffCloser {
    void operator()(TIFF* tif) const { TIFFClose(tif); }
};
using TiffPtr = std::unique_ptr<TIFF, TiffCloser>;

TiffPtr OpenQuietly(MemoryStream& stream) {
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options) return nullptr;
    TIFFOpenOptionsSetErrorHandlerExtR(options, Quiet, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, Quiet, nullptr);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxLibraryAllocation);
    TIFF* tif = TIFFClientOpenExt("memory", "r", &stream, StreamRead, StreamWrite, StreamSeek, StreamClose, StreamSize,
                                  StreamMap, StreamUnmap, options);
    TIFFOpenOptionsFree(options);
    return TiffPtr(tif);
}

std::uint64_t Read(std::span<const std::uint8_t> d, std::uint64_t at, int bytes, bool big) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) {
        const std::uint64_t b = d[static_cast<std::size_t>(at + i)];
        v |= big ? b << (8 * (bytes - 1 - i)) : b << (8 * i);
    }
    return v;
}

struct Fields {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint16_t samples = 1;
    std::uint16_t bits = 1;
    std::uint16_t compression = COMPRESSION_NONE;
    std::uint16_t photometric = PHOTOMETRIC_MINISBLACK;
    std::uint16_t planar = PLANARCONFIG_CONTIG;
    std::uint16_t orientation = ORIENTATION_TOPLEFT;
    float xres = 0;
    float yres = 0;
};

Fields ReadFields(TIFF* tif) {
    Fields f;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &f.width);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &f.height);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &f.samples);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &f.bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &f.compression);
    if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &f.photometric)) f.photometric = PHOTOMETRIC_MINISBLACK;
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &f.planar);
    TIFFGetFieldDefaulted(tif, TIFFTAG_ORIENTATION, &f.orientation);
    TIFFGetField(tif, TIFFTAG_XRESOLUTION, &f.xres);
    TIFFGetField(tif, TIFFTAG_YRESOLUTION, &f.yres);
    return f;
}

std::int32_t Truncate(float v) {
    if (!(v > -2147483648.0f && v < 2147483647.0f)) return 0;
    return static_cast<std::int32_t>(v);
}

std::optional<PackedDib> NewDib(const Fields& f, int depth, int colours) {
    const std::uint64_t stride = DibStride(f.width, depth);
    const std::uint64_t size = kBitmapInfoHeaderSize + std::uint64_t(colours) * 4 + stride * f.height;
    if (size > kMaxDibBytes) return std::nullopt;
    auto dib = PackedDib::Allocate(static_cast<std::size_t>(size));
    if (!dib) return std::nullopt;
    BITMAPINFOHEADER h;
    h.biWidth = static_cast<std::int32_t>(f.width);
    h.biHeight = static_cast<std::int32_t>(f.height);
    h.biBitCount = static_cast<std::uint16_t>(depth);
    h.biSizeImage = static_cast<std::uint32_t>(stride * f.height);
    h.biXPelsPerMeter = Truncate(f.xres);
    h.biYPelsPerMeter = Truncate(f.yres);
    h.biClrUsed = static_cast<std::uint32_t>(colours);
    dib->SetHeader(h);
    return dib;
}

// Everything libtiff delivers only as RGBA, read in chunks of rows into a 24-bit DIB.
int ReadRgba(TIFF* tif, const Fields& f, std::optional<PackedDib>& out) {
    char message[1024] = "";
    if (!TIFFRGBAImageOK(tif, message)) return tiffcode::kReadFailure;
    auto dib = NewDib(f, 24, 0);
    if (!dib) return tiffcode::kOutOfMemory;
    TIFFRGBAImage image;
    if (!TIFFRGBAImageBegin(&image, tif, 0, message)) return tiffcode::kReadFailure;
    image.req_orientation = ORIENTATION_TOPLEFT;
    const std::uint64_t stride = DibStride(f.width, 24);
    std::uint8_t* bits = dib->Data() + kBitmapInfoHeaderSize;
    std::vector<std::uint32_t> raster;
    int result = tiffcode::kOk;
    try {
        raster.resize(std::size_t{f.width} * kRgbaRowsPerChunk);
    } catch (const std::bad_alloc&) {
        result = tiffcode::kOutOfMemory;
    }
    for (std::uint32_t top = 0; result == tiffcode::kOk && top < f.height; top += kRgbaRowsPerChunk) {
        const std::uint32_t rows = std::min(kRgbaRowsPerChunk, f.height - top);
        image.row_offset = static_cast<int>(top);
        image.col_offset = 0;
        if (!TIFFRGBAImageGet(&image, raster.data(), f.width, rows)) {
            result = tiffcode::kReadFailure;
            break;
        }
        for (std::uint32_t r = 0; r < rows; ++r) {
            const std::uint32_t* in = raster.data() + std::size_t{r} * f.width;
            std::uint8_t* row = bits + (f.height - 1 - (top + r)) * stride;
            for (std::uint32_t x = 0; x < f.width; ++x) {
                row[x * 3] = static_cast<std::uint8_t>(TIFFGetB(in[x]));
                row[x * 3 + 1] = static_cast<std::uint8_t>(TIFFGetG(in[x]));
                row[x * 3 + 2] = static_cast<std::uint8_t>(TIFFGetR(in[x]));
            }
        }
    }
    TIFFRGBAImageEnd(&image);
    if (result == tiffcode::kOk) out = std::move(dib);
    return result;
}

void FillPalette(TIFF* tif, const Fields& f, PackedDib& dib) {
    const int n = 1 << f.bits;
    if (f.photometric == PHOTOMETRIC_PALETTE) {
        std::uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
        if (TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue) && red && green && blue) {
            bool wide = false;
            for (int j = 0; j < n; ++j) wide = wide || red[j] > 255 || green[j] > 255 || blue[j] > 255;
            auto scale = [wide](std::uint16_t v) {
                return static_cast<std::uint8_t>(wide ? std::uint32_t{v} * 255 / 65535 : v & 0xFF);
            };
            for (int j = 0; j < n; ++j) dib.SetColour(j, {scale(blue[j]), scale(green[j]), scale(red[j]), 0});
        }
    } else {
        const int step = 255 / (n - 1);
        const bool whiteIsZero = f.photometric == PHOTOMETRIC_MINISWHITE;
        for (int j = 0; j < n; ++j) {
            const auto v = static_cast<std::uint8_t>(step * (whiteIsZero ? n - 1 - j : j));
            dib.SetColour(j, {v, v, v, 0});
        }
    }
    if (f.bits == 1) {
        // Bilevel pictures always end with black at 0 and white at 1; white-is-zero pixels are
        // inverted when they are read.
        dib.SetColour(0, {0, 0, 0, 0});
        dib.SetColour(1, {0xFF, 0xFF, 0xFF, 0});
    }
}

int ReadScanlines(TIFF* tif, const Fields& f, int depth, std::optional<PackedDib>& out) {
    const int colours = f.samples < 2 ? 1 << f.bits : 0;
    auto dib = NewDib(f, depth, colours);
    if (!dib) return tiffcode::kOutOfMemory;
    if (colours) FillPalette(tif, f, *dib);
    const tmsize_t lineSize = TIFFScanlineSize(tif);
    if (lineSize <= 0) return tiffcode::kReadFailure;
    std::vector<std::uint8_t> line;
    try {
        line.resize(static_cast<std::size_t>(lineSize));
    } catch (const std::bad_alloc&) {
        return tiffcode::kOutOfMemory;
    }
    const std::uint64_t stride = DibStride(f.width, depth);
    std::uint8_t* bits = dib->Data() + kBitmapInfoHeaderSize + std::size_t(colours) * 4;
    const bool bottomUp = f.orientation == ORIENTATION_BOTLEFT;
    const bool invert = f.bits == 1 && f.samples < 2 && f.photometric == PHOTOMETRIC_MINISWHITE;
    const bool cmyk = f.samples == 4 && f.photometric == PHOTOMETRIC_SEPARATED;
    for (std::uint32_t r = 0; r < f.height; ++r) {
        if (TIFFReadScanline(tif, line.data(), r, 0) < 0) return tiffcode::kReadFailure;
        std::uint8_t* row = bits + (bottomUp ? r : f.height - 1 - r) * stride;
        if (f.samples < 2) {
            const std::size_t n = std::min<std::size_t>(line.size(), stride);
            if (invert) {
                for (std::size_t i = 0; i < n; ++i) row[i] = static_cast<std::uint8_t>(~line[i]);
            } else {
                std::memcpy(row, line.data(), n);
            }
            continue;
        }
        const std::size_t step = f.samples;
        const std::size_t outStep = static_cast<std::size_t>(depth) / 8;
        for (std::uint32_t x = 0; x < f.width && (x + 1) * step <= line.size(); ++x) {
            const std::uint8_t* p = line.data() + x * step;
            std::uint8_t* o = row + x * outStep;
            if (cmyk) {
                o[0] = static_cast<std::uint8_t>(std::max(0, 255 - p[2] - p[3]));
                o[1] = static_cast<std::uint8_t>(std::max(0, 255 - p[1] - p[3]));
                o[2] = static_cast<std::uint8_t>(std::max(0, 255 - p[0] - p[3]));
            } else {
                o[0] = p[2];
                o[1] = p[1];
                o[2] = p[0];
                if (outStep == 4) o[3] = p[3];
            }
        }
    }
    out = std::move(dib);
    return tiffcode::kOk;
}

}  // namespace

int CountTiffDirectories(std::span<const std::uint8_t> d) {
    if (d.size() < 8) return 0;
    bool big;
    if (d[0] == 'I' && d[1] == 'I') {
        big = false;
    } else if (d[0] == 'M' && d[1] == 'M') {
        big = true;
    } else {
        return 0;
    }
    std::uint64_t offset = Read(d, 4, 4, big);
    int count = 0;
    while (offset != 0 && count < kMaxDirectories) {
        if (offset + 2 > d.size()) break;
        const std::uint64_t entries = Read(d, offset, 2, big);
        const std::uint64_t next = offset + 2 + entries * 12;
        if (next + 4 > d.size()) break;
        ++count;
        offset = Read(d, next, 4, big);
    }
    return count;
}

int DecodeTiff(std::span<const std::uint8_t> data, std::optional<PackedDib>& dib) {
    dib.reset();
    const int directories = CountTiffDirectories(data);
    if (directories == 0) return tiffcode::kCannotOpen;
    MemoryStream stream{data, 0};
    TiffPtr tif = OpenQuietly(stream);
    if (!tif) return tiffcode::kCannotOpen;
    if (directories >= 2 && !TIFFSetDirectory(tif.get(), 1)) return tiffcode::kReadFailure;

    const Fields f = ReadFields(tif.get());
    if (f.bits == 0) return tiffcode::kNoBitsPerSample;
    if (f.compression == COMPRESSION_DEFLATE) return tiffcode::kDeflateUnsupported;
    if (f.compression == COMPRESSION_OJPEG) return tiffcode::kOldJpegUnsupported;
    if (f.samples == 4 && f.photometric == PHOTOMETRIC_SEPARATED && f.bits < 8) return tiffcode::kShallowCmyk;
    if (!ImageSizeAllowed(f.width, f.height)) return tiffcode::kOutOfMemory;

    const int depth = f.samples * f.bits;
    const bool grey = f.samples < 2 && (f.bits == 1 || f.bits == 4 || f.bits == 8) &&
                      (f.photometric == PHOTOMETRIC_MINISBLACK || f.photometric == PHOTOMETRIC_MINISWHITE ||
                       f.photometric == PHOTOMETRIC_PALETTE);
    const bool colour = f.bits == 8 && ((f.samples == 3 && f.photometric == PHOTOMETRIC_RGB) ||
                                        (f.samples == 4 && (f.photometric == PHOTOMETRIC_RGB ||
                                                            f.photometric == PHOTOMETRIC_SEPARATED)));
    const bool rgbaOnly = TIFFIsTiled(tif.get()) || f.planar == PLANARCONFIG_SEPARATE ||
                          f.photometric == PHOTOMETRIC_YCBCR || f.photometric == PHOTOMETRIC_CIELAB || !(grey || colour);
    if (rgbaOnly) return ReadRgba(tif.get(), f, dib);
    return ReadScanlines(tif.get(), f, depth, dib);
}

int ReadTiffFile(const std::string& path, std::optional<PackedDib>& dib) {
    dib.reset();
    std::vector<std::uint8_t> bytes;
    switch (ReadWholeFile(path, bytes)) {
        case FileReadResult::Ok: break;
        case FileReadResult::CannotOpen: return tiffcode::kCannotOpen;
        case FileReadResult::ReadFailure: return tiffcode::kReadFailure;
        case FileReadResult::TooLarge: return tiffcode::kOutOfMemory;
    }
    return DecodeTiff(bytes, dib);
}
