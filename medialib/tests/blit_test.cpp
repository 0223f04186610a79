#include "medialib/blit.h"
#include "medialib/mask_bmp.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/tests/picture.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

const COLORREF kKey = RGB(255, 0, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGrey = RGB(128, 128, 128);
const std::map<COLORREF, char> kLegend{
    {kKey, 'k'}, {kRed, 'r'}, {kBlue, 'b'}, {kGrey, 'g'}, {RGB(0, 0, 0), '#'}, {RGB(255, 255, 255), '.'}};

HBITMAP FromText(const std::vector<std::string>& rows) {
    HBITMAP b = CreateBitmap(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), 32);
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            for (const auto& [colour, c] : kLegend)
                if (c == rows[y][x]) b->SetPixel(static_cast<int>(x), static_cast<int>(y), colour);
    return b;
}

struct Canvas {
    explicit Canvas(const std::vector<std::string>& rows) : dc(CreateCompatibleDC(nullptr)), bitmap(FromText(rows)) {
        dc->SelectBitmap(bitmap);
    }
    std::string Text() const { return Picture(bitmap, kLegend); }
    DCPtr dc;
    HBITMAP bitmap;
};

// A sprite whose key colour includes black and white pixels around it, so that the mask
// arithmetic cannot pass by accident.
const std::vector<std::string> kSprite{"krk", "r#.", "kbk"};
const std::vector<std::string> kBackground{"gggg", "gggg", "gggg", "gggg"};
const std::string kSpriteOnBackground =
    "gggg\n"
    "ggrg\n"
    "gr#.\n"
    "ggbg\n";

}  // namespace

TEST(Blit, TransparentDrawLeavesTheKeyColourOutAndTheSourceUnchanged) {
    Canvas target(kBackground);
    target.dc->SetTextColor(kRed);  // the target's colours must not matter
    target.dc->SetBkColor(kBlue);
    HBITMAP sprite = FromText(kSprite);
    const std::string before = Picture(sprite, kLegend);
    ASSERT_TRUE(TransparentDraw(*target.dc, sprite, 1, 1, kKey));
    EXPECT_EQ(target.Text(), kSpriteOnBackground);
    EXPECT_EQ(Picture(sprite, kLegend), before);
    EXPECT_EQ(target.dc->GetTextColor(), kRed);
    EXPECT_EQ(target.dc->GetBkColor(), kBlue);
}

TEST(Blit, TransparentDrawTakesCoordinatesAsSixteenBitValues) {
    Canvas target(kBackground);
    ASSERT_TRUE(TransparentDraw(*target.dc, FromText(kSprite), 65536 + 1, 65536 + 1, kKey));
    EXPECT_EQ(target.Text(), kSpriteOnBackground);
}

TEST(MaskBmp, MaskIsWhiteWhereTheKeyWasAndTheImageBlackThere) {
    CMaskBmp masked;
    HBITMAP sprite = FromText(kSprite);
    ASSERT_TRUE(masked.Build(sprite, nullptr, kKey));
    EXPECT_FALSE(masked.Mask()->IsMonochrome()) << "the mask has the picture's own format";
    EXPECT_EQ(Picture(masked.Mask(), kLegend),
              ".#.\n"
              "###\n"
              ".#.\n");
    EXPECT_EQ(Picture(masked.Image(), kLegend),
              "#r#\n"
              "r#.\n"
              "#b#\n");
    EXPECT_EQ(Picture(sprite, kLegend), "krk\nr#.\nkbk\n");
}

TEST(MaskBmp, DrawAndsTheMaskThenXorsTheImage) {
    CMaskBmp masked;
    ASSERT_TRUE(masked.Build(FromText(kSprite), nullptr, kKey));
    Canvas target(kBackground);
    ASSERT_TRUE(masked.Draw(*target.dc, 0, 0, -1, -1, 1, 1));
    EXPECT_EQ(target.Text(), kSpriteOnBackground);

    HBITMAP onBitmap = FromText(kBackground);
    ASSERT_TRUE(masked.DrawOnBitmap(onBitmap, 1, 0, 2, 3, 0, 0));
    EXPECT_EQ(Picture(onBitmap, kLegend),
              "rggg\n"
              "#.gg\n"
              "bggg\n"
              "gggg\n");
    CMaskBmp empty;
    EXPECT_FALSE(empty.Draw(*target.dc, 0, 0, -1, -1, 0, 0));
}

TEST(Blit, DrawBitmapAtCopiesThePartAndDefaultsToTheWholeBitmap) {
    Canvas target(kBackground);
    HBITMAP sprite = FromText(kSprite);
    ASSERT_TRUE(DrawBitmapAt(*target.dc, sprite, 1, 1, 2, -1, 2, 0));
    EXPECT_EQ(target.Text(),
              "gg#.\n"
              "ggbk\n"
              "gggg\n"
              "gggg\n");
    EXPECT_FALSE(DrawBitmapAt(*target.dc, nullptr, 0, 0, -1, -1, 0, 0));
}

TEST(Blit, ScaledDrawStretchesOrCopiesAndRestoresTheStretchMode) {
    Canvas target(kBackground);
    target.dc->SetStretchBltMode(HALFTONE);
    HBITMAP two = FromText({"rb"});
    ASSERT_TRUE(DrawDibScaled(*target.dc, RECT{0, 0, 4, 2}, two, RECT{0, 0, 2, 1}, nullptr, true));
    ASSERT_TRUE(DrawDibScaled(*target.dc, RECT{1, 3, 3, 4}, two, RECT{0, 0, 2, 1}, nullptr, false));
    EXPECT_EQ(target.Text(),
              "rrbb\n"
              "rrbb\n"
              "gggg\n"
              "grbg\n");
    EXPECT_EQ(target.dc->GetStretchBltMode(), HALFTONE);

    HBITMAP big = FromText(kBackground);
    ASSERT_TRUE(BlitBitmapToBitmap(big, two, 0, 0, -1, -1, 0, 0, SRCCOPY, true));
    EXPECT_EQ(Picture(big, kLegend), "rrbb\nrrbb\nrrbb\nrrbb\n");
}

TEST(Blit, FillRectSolidCoversTheWholeRectangle) {
    Canvas target(kBackground);
    const Pen pen = target.dc->GetPen();
    ASSERT_TRUE(FillRectSolid(*target.dc, RECT{1, 1, 3, 4}, kRed));
    EXPECT_EQ(target.Text(),
              "gggg\n"
              "grrg\n"
              "grrg\n"
              "grrg\n");
    EXPECT_EQ(target.dc->GetPen(), pen);
}
