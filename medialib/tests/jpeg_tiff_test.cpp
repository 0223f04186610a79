#include "medialib/jpeg_reader.h"
#include "medialib/tests/dib_fixtures.h"
#include "medialib/tests/image_fixtures.h"
#include "medialib/tiff_reader.h"
#include "platform/message/message_display.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <tiffio.h>

#include <cstdlib>

namespace {

// Records the messages shown while it lives.
struct RecordedMessages {
    RecordedMessages() {
        previous = SetMessageDisplay([this](const std::string& title, const std::string& text) {
            shown.push_back({title, text});
        });
    }
    ~RecordedMessages() { SetMessageDisplay(previous); }
    MessageDisplay previous;
    std::vector<std::pair<std::string, std::string>> shown;
};

std::vector<std::uint8_t> JpegOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPEG", 100));
    return {bytes.begin(), bytes.end()};
}

bool Near(gdi::COLORREF a, gdi::COLORREF b, int tolerance) {
    return std::abs(gdi::GetRValue(a) - gdi::GetRValue(b)) <= tolerance &&
           std::abs(gdi::GetGValue(a) - gdi::GetGValue(b)) <= tolerance &&
           std::abs(gdi::GetBValue(a) - gdi::GetBValue(b)) <= tolerance;
}

TEST(JpegReader, ColourAndGreyPicturesComeOutUpright) {
    // Four flat quadrants, so that compression keeps the colours close.
    QImage colour(32, 16, QImage::Format_RGB32);
    colour.fill(QColor(200, 30, 40));
    for (int y = 8; y < 16; ++y) {
        for (int x = 0; x < 32; ++x) colour.setPixel(x, y, qRgb(20, 40, 220));
    }
    RecordedMessages messages;
    const auto dib = DecodeJpeg(JpegOf(colour));
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->Header().biBitCount, 24);
    EXPECT_TRUE(Near(PixelAt(*dib, 3, 2), gdi::RGB(200, 30, 40), 6));
    EXPECT_TRUE(Near(PixelAt(*dib, 30, 13), gdi::RGB(20, 40, 220), 6));

    QImage grey(8, 8, QImage::Format_Grayscale8);
    grey.fill(QColor(90, 90, 90));
    const auto greyDib = DecodeJpeg(JpegOf(grey));
    ASSERT_TRUE(greyDib);
    EXPECT_TRUE(Near(PixelAt(*greyDib, 5, 5), gdi::RGB(90, 90, 90), 2));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(JpegReader, FailuresAreShownAndGiveNothing) {
    RecordedMessages messages;
    std::vector<std::uint8_t> cut = JpegOf(QImage(64, 64, QImage::Format_RGB32));
    cut.resize(cut.size() / 2);
    EXPECT_FALSE(DecodeJpeg(cut));
    EXPECT_FALSE(DecodeJpeg(std::vector<std::uint8_t>{0xFF, 0xD8, 0x00, 0x11}));
    EXPECT_FALSE(ReadJpegFile("/no/such/folder/picture.jpg"));
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].first, "JPG Fatal Error");
    EXPECT_EQ(messages.shown[1].first, "JPG Fatal Error");
    EXPECT_EQ(messages.shown[2].second, "JPEG :\nCan't open /no/such/folder/picture.jpg\n");
}

// A TIFF written with libtiff into a file of the folder; fill writes the tags and data.
template <typename Fill>
std::vector<std::uint8_t> WriteTiff(const TempFolder& folder, Fill fill) {
    const std::string path = folder.File("t.tif");
    TIFF* tif = TIFFOpen(path.c_str(), "w");
    EXPECT_TRUE(tif);
    fill(tif);
    TIFFClose(tif);
    return ReadAll(path);
}

void Tags(TIFF* tif, int width, int height, int samples, int bits, int photometric) {
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, samples);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, bits);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, photometric);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
}

void RgbLines(TIFF* tif, int width, int height) {
    std::vector<std::uint8_t> line(width * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const gdi::COLORREF c = TestColour(x, y);
            line[x * 3] = static_cast<std::uint8_t>(gdi::GetRValue(c));
            line[x * 3 + 1] = static_cast<std::uint8_t>(gdi::GetGValue(c));
            line[x * 3 + 2] = static_cast<std::uint8_t>(gdi::GetBValue(c));
        }
        TIFFWriteScanline(tif, line.data(), y, 0);
    }
}

TEST(TiffReader, RgbScanLinesAndTheBottomLeftOrientation) {
    TempFolder folder;
    for (bool bottomLeft : {false, true}) {
        const auto bytes = WriteTiff(folder, [&](TIFF* tif) {
            Tags(tif, 4, 3, 3, 8, PHOTOMETRIC_RGB);
            if (bottomLeft) TIFFSetField(tif, TIFFTAG_ORIENTATION, ORIENTATION_BOTLEFT);
            TIFFSetField(tif, TIFFTAG_XRESOLUTION, 72.9f);
            TIFFSetField(tif, TIFFTAG_YRESOLUTION, 96.0f);
            RgbLines(tif, 4, 3);
        });
        std::optional<PackedDib> dib;
        ASSERT_EQ(DecodeTiff(bytes, dib), tiffcode::kOk);
        EXPECT_EQ(dib->Header().biBitCount, 24);
        EXPECT_EQ(dib->Header().biXPelsPerMeter, 72);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) {
                EXPECT_EQ(PixelAt(*dib, x, bottomLeft ? 2 - y : y), TestColour(x, y)) << bottomLeft << x << y;
            }
        }
    }
}

TEST(TiffReader, PalettesGreyRampsAndBilevelInversion) {
    TempFolder folder;
    // An 8-bit palette with 16-bit entries is scaled down.
    auto bytes = WriteTiff(folder, [](TIFF* tif) {
        Tags(tif, 2, 1, 1, 8, PHOTOMETRIC_PALETTE);
        std::vector<std::uint16_t> r(256, 0), g(256, 0), b(256, 0);
        r[1] = 65535;
        g[1] = 32896;
        TIFFSetField(tif, TIFFTAG_COLORMAP, r.data(), g.data(), b.data());
        std::uint8_t line[2] = {0, 1};
        TIFFWriteScanline(tif, line, 0, 0);
    });
    std::optional<PackedDib> dib;
    ASSERT_EQ(DecodeTiff(bytes, dib), tiffcode::kOk);
    EXPECT_EQ(dib->Header().biClrUsed, 256u);
    EXPECT_EQ(PixelAt(*dib, 1, 0), gdi::RGB(255, 128, 0));
    // A 4-bit white-is-zero picture: the ramp runs from white down to black.
    bytes = WriteTiff(folder, [](TIFF* tif) {
        Tags(tif, 2, 1, 1, 4, PHOTOMETRIC_MINISWHITE);
        std::uint8_t line[1] = {0x0F};
        TIFFWriteScanline(tif, line, 0, 0);
    });
    ASSERT_EQ(DecodeTiff(bytes, dib), tiffcode::kOk);
    EXPECT_EQ(PixelAt(*dib, 0, 0), gdi::RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(*dib, 1, 0), gdi::RGB(0, 0, 0));
    // A white-is-zero bilevel picture keeps black at 0 and inverts its pixels.
    bytes = WriteTiff(folder, [](TIFF* tif) {
        Tags(tif, 8, 1, 1, 1, PHOTOMETRIC_MINISWHITE);
        std::uint8_t line[1] = {0xF0};
        TIFFWriteScanline(tif, line, 0, 0);
    });
    ASSERT_EQ(DecodeTiff(bytes, dib), tiffcode::kOk);
    EXPECT_EQ(PixelAt(*dib, 0, 0), gdi::RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(*dib, 7, 0), gdi::RGB(255, 255, 255));
    EXPECT_EQ(dib->Colour(1).rgbRed, 255);
}

TEST(TiffReader, CmykTilesAndTheSecondDirectory) {
    TempFolder folder;
    auto bytes = WriteTiff(folder, [](TIFF* tif) {
        Tags(tif, 1, 1, 4, 8, PHOTOMETRIC_SEPARATED);
        std::uint8_t line[4] = {10, 20, 200, 30};
        TIFFWriteScanline(tif, line, 0, 0);
    });
    std::optional<PackedDib> dib;
    ASSERT_EQ(DecodeTiff(bytes, dib), tiffcode::kOk);
    EXPECT_EQ(PixelAt(*dib, 0, 0), gdi::RGB(215, 205, 25));

    // Tiled pictures go through libtiff's RGBA reading.
    bytes = WriteTiff(folder, [](TIFF* tif) {
        Tags(tif, 20, 18, 3, 8, PHOTOMETRIC_RGB);
        TIFFSetField(tif, TIFFTAG_TILEWIDTH, 16);
        TIFFSetField(tif, TIFFTAG_TILELENGTH, 16);
        std::vector<std::uint8_t> tile(16 * 16 * 3);
        for (int ty = 0; ty < 18; ty += 16) {
            for (int tx = 0; tx < 20; tx += 16) {
                for (int y = 0; y < 16; ++y) {
                    for (int x = 0; x < 16; ++x) {
                        std::uint8_t* p = tile.data() + (y * 16 + x) * 3;
                        p[0] = static_cast<std::uint8_t>(tx + x);
                        p[1] = static_cast<std::uint8_t>(ty + y);
                        p[2] = 77;
                    }
                }
                TIFFWriteTile(tif, tile.data(), tx, ty, 0, 0);
            }
        }
    });
    ASSERT_EQ(DecodeTiff(bytes, dib), tiffcode::kOk);
    EXPECT_EQ(PixelAt(*dib, 19, 17), gdi::RGB(19, 17, 77));
    EXPECT_EQ(PixelAt(*dib, 2, 1), gdi::RGB(2, 1, 77));

    // Two directories: the second one is read.
    bytes = WriteTiff(folder, [](TIFF* tif) {
        Tags(tif, 1, 1, 3, 8, PHOTOMETRIC_RGB);
        std::uint8_t first[3] = {1, 2, 3};
        TIFFWriteScanline(tif, first, 0, 0);
        TIFFWriteDirectory(tif);
        Tags(tif, 1, 1, 3, 8, PHOTOMETRIC_RGB);
        std::uint8_t second[3] = {100, 110, 120};
        TIFFWriteScanline(tif, second, 0, 0);
    });
    EXPECT_EQ(CountTiffDirectories(bytes), 2);
    ASSERT_EQ(DecodeTiff(bytes, dib), tiffcode::kOk);
    EXPECT_EQ(PixelAt(*dib, 0, 0), gdi::RGB(100, 110, 120));
}

TEST(TiffReader, RefusalsAreQuietCodes) {
    TempFolder folder;
    std::optional<PackedDib> dib;
    auto bytes = WriteTiff(folder, [](TIFF* tif) {
        Tags(tif, 2, 2, 1, 8, PHOTOMETRIC_MINISBLACK);
        TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_DEFLATE);
        std::uint8_t line[2] = {1, 2};
        TIFFWriteScanline(tif, line, 0, 0);
        TIFFWriteScanline(tif, line, 1, 0);
    });
    EXPECT_EQ(DecodeTiff(bytes, dib), tiffcode::kDeflateUnsupported);
    EXPECT_EQ(DecodeTiff(std::vector<std::uint8_t>{'I', 'I', 42, 0, 8, 0, 0, 0, 1}, dib), tiffcode::kCannotOpen);
    EXPECT_EQ(DecodeTiff(std::vector<std::uint8_t>(100, 0x4D), dib), tiffcode::kCannotOpen);
    // Cut short inside the pixel data.
    bytes = WriteTiff(folder, [](TIFF* tif) {
        Tags(tif, 64, 64, 3, 8, PHOTOMETRIC_RGB);
        TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, 1);
        RgbLines(tif, 64, 64);
    });
    std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + 2000);
    const int code = DecodeTiff(cut, dib);
    EXPECT_TRUE(code == tiffcode::kReadFailure || code == tiffcode::kCannotOpen) << code;
    EXPECT_FALSE(dib);
}

}  // namespace
