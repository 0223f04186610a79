// Our image readers beside Qt's QImageReader on the same 1024 × 768 files, in one run: BMP
// (24 and 8 bits), GIF, TGA (plain and run-length), JPEG and TIFF. Throughput is the file's
// size per second.

#include "medialib/dib.h"
#include "medialib/dib_file.h"
#include "medialib/gif_reader.h"
#include "medialib/jpeg_reader.h"
#include "medialib/tga_reader.h"
#include "medialib/tiff_reader.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <benchmark/benchmark.h>
#include <tiffio.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// A picture with smooth areas, edges and some noise, like a scanned or rendered background.
std::uint8_t Channel(int x, int y, int c) {
    const unsigned noise = (static_cast<unsigned>(x) * 2654435761u ^ static_cast<unsigned>(y) * 40503u) >> 28;
    const int band = ((x / 96) + (y / 64)) % 3 == c ? 60 : 0;
    return static_cast<std::uint8_t>((x * (c + 1) / 5 + y / (c + 2) + band + static_cast<int>(noise)) & 0xFF);
}

std::uint8_t Index(int x, int y) { return static_cast<std::uint8_t>((x / 4 + y / 3 + ((x * 7 + y) >> 6)) & 0xFF); }

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

PackedDib MakeDib(int bits) {
    const std::size_t stride = DibStride(kWidth, bits);
    const int colours = bits == 8 ? 256 : 0;
    PackedDib dib(40 + colours * 4 + stride * kHeight);
    BITMAPINFOHEADER h;
    h.biWidth = kWidth;
    h.biHeight = kHeight;
    h.biBitCount = static_cast<std::uint16_t>(bits);
    h.biSizeImage = static_cast<std::uint32_t>(stride * kHeight);
    dib.SetHeader(h);
    for (int i = 0; i < colours; ++i) {
        dib.SetColour(i, {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 3), 0});
    }
    std::uint8_t* bitsStart = dib.Data() + 40 + colours * 4;
    for (int y = 0; y < kHeight; ++y) {
        std::uint8_t* row = bitsStart + std::size_t(kHeight - 1 - y) * stride;
        for (int x = 0; x < kWidth; ++x) {
            if (bits == 8) {
                row[x] = Index(x, y);
            } else {
                for (int c = 0; c < 3; ++c) row[x * 3 + c] = Channel(x, y, c);
            }
        }
    }
    return dib;
}

std::vector<std::uint8_t> Lzw(const std::vector<std::uint8_t>& indices) {
    constexpr int m = 8;
    constexpr int clear = 1 << m;
    std::vector<std::uint8_t> out;
    std::uint32_t bits = 0;
    int count = 0;
    int width = m + 1;
    auto put = [&](int code) {
        bits |= static_cast<std::uint32_t>(code) << count;
        count += width;
        while (count >= 8) {
            out.push_back(static_cast<std::uint8_t>(bits));
            bits >>= 8;
            count -= 8;
        }
    };
    std::vector<std::array<std::int16_t, 256>> table(4096);
    auto reset = [&] {
        for (auto& entry : table) entry.fill(-1);
    };
    reset();
    int next = clear + 2;
    put(clear);
    int prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const int k = indices[i];
        if (table[prefix][k] >= 0) {
            prefix = table[prefix][k];
            continue;
        }
        put(prefix);
        table[prefix][k] = static_cast<std::int16_t>(next++);
        if (next > (1 << width) && width < 12) ++width;
        if (next == 4096) {
            put(clear);
            reset();
            next = clear + 2;
            width = m + 1;
        }
        prefix = k;
    }
    put(prefix);
    put(clear + 1);
    if (count > 0) out.push_back(static_cast<std::uint8_t>(bits));
    return out;
}

std::vector<std::uint8_t> Gif() {
    std::vector<std::uint8_t> f = {'G', 'I', 'F', '8', '9', 'a', kWidth & 0xFF, kWidth >> 8, kHeight & 0xFF, kHeight >> 8,
                                   0x87, 0, 0};
    for (int i = 0; i < 256; ++i) f.insert(f.end(), {static_cast<std::uint8_t>(i * 3), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i)});
    f.insert(f.end(), {',', 0, 0, 0, 0, kWidth & 0xFF, kWidth >> 8, kHeight & 0xFF, kHeight >> 8, 0, 8});
    std::vector<std::uint8_t> indices;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) indices.push_back(Index(x, y));
    }
    const auto data = Lzw(indices);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        f.push_back(static_cast<std::uint8_t>(n));
        f.insert(f.end(), data.begin() + at, data.begin() + at + n);
    }
    f.push_back(0);
    f.push_back(';');
    return f;
}

std::vector<std::uint8_t> Tga(bool rle) {
    std::vector<std::uint8_t> f = {0, 0, static_cast<std::uint8_t>(rle ? 10 : 2), 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                   kWidth & 0xFF, kWidth >> 8, kHeight & 0xFF, kHeight >> 8, 24, 0x20};
    for (int y = 0; y < kHeight; ++y) {
        // Run-length pictures are flat in blocks of 8 pixels, as drawn artwork tends to be.
        for (int x = 0; x < kWidth;) {
            if (rle) {
                f.push_back(0x87);
                for (int c = 2; c >= 0; --c) f.push_back(Channel(x, y, c));
                x += 8;
            } else {
                for (int c = 2; c >= 0; --c) f.push_back(Channel(x, y, c));
                ++x;
            }
        }
    }
    // The TGA 2.0 footer, without which Qt's reader refuses the file.
    const char footer[] = "\0\0\0\0\0\0\0\0TRUEVISION-XFILE.";
    f.insert(f.end(), footer, footer + sizeof footer);
    return f;
}

QImage AsQImage() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) image.setPixel(x, y, qRgb(Channel(x, y, 2), Channel(x, y, 1), Channel(x, y, 0)));
    }
    return image;
}

void WriteTiff(const std::string& path) {
    TIFF* tif = TIFFOpen(path.c_str(), "w");
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, kWidth);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, kHeight);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, 16);
    std::vector<std::uint8_t> line(kWidth * 3);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            for (int c = 0; c < 3; ++c) line[x * 3 + c] = Channel(x, y, 2 - c);
        }
        TIFFWriteScanline(tif, line.data(), y, 0);
    }
    TIFFClose(tif);
}

struct Case {
    std::string name;
    std::string file;
    std::function<bool(const std::string&)> ours;
};

template <typename Reader>
std::function<bool(const std::string&)> Dib(Reader reader) {
    return [reader](const std::string& path) {
        std::optional<PackedDib> dib;
        reader(path, dib);
        return dib.has_value();
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tavrin_bench_images";
    std::filesystem::create_directories(folder);
    auto at = [&](const char* name) { return (folder / name).string(); };
    WriteDibFile(at("p24.bmp"), MakeDib(24));
    WriteDibFile(at("p8.bmp"), MakeDib(8));
    WriteFile(at("p.gif"), Gif());
    WriteFile(at("plain.tga"), Tga(false));
    WriteFile(at("rle.tga"), Tga(true));
    AsQImage().save(QString::fromStdString(at("p.jpg")), "JPEG", 90);
    WriteTiff(at("p.tif"));

    const std::vector<Case> cases = {
        {"bmp24", at("p24.bmp"), [](const std::string& p) { return ReadDibFile(p).has_value(); }},
        {"bmp8", at("p8.bmp"), [](const std::string& p) { return ReadDibFile(p).has_value(); }},
        {"gif", at("p.gif"), Dib(ReadGifFile)},
        {"tga", at("plain.tga"), Dib(ReadTgaFile)},
        {"tga_rle", at("rle.tga"), Dib(ReadTgaFile)},
        {"jpeg", at("p.jpg"), [](const std::string& p) { return ReadJpegFile(p).has_value(); }},
        {"tiff", at("p.tif"), Dib(ReadTiffFile)},
    };
    for (const Case& c : cases) {
        const auto size = static_cast<std::int64_t>(std::filesystem::file_size(c.file));
        benchmark::RegisterBenchmark(("ours/" + c.name).c_str(), [c, size](benchmark::State& state) {
            for (auto _ : state) {
                if (!c.ours(c.file)) state.SkipWithError("our reader failed");
            }
            state.SetBytesProcessed(state.iterations() * size);
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("qt/" + c.name).c_str(), [c, size](benchmark::State& state) {
            for (auto _ : state) {
                QImageReader reader(QString::fromStdString(c.file));
                const QImage image = reader.read();
                if (image.isNull()) {
                    state.SkipWithError(("Qt cannot read: " + reader.errorString().toStdString()).c_str());
                    break;
                }
                benchmark::DoNotOptimize(image.constBits());
            }
            state.SetBytesProcessed(state.iterations() * size);
        })->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
