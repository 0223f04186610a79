#include "medialib/bmp_holder.h"
#include "medialib/pcx_format.h"
#include "medialib/pcx_reader.h"
#include "medialib/pcx_writer.h"
#include "medialib/tests/dib_fixtures.h"
#include "medialib/tests/image_fixtures.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A PCX header of width × height with the bits, planes and bytes per line.
std::vector<std::uint8_t> PcxHeader(int width, int height, int bits, int planes, int bytesPerLine, int version = 5) {
    std::vector<std::uint8_t> h(128, 0);
    h[0] = 10;
    h[1] = static_cast<std::uint8_t>(version);
    h[2] = 1;
    h[3] = static_cast<std::uint8_t>(bits);
    Put16(h, 8, width - 1);
    Put16(h, 10, height - 1);
    h[65] = static_cast<std::uint8_t>(planes);
    Put16(h, 66, bytesPerLine);
    return h;
}

std::vector<std::uint8_t> Cat(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<std::uint8_t> GreyPalette256() {
    std::vector<std::uint8_t> p{0x0C};
    for (int i = 0; i < 256; ++i) {
        p.push_back(static_cast<std::uint8_t>(255 - i));
        p.push_back(static_cast<std::uint8_t>(i));
        p.push_back(0);
    }
    return p;
}

// A 4 × 2 eight-bit picture, pixel values 1 2 3 3 / 3 3 4 5.
const std::vector<std::uint8_t> kLinesOwnRuns = {1, 2, 0xC2, 3, 0xC2, 3, 4, 5};
const std::vector<std::uint8_t> kRunAcrossLines = {1, 2, 0xC4, 3, 4, 5};

TEST(PcxReader, RunsCrossingLineEndsDecodeLikeRunsThatDoNot) {
    std::optional<PackedDib> own, across;
    ASSERT_EQ(DecodePcx(Cat(Cat(PcxHeader(4, 2, 8, 1, 4), kLinesOwnRuns), GreyPalette256()), own), pcx::kOk);
    ASSERT_EQ(DecodePcx(Cat(Cat(PcxHeader(4, 2, 8, 1, 4), kRunAcrossLines), GreyPalette256()), across), pcx::kOk);
    EXPECT_EQ(Pixels(*own), Pixels(*across));
    // Bottom-up rows: the second picture row is DIB row 0.
    const auto layout = CheckDib(*across);
    ASSERT_TRUE(layout);
    const std::uint8_t* bits = across->Data() + layout->bitsOffset;
    EXPECT_EQ(std::vector<std::uint8_t>(bits, bits + 4), (std::vector<std::uint8_t>{3, 3, 4, 5}));
    EXPECT_EQ(std::vector<std::uint8_t>(bits + 4, bits + 8), (std::vector<std::uint8_t>{1, 2, 3, 3}));
    EXPECT_EQ(PixelAt(*across, 0, 0), gdi::RGB(254, 1, 0));
}

TEST(PcxReader, PaletteMarkerIsFoundAnywhereInTheSearchRange) {
    for (std::size_t junk : {std::size_t{0}, std::size_t{100}, std::size_t{7423}}) {
        std::vector<std::uint8_t> file = Cat(PcxHeader(4, 2, 8, 1, 4), kLinesOwnRuns);
        file.insert(file.end(), junk, 0x55);
        std::optional<PackedDib> dib;
        ASSERT_EQ(DecodePcx(Cat(file, GreyPalette256()), dib), pcx::kOk) << junk;
        EXPECT_EQ(dib->Colour(1).rgbRed, 254) << junk;
        EXPECT_EQ(dib->Colour(1).rgbGreen, 1) << junk;
    }
    // Past the range there is no file palette; the picture gets a grey ramp.
    std::vector<std::uint8_t> file = Cat(PcxHeader(4, 2, 8, 1, 4), kLinesOwnRuns);
    file.insert(file.end(), 7424, 0x55);
    std::optional<PackedDib> dib;
    ASSERT_EQ(DecodePcx(Cat(file, GreyPalette256()), dib), pcx::kOk);
    EXPECT_EQ(dib->Colour(7).rgbRed, 7);
    EXPECT_EQ(dib->Colour(7).rgbGreen, 7);
}

TEST(PcxReader, FourBitPlanesBecomePackedPixelsWithTheDefaultPalette) {
    // 8 pixels, one line: plane k holds bit k of every pixel. Pixel values 0..7.
    std::vector<std::uint8_t> planes = {0b01010101, 0b00110011, 0b00001111, 0};
    std::vector<std::uint8_t> body;
    for (std::uint8_t b : planes) {
        body.push_back(0xC1);
        body.push_back(b);
    }
    // Version 3: the default 16-colour table.
    std::optional<PackedDib> dib;
    ASSERT_EQ(DecodePcx(Cat(PcxHeader(8, 1, 1, 4, 1, 3), body), dib), pcx::kOk);
    const std::uint8_t* bits = dib->Data() + CheckDib(*dib)->bitsOffset;
    EXPECT_EQ(std::vector<std::uint8_t>(bits, bits + 4), (std::vector<std::uint8_t>{0x01, 0x23, 0x45, 0x67}));
    EXPECT_EQ(PixelAt(*dib, 1, 0), gdi::RGB(0, 0, 0x80));  // index 1: blue 0x80 in the default table
    EXPECT_EQ(PixelAt(*dib, 7, 0), gdi::RGB(0x80, 0x80, 0x80));
}

TEST(PcxReader, TwoColourPaletteFromTheHeaderUnlessBothEntriesAreEqual) {
    std::vector<std::uint8_t> h = PcxHeader(8, 1, 1, 1, 2);
    std::vector<std::uint8_t> body = {0x0F, 0};
    h[16] = 10, h[17] = 20, h[18] = 30, h[19] = 200, h[20] = 210, h[21] = 220;
    std::optional<PackedDib> dib;
    ASSERT_EQ(DecodePcx(Cat(h, body), dib), pcx::kOk);
    EXPECT_EQ(PixelAt(*dib, 0, 0), gdi::RGB(10, 20, 30));
    EXPECT_EQ(PixelAt(*dib, 7, 0), gdi::RGB(200, 210, 220));
    h[19] = 10, h[20] = 20, h[21] = 30;
    ASSERT_EQ(DecodePcx(Cat(h, body), dib), pcx::kOk);
    EXPECT_EQ(PixelAt(*dib, 0, 0), gdi::RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(*dib, 7, 0), gdi::RGB(255, 255, 255));
}

TEST(PcxReader, RefusesBadHeadersAndDataThatEndsEarly) {
    std::optional<PackedDib> dib;
    std::vector<std::uint8_t> bad = PcxHeader(4, 2, 8, 1, 4);
    bad[0] = 11;
    EXPECT_EQ(DecodePcx(Cat(bad, kLinesOwnRuns), dib), pcx::kBadHeader);
    EXPECT_EQ(DecodePcx(Cat(PcxHeader(4, 2, 2, 1, 4), kLinesOwnRuns), dib), pcx::kBadHeader);
    EXPECT_EQ(DecodePcx(Cat(PcxHeader(4, 2, 8, 1, 4), {1, 2, 0xC2}), dib), pcx::kReadFailure);
    EXPECT_EQ(DecodePcx(std::vector<std::uint8_t>(50, 10), dib), pcx::kReadFailure);
    // A header that claims a huge picture over a few bytes allocates nothing and fails.
    EXPECT_EQ(DecodePcx(Cat(PcxHeader(16000, 16000, 8, 1, 16000), {0xFF, 0}), dib), pcx::kReadFailure);
    EXPECT_EQ(DecodePcx(Cat(PcxHeader(20000, 2, 8, 1, 4), kLinesOwnRuns), dib), pcx::kBadHeader);
    EXPECT_FALSE(dib);
}

PackedDib PatternDib(int width, int height, int bits) {
    std::vector<RGBQUAD> colours;
    if (bits <= 8) {
        for (int i = 0; i < (1 << bits); ++i) {
            colours.push_back({static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 3), 0});
        }
    }
    const std::size_t stride = DibStride(width, bits);
    std::vector<std::uint8_t> pixels(stride * height);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>((i * 37 + i / 5) & 0xFF);
    // Long runs too, so that run coding is exercised, including bytes of 0xC0 and more.
    for (std::size_t i = 0; i < std::min<std::size_t>(stride, 70); ++i) pixels[i] = 0xC7;
    return MakeDib(width, height, bits, colours, pixels);
}

TEST(PcxWriter, EveryDepthReadsBackAsWritten) {
    for (int bits : {1, 4, 8, 24}) {
        const PackedDib source = PatternDib(77, 5, bits);
        std::vector<std::uint8_t> file;
        ASSERT_EQ(EncodePcx(source, nullptr, file), pcx::kOk) << bits;
        std::optional<PackedDib> read;
        ASSERT_EQ(DecodePcx(file, read), pcx::kOk) << bits;
        EXPECT_EQ(Pixels(*read), Pixels(source)) << bits;
    }
}

TEST(PcxWriter, Saved256ColourFileIsHeaderLinesMarkerAndPalette) {
    const PackedDib source = PatternDib(10, 3, 8);
    TempFolder folder;
    const std::string path = folder.File("out.pcx");
    ASSERT_EQ(SavePcxFile(path, source, nullptr), pcx::kOk);
    const std::vector<std::uint8_t> file = ReadAll(path);
    // The lines coded by hand: 10 bytes per line (already even), runs never crossing lines.
    std::size_t lines = 0;
    const std::uint8_t* bits = source.Data() + CheckDib(source)->bitsOffset;
    for (int row = 2; row >= 0; --row) {
        const std::uint8_t* line = bits + row * 12;
        for (int i = 0; i < 10;) {
            int run = 1;
            while (i + run < 10 && line[i + run] == line[i] && run < 63) ++run;
            lines += (run > 1 || line[i] >= 0xC0) ? 2 : 1;
            i += run;
        }
    }
    ASSERT_EQ(file.size(), 128 + lines + 1 + 768);
    EXPECT_EQ(file[128 + lines], 0x0C);
    EXPECT_EQ(file[1], 5);
    EXPECT_EQ(file[3], 8);
    EXPECT_EQ(file[65], 1);
    EXPECT_EQ(file[66] | (file[67] << 8), 10);
    EXPECT_EQ(file[68], 1);
    EXPECT_EQ(std::string(file.begin() + 118, file.begin() + 128), "PCXW 2.01 ");
    // Palette entries as red, green, blue.
    EXPECT_EQ(file[128 + lines + 1 + 3 * 2], source.Colour(2).rgbRed);
    EXPECT_EQ(file[128 + lines + 1 + 3 * 2 + 2], source.Colour(2).rgbBlue);
}

TEST(PcxWriter, SixteenColoursGoIntoTheHeaderAsFourPlanes) {
    const PackedDib source = PatternDib(9, 2, 4);
    std::vector<std::uint8_t> file;
    ASSERT_EQ(EncodePcx(source, nullptr, file), pcx::kOk);
    EXPECT_EQ(file[3], 1);
    EXPECT_EQ(file[65], 4);
    EXPECT_EQ(file[66], 2);  // ((1 × 9 + 15) / 16) × 2
    EXPECT_EQ(file[16 + 5 * 3], source.Colour(5).rgbRed);
    EXPECT_NE(file.back(), 0x0C);
}

TEST(PcxWriter, CBmpSavesTrueColourPicturesAsPcxAndLoadsThemBack) {
    gdi::HBITMAP bitmap = gdi::CreateBitmap(6, 4, 32);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) bitmap->SetPixel(x, y, TestColour(x, y));
    }
    CBmp picture;
    picture.Attach(bitmap, nullptr);
    TempFolder folder;
    const std::string path = folder.File("true colour.PCX");
    ASSERT_TRUE(picture.SaveAs(path));
    CBmp loaded;
    ASSERT_TRUE(loaded.Load(path));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) EXPECT_EQ(loaded.Bitmap()->GetPixel(x, y), TestColour(x, y));
    }
    EXPECT_FALSE(loaded.Palette());
}

}  // namespace
