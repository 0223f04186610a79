#include "platform/gdi/gdi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gdi;

namespace {

struct Pair {
    DCPtr dc;
    HBITMAP bitmap;
};

Pair MemoryBitmap(int w, int h, COLORREF fill, int bits = 32) {
    Pair p{CreateCompatibleDC(nullptr), CreateBitmap(w, h, bits)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.bitmap->SetPixel(x, y, fill);
    p.dc->SelectBitmap(p.bitmap);
    return p;
}

std::string Row(const HBITMAP& b, int y) {
    std::string s;
    for (int x = 0; x < b->Width(); ++x) s += b->GetPixel(x, y) == RGB(0, 0, 0) ? '.' : (b->GetPixel(x, y) == RGB(255, 255, 255) ? 'W' : '#');
    return s;
}

}  // namespace

struct RopCase {
    const char* name;
    std::uint32_t rop;
    COLORREF expected;
};

TEST(RasterOps, EveryOperationCombinesSourcePatternAndDestinationBitwise) {
    const COLORREF s = 0x00F0A050, d = 0x003C66AA, p = 0x00123456;
    const RopCase cases[] = {
        {"SRCCOPY", SRCCOPY, s},
        {"SRCAND", SRCAND, s & d},
        {"SRCINVERT", SRCINVERT, s ^ d},
        {"SRCPAINT", SRCPAINT, s | d},
        {"PATCOPY", PATCOPY, p},
        {"PATINVERT", PATINVERT, p ^ d},
        {"DSTINVERT", DSTINVERT, ~d & 0xFFFFFF},
        {"NOTSRCCOPY", NOTSRCCOPY, ~s & 0xFFFFFF},
        {"MERGECOPY", MERGECOPY, s & p},
        {"SRCERASE", SRCERASE, s & ~d & 0xFFFFFF},
        {"BLACKNESS", BLACKNESS, 0},
        {"WHITENESS", WHITENESS, 0xFFFFFF},
    };
    for (const RopCase& c : cases) {
        Pair src = MemoryBitmap(3, 2, s);
        Pair dst = MemoryBitmap(3, 2, d);
        dst.dc->SelectBrush(CreateSolidBrush(p));
        ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 3, 2, src.dc.get(), 0, 0, c.rop)) << c.name;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) EXPECT_EQ(dst.bitmap->GetPixel(x, y), c.expected) << c.name;
        EXPECT_EQ(dst.bitmap->Image().pixel(0, 0) >> 24, 0xFFu) << c.name << " keeps pixels opaque";
    }
}

TEST(RasterOps, ColourToMonochromeMarksTheSourceBackgroundColourAsWhite) {
    Pair src = MemoryBitmap(4, 1, RGB(1, 2, 3));
    src.bitmap->SetPixel(1, 0, RGB(255, 0, 255));
    src.bitmap->SetPixel(3, 0, RGB(255, 0, 255));
    src.dc->SetBkColor(RGB(255, 0, 255));
    auto maskDc = CreateCompatibleDC(nullptr);
    HBITMAP mask = CreateCompatibleBitmap(*maskDc, 4, 1);
    ASSERT_TRUE(mask->IsMonochrome());
    maskDc->SelectBitmap(mask);
    ASSERT_TRUE(BitBlt(*maskDc, 0, 0, 4, 1, src.dc.get(), 0, 0, SRCCOPY));
    EXPECT_EQ(Row(mask, 0), ".W.W");
}

TEST(RasterOps, MonochromeToColourTakesTextColourForZeroAndBackgroundForOne) {
    Pair mono = MemoryBitmap(3, 1, RGB(0, 0, 0), 1);
    mono.bitmap->SetPixel(1, 0, RGB(255, 255, 255));
    Pair dst = MemoryBitmap(3, 1, RGB(9, 9, 9));
    dst.dc->SetTextColor(RGB(10, 20, 30));
    dst.dc->SetBkColor(RGB(40, 50, 60));
    ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 3, 1, mono.dc.get(), 0, 0, SRCCOPY));
    EXPECT_EQ(dst.bitmap->GetPixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(dst.bitmap->GetPixel(1, 0), RGB(40, 50, 60));
    EXPECT_EQ(dst.bitmap->GetPixel(2, 0), RGB(10, 20, 30));
}

TEST(RasterOps, TransfersAreClippedToBothBitmaps) {
    Pair src = MemoryBitmap(2, 2, RGB(255, 255, 255));
    Pair dst = MemoryBitmap(4, 4, RGB(0, 0, 0));
    // Source origin at -1: only the column that exists is copied, one to the right.
    ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 4, 4, src.dc.get(), -1, 0, SRCCOPY));
    EXPECT_EQ(Row(dst.bitmap, 0), ".WW.");
    EXPECT_EQ(Row(dst.bitmap, 2), "....");
    ASSERT_TRUE(BitBlt(*dst.dc, 3, 3, 5, 5, src.dc.get(), 0, 0, SRCCOPY));
    EXPECT_EQ(Row(dst.bitmap, 3), "...W");
    EXPECT_TRUE(BitBlt(*dst.dc, 100, 100, 5, 5, src.dc.get(), 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(*dst.dc, 0, 0, -5, 5, src.dc.get(), 0, 0, SRCCOPY));
}

TEST(RasterOps, OverlappingCopyWithinOneBitmapReadsTheOriginalPixels) {
    Pair p = MemoryBitmap(5, 1, RGB(0, 0, 0));
    p.bitmap->SetPixel(0, 0, RGB(255, 255, 255));
    p.bitmap->SetPixel(1, 0, RGB(7, 7, 7));
    ASSERT_TRUE(BitBlt(*p.dc, 1, 0, 4, 1, p.dc.get(), 0, 0, SRCCOPY));
    EXPECT_EQ(Row(p.bitmap, 0), "WW#..");
}

TEST(RasterOps, MissingSourceOrTargetFails) {
    Pair dst = MemoryBitmap(2, 2, RGB(0, 0, 0));
    EXPECT_FALSE(BitBlt(*dst.dc, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(*dst.dc, 0, 0, 2, 2, nullptr, 0, 0, PATCOPY));
    EXPECT_FALSE(PatBlt(*dst.dc, 0, 0, 2, 2, SRCCOPY));
}

TEST(RasterOps, StretchSamplesTheNearestSourcePixel) {
    Pair src = MemoryBitmap(2, 1, RGB(0, 0, 0));
    src.bitmap->SetPixel(1, 0, RGB(255, 255, 255));
    Pair dst = MemoryBitmap(6, 2, RGB(9, 9, 9));
    ASSERT_TRUE(StretchBlt(*dst.dc, 0, 0, 6, 2, src.dc.get(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(Row(dst.bitmap, 0), "...WWW");
    EXPECT_EQ(Row(dst.bitmap, 1), "...WWW");

    Pair wide = MemoryBitmap(6, 1, RGB(0, 0, 0));
    for (int x = 3; x < 6; ++x) wide.bitmap->SetPixel(x, 0, RGB(255, 255, 255));
    Pair narrow = MemoryBitmap(2, 1, RGB(9, 9, 9));
    ASSERT_TRUE(StretchBlt(*narrow.dc, 0, 0, 2, 1, wide.dc.get(), 0, 0, 6, 1, SRCCOPY));
    EXPECT_EQ(Row(narrow.bitmap, 0), ".W");

    // A negative destination width mirrors: the row runs leftwards from x = 5.
    Pair mirrored = MemoryBitmap(6, 1, RGB(9, 9, 9));
    ASSERT_TRUE(StretchBlt(*mirrored.dc, 5, 0, -6, 1, src.dc.get(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(Row(mirrored.bitmap, 0), "WWW...");
}

TEST(RasterOps, StretchOfA320PictureTo640DoublesEveryPixel) {
    Pair src = MemoryBitmap(320, 240, RGB(0, 0, 0));
    for (int x = 0; x < 320; ++x) src.bitmap->SetPixel(x, 7, RGB(x % 256, 0, 0));
    Pair dst = MemoryBitmap(640, 480, RGB(0, 0, 0));
    ASSERT_TRUE(StretchBlt(*dst.dc, 0, 0, 640, 480, src.dc.get(), 0, 0, 320, 240, SRCCOPY));
    for (int x = 0; x < 640; ++x) {
        EXPECT_EQ(dst.bitmap->GetPixel(x, 14), RGB((x / 2) % 256, 0, 0));
        EXPECT_EQ(dst.bitmap->GetPixel(x, 15), RGB((x / 2) % 256, 0, 0));
    }
}

TEST(RasterOps, BrushesPaintSolidPatternAndHatch) {
    Pair dst = MemoryBitmap(8, 2, RGB(0, 0, 255));
    Pair pattern = MemoryBitmap(2, 1, RGB(0, 0, 0), 1);
    pattern.bitmap->SetPixel(1, 0, RGB(255, 255, 255));
    dst.dc->SetTextColor(RGB(255, 0, 0));
    dst.dc->SetBkColor(RGB(0, 255, 0));
    ASSERT_TRUE(FillRect(*dst.dc, RECT{1, 0, 5, 1}, CreatePatternBrush(pattern.bitmap)));
    EXPECT_EQ(dst.bitmap->GetPixel(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(dst.bitmap->GetPixel(1, 0), RGB(0, 255, 0));  // pattern aligned to the origin
    EXPECT_EQ(dst.bitmap->GetPixel(2, 0), RGB(255, 0, 0));
    EXPECT_EQ(dst.bitmap->GetPixel(5, 0), RGB(0, 0, 255));

    dst.dc->SetBkMode(TRANSPARENT);
    ASSERT_TRUE(FillRect(*dst.dc, RECT{0, 1, 8, 2}, CreateHatchBrush(HS_VERTICAL, RGB(255, 255, 255))));
    EXPECT_EQ(dst.bitmap->GetPixel(0, 1), RGB(255, 255, 255));
    EXPECT_EQ(dst.bitmap->GetPixel(1, 1), RGB(0, 0, 255));  // the gap keeps the destination
}

TEST(RasterOps, ColourBrushOnAMonochromeBitmapBecomesTheNearerOfBlackAndWhite) {
    Pair mono = MemoryBitmap(2, 1, RGB(0, 0, 0), 1);
    ASSERT_TRUE(FillRect(*mono.dc, RECT{0, 0, 1, 1}, CreateSolidBrush(RGB(200, 200, 200))));
    ASSERT_TRUE(FillRect(*mono.dc, RECT{1, 0, 2, 1}, CreateSolidBrush(RGB(90, 20, 200))));
    EXPECT_EQ(Row(mono.bitmap, 0), "W.");
}
