#include "medialib/tga_reader.h"
#include "medialib/tests/image_fixtures.h"

#include <gtest/gtest.h>

namespace {

constexpr int kW = 3;
constexpr int kH = 2;

// Picture colours, multiples of 8 so that 5-5-5 pixels hold them exactly.
gdi::COLORREF Colour(int x, int y) { return gdi::RGB(8 * (x + 1), 8 * (10 + y), 8 * (20 + x + y)); }

std::vector<std::uint8_t> Header(int type, int bits, bool topOrigin, int mapLength = 0, int mapBits = 0,
                                 int mapOrigin = 0) {
    std::vector<std::uint8_t> h(18, 0);
    h[1] = mapLength ? 1 : 0;
    h[2] = static_cast<std::uint8_t>(type);
    Put16(h, 3, mapOrigin);
    Put16(h, 5, mapLength);
    h[7] = static_cast<std::uint8_t>(mapBits);
    Put16(h, 12, kW);
    Put16(h, 14, kH);
    h[16] = static_cast<std::uint8_t>(bits);
    h[17] = topOrigin ? 0x20 : 0;
    return h;
}

void AppendPixel(std::vector<std::uint8_t>& out, gdi::COLORREF c, int bits) {
    const int r = gdi::GetRValue(c), g = gdi::GetGValue(c), b = gdi::GetBValue(c);
    if (bits == 16 || bits == 15) {
        const int v = ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3) | 0x8000;
        out.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
        return;
    }
    out.push_back(static_cast<std::uint8_t>(b));
    out.push_back(static_cast<std::uint8_t>(g));
    out.push_back(static_cast<std::uint8_t>(r));
    if (bits == 32) out.push_back(0x77);
}

// Rows in file order: top first for a top-left origin, bottom first otherwise.
std::vector<gdi::COLORREF> FileOrder(bool topOrigin) {
    std::vector<gdi::COLORREF> out;
    for (int i = 0; i < kH; ++i) {
        const int y = topOrigin ? i : kH - 1 - i;
        for (int x = 0; x < kW; ++x) out.push_back(Colour(x, y));
    }
    return out;
}

std::vector<std::uint8_t> Plain(int bits, bool topOrigin) {
    std::vector<std::uint8_t> file = Header(2, bits, topOrigin);
    for (gdi::COLORREF c : FileOrder(topOrigin)) AppendPixel(file, c, bits);
    return file;
}

void ExpectPicture(const std::vector<std::uint8_t>& file, const char* what) {
    std::optional<PackedDib> dib;
    ASSERT_EQ(DecodeTga(file, dib), tga::kOk) << what;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) EXPECT_EQ(PixelAt(*dib, x, y), Colour(x, y)) << what << " " << x << "," << y;
    }
}

TEST(TgaReader, TrueColourLayoutsAndBothOriginsShowUpright) {
    ExpectPicture(Plain(24, false), "24 bits, bottom-left");
    ExpectPicture(Plain(24, true), "24 bits, top-left");
    ExpectPicture(Plain(32, false), "32 bits");
    ExpectPicture(Plain(16, true), "16 bits");
    ExpectPicture(Plain(15, false), "15 bits");
}

TEST(TgaReader, RunLengthPacketsRunAcrossRowEnds) {
    // Six pixels: a run of two, then a run of two that crosses from the first row into the
    // second, then two literal pixels.
    for (int bits : {24, 16}) {
        const std::vector<gdi::COLORREF> order = FileOrder(true);
        std::vector<std::uint8_t> file = Header(10, bits, true);
        std::vector<gdi::COLORREF> expected = {order[0], order[0], order[2], order[2], order[4], order[5]};
        file.push_back(0x81);
        AppendPixel(file, order[0], bits);
        file.push_back(0x81);
        AppendPixel(file, order[2], bits);
        file.push_back(0x01);
        AppendPixel(file, order[4], bits);
        AppendPixel(file, order[5], bits);
        std::optional<PackedDib> dib;
        ASSERT_EQ(DecodeTga(file, dib), tga::kOk) << bits;
        EXPECT_EQ(Pixels(*dib), expected) << bits;
    }
}

TEST(TgaReader, ColourMapRangeAndGreyRamp) {
    // Two 16-bit map entries at origin 3; pixels use indices 3 and 4.
    std::vector<std::uint8_t> file = Header(1, 8, true, 2, 16, 3);
    AppendPixel(file, gdi::RGB(248, 0, 0), 16);
    AppendPixel(file, gdi::RGB(0, 0, 248), 16);
    for (std::uint8_t i : {3, 4, 3, 4, 4, 3}) file.push_back(i);
    std::optional<PackedDib> dib;
    ASSERT_EQ(DecodeTga(file, dib), tga::kOk);
    EXPECT_EQ(PixelAt(*dib, 0, 0), gdi::RGB(248, 0, 0));
    EXPECT_EQ(PixelAt(*dib, 1, 0), gdi::RGB(0, 0, 248));
    EXPECT_EQ(dib->Header().biBitCount, 8);
    EXPECT_EQ(dib->Header().biClrUsed, 256u);

    // Grey, run-length coded: one run over all six pixels.
    std::vector<std::uint8_t> grey = Header(11, 8, false);
    grey.push_back(0x85);
    grey.push_back(90);
    ASSERT_EQ(DecodeTga(grey, dib), tga::kOk);
    EXPECT_EQ(PixelAt(*dib, 2, 1), gdi::RGB(90, 90, 90));
}

TEST(TgaReader, RefusesUnsupportedHeadersAndShortData) {
    std::optional<PackedDib> dib;
    EXPECT_EQ(DecodeTga(Header(2, 8, false), dib), tga::kUnsupported);
    EXPECT_EQ(DecodeTga(Header(1, 24, false), dib), tga::kUnsupported);
    EXPECT_EQ(DecodeTga(Header(4, 24, false), dib), tga::kUnsupported);
    std::vector<std::uint8_t> plain = Plain(24, false);
    plain.pop_back();
    EXPECT_EQ(DecodeTga(plain, dib), tga::kReadFailure);
    std::vector<std::uint8_t> rle = Header(10, 24, false);
    rle.push_back(0x85);
    rle.push_back(1);
    EXPECT_EQ(DecodeTga(rle, dib), tga::kReadFailure);
    // A huge picture over a few bytes is refused before anything is allocated.
    std::vector<std::uint8_t> huge = Header(10, 24, false);
    Put16(huge, 12, 16000);
    Put16(huge, 14, 16000);
    huge.insert(huge.end(), {0xFF, 1, 2, 3});
    EXPECT_EQ(DecodeTga(huge, dib), tga::kReadFailure);
    EXPECT_EQ(DecodeTga(std::vector<std::uint8_t>(10, 0), dib), tga::kReadFailure);
    EXPECT_FALSE(dib);
}

}  // namespace
