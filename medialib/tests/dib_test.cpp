#include "medialib/dib.h"
#include "medialib/dib_convert.h"
#include "medialib/dib_file.h"
#include "medialib/last_error.h"
#include "medialib/tests/dib_fixtures.h"

#include <gtest/gtest.h>

using gdi::RGB;

namespace {
const RGBQUAD kBlack{0, 0, 0, 0}, kWhite{255, 255, 255, 0}, kRed{0, 0, 255, 0}, kGreen{0, 255, 0, 0};
}

TEST(Dib, ColourCountComesFromClrUsedOrTheBitCount) {
    struct Case {
        int bits;
        std::uint32_t clrUsed;
        std::uint32_t expected;
    } cases[] = {{1, 0, 2}, {4, 0, 16}, {8, 0, 256}, {16, 0, 0}, {24, 0, 0}, {32, 0, 0}, {8, 5, 5}, {24, 3, 3}};
    for (const Case& c : cases) {
        PackedDib dib = MakeDib(1, 1, c.bits, {}, std::vector<std::uint8_t>(4096, 0), BI_RGB, c.clrUsed);
        EXPECT_EQ(DibColorCount(dib), c.expected) << c.bits << " bits";
        EXPECT_EQ(DibPaletteSize(dib), c.expected * 4);
        EXPECT_EQ(DibBits(dib), dib.Data() + 40 + c.expected * 4);
    }
    EXPECT_EQ(DibColorCount(PackedDib(10)), 0u);
    EXPECT_EQ(DibBits(PackedDib(10)), nullptr);
}

TEST(Dib, TwentyFourBitsWithoutClrUsedHasNoPaletteAndStillDraws) {
    // Rows are bottom-up and padded to 4 bytes: 2 pixels = 6 bytes + 2.
    PackedDib dib = MakeDib(2, 2, 24, {}, {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0});
    EXPECT_EQ(CreateDibPalette(dib), nullptr);
    gdi::HBITMAP bitmap = DibToBitmap(dib, nullptr);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->GetPixel(0, 1), RGB(255, 0, 0));
    EXPECT_EQ(bitmap->GetPixel(1, 1), RGB(0, 255, 0));
    EXPECT_EQ(bitmap->GetPixel(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(bitmap->GetPixel(1, 0), RGB(255, 255, 255));
}

TEST(Dib, PaletteTakesEveryColourTableEntry) {
    PackedDib dib = MakeDib(1, 1, 8, {kBlack, kRed, kGreen}, {2, 0, 0, 0}, BI_RGB, 3);
    gdi::HPALETTE palette = CreateDibPalette(dib);
    ASSERT_TRUE(palette);
    ASSERT_EQ(palette->Size(), 3);
    EXPECT_EQ(palette->Entries()[1], (gdi::PALETTEENTRY{255, 0, 0, 0}));
    EXPECT_EQ(palette->Entries()[2], (gdi::PALETTEENTRY{0, 255, 0, 0}));
    EXPECT_EQ(DibToBitmap(dib, palette)->GetPixel(0, 0), RGB(0, 255, 0));
}

TEST(Dib, EveryDepthAndCodingDecodes) {
    // 1 bit: 0b10100000 → white, black, white.
    auto one = DibToBitmap(MakeDib(3, 1, 1, {kBlack, kWhite}, {0xA0, 0, 0, 0}), nullptr);
    EXPECT_EQ(one->GetPixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(one->GetPixel(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(one->GetPixel(2, 0), RGB(255, 255, 255));
    // 4 bits: high nibble first.
    std::vector<RGBQUAD> sixteen(16, kBlack);
    sixteen[2] = kRed;
    sixteen[3] = kGreen;
    auto four = DibToBitmap(MakeDib(2, 1, 4, sixteen, {0x23, 0, 0, 0}), nullptr);
    EXPECT_EQ(four->GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(four->GetPixel(1, 0), RGB(0, 255, 0));
    // 16 bits, 5-5-5: pure red is 0x7C00.
    auto sixteenBits = DibToBitmap(MakeDib(1, 1, 16, {}, {0x00, 0x7C, 0, 0}), nullptr);
    EXPECT_EQ(sixteenBits->GetPixel(0, 0), RGB(255, 0, 0));
    // 32 bits with 5-6-5 masks after a 40-byte header: 0x07E0 is pure green.
    PackedDib fields(40 + 12 + 4);
    BITMAPINFOHEADER h;
    h.biWidth = 1;
    h.biHeight = 1;
    h.biBitCount = 32;
    h.biCompression = BI_BITFIELDS;
    fields.SetHeader(h);
    const std::uint8_t masks[] = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0, 0xE0, 0x07, 0, 0};
    std::copy(std::begin(masks), std::end(masks), fields.Data() + 40);
    EXPECT_EQ(DibToBitmap(fields, nullptr)->GetPixel(0, 0), RGB(0, 255, 0));
    // A negative height stores the top row first.
    auto topDown = DibToBitmap(MakeDib(1, -2, 24, {}, {0, 0, 255, 0, 0, 255, 0, 0}), nullptr);
    EXPECT_EQ(topDown->GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(topDown->GetPixel(0, 1), RGB(0, 255, 0));
}

TEST(Dib, RunLengthCodedPixelsDecodeAndStayInsideThePicture) {
    // Bottom row: a run of 3 × index 1, then an absolute run of 1, 2, 1; end of line;
    // top row: a delta of (1, 0), a run of 100 × index 2 (cut at the edge); end of picture.
    PackedDib rle8 = MakeDib(4, 2, 8, {kBlack, kRed, kGreen},
                             {3, 1, 0, 3, 1, 2, 1, 0, 0, 0, 0, 2, 1, 0, 100, 2, 0, 1}, BI_RLE8, 3);
    auto bitmap = DibToBitmap(rle8, nullptr);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->GetPixel(0, 1), RGB(255, 0, 0));
    EXPECT_EQ(bitmap->GetPixel(2, 1), RGB(255, 0, 0));
    EXPECT_EQ(bitmap->GetPixel(3, 1), RGB(255, 0, 0));
    EXPECT_EQ(bitmap->GetPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(bitmap->GetPixel(1, 0), RGB(0, 255, 0));
    EXPECT_EQ(bitmap->GetPixel(3, 0), RGB(0, 255, 0));
    // RLE4: a run of 3 alternating 1, 2.
    std::vector<RGBQUAD> sixteen(16, kBlack);
    sixteen[1] = kRed;
    sixteen[2] = kGreen;
    auto four = DibToBitmap(MakeDib(3, 1, 4, sixteen, {3, 0x12, 0, 1}, BI_RLE4), nullptr);
    ASSERT_TRUE(four);
    EXPECT_EQ(four->GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(four->GetPixel(1, 0), RGB(0, 255, 0));
    EXPECT_EQ(four->GetPixel(2, 0), RGB(255, 0, 0));
}

TEST(Dib, BitmapToDibWritesBottomUpRowsWithTheirOwnSize) {
    gdi::HBITMAP bitmap = gdi::CreateBitmap(3, 2, 32);
    bitmap->SetPixel(0, 0, RGB(1, 2, 3));
    bitmap->SetPixel(2, 1, RGB(4, 5, 6));
    auto dib = BitmapToDib(bitmap, nullptr);
    ASSERT_TRUE(dib);
    const BITMAPINFOHEADER h = dib->Header();
    EXPECT_EQ(h.biBitCount, 24);
    EXPECT_EQ(h.biSizeImage, 24u);  // 12-byte rows × 2
    EXPECT_EQ(dib->Size(), 40u + 24u);
    const std::uint8_t* bits = DibBits(*dib);
    EXPECT_EQ(bits[6], 6);  // bottom row, pixel 2: blue, green, red
    EXPECT_EQ(bits[8], 4);
    EXPECT_EQ(bits[12], 3);  // top row, pixel 0
    auto back = DibToBitmap(*dib, nullptr);
    EXPECT_EQ(back->GetPixel(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(back->GetPixel(2, 1), RGB(4, 5, 6));

    gdi::HBITMAP mono = gdi::CreateBitmap(9, 1, 1);
    mono->SetPixel(0, 0, RGB(255, 255, 255));
    mono->SetPixel(8, 0, RGB(255, 255, 255));
    auto monoDib = BitmapToDib(mono, nullptr);
    ASSERT_TRUE(monoDib);
    EXPECT_EQ(monoDib->Header().biBitCount, 1);
    EXPECT_EQ(DibColorCount(*monoDib), 2u);
    EXPECT_EQ(DibBits(*monoDib)[0], 0x80);
    EXPECT_EQ(DibBits(*monoDib)[1], 0x80);
    EXPECT_FALSE(BitmapToDib(nullptr, nullptr));
}

TEST(DibFile, WrittenFilesHaveTheExactHeaderAndReadBackByteForByte) {
    TempFolder folder;
    PackedDib dib = MakeDib(2, 1, 8, {kBlack, kRed, kGreen}, {1, 2, 0, 0}, BI_RGB, 3);
    const std::string path = folder.File("pic.bmp");
    ASSERT_TRUE(WriteDibFile(path, dib));
    const std::vector<std::uint8_t> bytes = ReadAll(path);
    EXPECT_EQ(bytes, FileBytes(dib, 14 + 40 + 12));
    EXPECT_EQ(bytes.size(), dib.Size() + 14);
    auto back = ReadDibFile(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Bytes(), dib.Bytes());
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp~"));

    gdi::HBITMAP bitmap;
    gdi::HPALETTE palette;
    ASSERT_TRUE(LoadDibFileAsBitmap(path, bitmap, palette));
    EXPECT_EQ(palette->Size(), 3);
    EXPECT_EQ(bitmap->GetPixel(1, 0), RGB(0, 255, 0));
}

TEST(DibFile, ReadFailuresSetTheirErrorCodes) {
    TempFolder folder;
    SetLastMediaError(0);
    EXPECT_FALSE(ReadDibFile(folder.File("missing.bmp")));
    EXPECT_EQ(GetLastMediaError(), media_error::kReadFailure);

    WriteAll(folder.File("short.bmp"), {'B', 'M', 0});
    EXPECT_FALSE(ReadDibFile(folder.File("short.bmp")));
    EXPECT_EQ(GetLastMediaError(), media_error::kNotABitmap);

    std::vector<std::uint8_t> gif(64, 0);
    gif[0] = 'G';
    gif[1] = 'I';
    WriteAll(folder.File("other.bmp"), gif);
    SetLastMediaError(0);
    EXPECT_FALSE(ReadDibFile(folder.File("other.bmp")));
    EXPECT_EQ(GetLastMediaError(), media_error::kNotABitmap);

    // A success leaves the cell alone.
    WriteAll(folder.File("good.bmp"), FileBytes(MakeDib(1, 1, 24, {}, {1, 2, 3, 0}), 54));
    EXPECT_TRUE(ReadDibFile(folder.File("good.bmp")));
    EXPECT_EQ(GetLastMediaError(), media_error::kNotABitmap);
}

TEST(DibFile, HostileHeadersAreRefusedBeforeAnyPixelIsTouched) {
    struct Case {
        const char* what;
        int width, height, bits;
        std::uint32_t clrUsed, compression, headerSize;
    } cases[] = {
        {"colour table larger than the block", 1, 1, 8, 0x40000000, BI_RGB, 40},
        {"more than 256 colours", 1, 1, 8, 257, BI_RGB, 40},
        {"rows past the block", 4, 100, 24, 0, BI_RGB, 40},
        {"negative height past the block", 4, -100, 24, 0, BI_RGB, 40},
        {"huge negative height", 1, INT32_MIN, 24, 0, BI_RGB, 40},
        {"huge width", 0x7FFFFFFF, 1, 32, 0, BI_RGB, 40},
        {"zero width", 0, 1, 24, 0, BI_RGB, 40},
        {"zero height", 1, 0, 24, 0, BI_RGB, 40},
        {"zero bits", 1, 1, 0, 0, BI_RGB, 40},
        {"seven bits", 1, 1, 7, 0, BI_RGB, 40},
        {"core header", 1, 1, 24, 0, BI_RGB, 12},
        {"header larger than the block", 1, 1, 24, 0, BI_RGB, 5000},
        {"unknown compression", 1, 1, 24, 0, 9, 40},
        {"RLE8 on 24 bits", 1, 1, 24, 0, BI_RLE8, 40},
        {"top-down RLE", 1, -1, 8, 1, BI_RLE8, 40},
    };
    for (const Case& c : cases) {
        PackedDib dib(40 + 64);
        BITMAPINFOHEADER h;
        h.biSize = c.headerSize;
        h.biWidth = c.width;
        h.biHeight = c.height;
        h.biBitCount = static_cast<std::uint16_t>(c.bits);
        h.biClrUsed = c.clrUsed;
        h.biCompression = c.compression;
        dib.SetHeader(h);
        SetLastMediaError(0);
        const auto bytes = FileBytes(dib, 54);
        EXPECT_FALSE(ReadDibFromBytes(bytes)) << c.what;
        EXPECT_EQ(GetLastMediaError(), media_error::kNotABitmap) << c.what;
        SetLastMediaError(0);
        EXPECT_EQ(DibToBitmap(dib, nullptr), nullptr) << c.what;
        EXPECT_EQ(GetLastMediaError(), media_error::kBitmapCreation) << c.what;
        TempFolder folder;
        EXPECT_FALSE(WriteDibFile(folder.File("x.bmp"), dib)) << c.what;
    }
}

TEST(DibFile, APixelOffsetBeyondTheTableClosesTheGap) {
    PackedDib dib = MakeDib(1, 1, 24, {}, {0, 0, 0, 0, 9, 8, 7, 0});  // 4 bytes of gap, then the row
    auto read = ReadDibFromBytes(FileBytes(dib, 14 + 40 + 4));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Size(), 44u);
    EXPECT_EQ(DibToBitmap(*read, nullptr)->GetPixel(0, 0), RGB(7, 8, 9));
    // An offset that makes no sense is ignored.
    auto ignored = ReadDibFromBytes(FileBytes(dib, 3));
    ASSERT_TRUE(ignored);
    EXPECT_EQ(ignored->Size(), 48u);
}
