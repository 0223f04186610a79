#include "platform/gdi/gdi.h"
#include "platform/gdi/tests/picture.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kBlack = 0, kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
const std::map<COLORREF, char> kLegend{{kWhite, '.'}, {kBlack, '#'}, {kRed, 'r'}, {kBlue, 'b'}};

struct Canvas {
    explicit Canvas(int w, int h) : dc(CreateCompatibleDC(nullptr)), bitmap(CreateBitmap(w, h, 32)) {
        dc->SelectBitmap(bitmap);
        FillRect(*dc, RECT{0, 0, w, h}, CreateSolidBrush(kWhite));
    }
    std::string Text() const { return Picture(bitmap, kLegend); }
    DCPtr dc;
    HBITMAP bitmap;
};

}  // namespace

TEST(Shapes, LinesLeaveOutTheirEndPoint) {
    Canvas c(6, 4);
    c.dc->SelectPen(CreatePen(PS_SOLID, 1, kBlack));
    MoveToEx(*c.dc, 0, 0);
    LineTo(*c.dc, 4, 0);
    LineTo(*c.dc, 4, 3);
    EXPECT_EQ(c.dc->GetCurrentPosition(), (POINT{4, 3}));
    MoveToEx(*c.dc, 0, 1);
    LineTo(*c.dc, 2, 3);
    EXPECT_EQ(c.Text(),
              "#####.\n"
              "#...#.\n"
              ".#..#.\n"
              "......\n");
}

TEST(Shapes, RectangleOutlinesWithThePenAndFillsInsideWithTheBrush) {
    Canvas c(6, 5);
    c.dc->SelectPen(CreatePen(PS_SOLID, 1, kBlack));
    c.dc->SelectBrush(CreateSolidBrush(kRed));
    ASSERT_TRUE(Rectangle(*c.dc, 1, 1, 5, 5));
    EXPECT_EQ(c.Text(),
              "......\n"
              ".####.\n"
              ".#rr#.\n"
              ".#rr#.\n"
              ".####.\n");
}

TEST(Shapes, RectangleWithANullPenFillsOnePixelLessAtRightAndBottom) {
    Canvas c(5, 4);
    c.dc->SelectPen(NullPen());
    c.dc->SelectBrush(CreateSolidBrush(kBlue));
    Rectangle(*c.dc, 0, 0, 4, 3);
    EXPECT_EQ(c.Text(),
              "bbb..\n"
              "bbb..\n"
              ".....\n"
              ".....\n");
}

TEST(Shapes, WidePensAreCentredOnTheOutlineOrInsideTheFrame) {
    Canvas c(9, 9);
    c.dc->SelectPen(CreatePen(PS_SOLID, 3, kBlack));
    c.dc->SelectBrush(NullBrush());
    Rectangle(*c.dc, 2, 2, 7, 7);
    EXPECT_EQ(c.Text(),
              ".........\n"
              ".#######.\n"
              ".#######.\n"
              ".#######.\n"
              ".###.###.\n"
              ".#######.\n"
              ".#######.\n"
              ".#######.\n"
              ".........\n");
    Canvas inside(7, 7);
    inside.dc->SelectPen(CreatePen(PS_INSIDEFRAME, 2, kBlack));
    inside.dc->SelectBrush(CreateSolidBrush(kRed));
    Rectangle(*inside.dc, 0, 0, 6, 6);
    EXPECT_EQ(inside.Text(),
              "######.\n"
              "######.\n"
              "##rr##.\n"
              "##rr##.\n"
              "######.\n"
              "######.\n"
              ".......\n");
}

TEST(Shapes, FrameRectAndFillRectUseTheBrushWithinTheRectangle) {
    Canvas c(5, 4);
    FrameRect(*c.dc, RECT{0, 0, 4, 4}, CreateSolidBrush(kBlack));
    FillRect(*c.dc, RECT{1, 1, 3, 3}, CreateSolidBrush(kRed));
    EXPECT_EQ(c.Text(),
              "####.\n"
              "#rr#.\n"
              "#rr#.\n"
              "####.\n");
    EXPECT_TRUE(FrameRect(*c.dc, RECT{3, 3, 3, 9}, CreateSolidBrush(kBlue)));
    EXPECT_EQ(c.bitmap->GetPixel(3, 3), kBlack) << "an empty rectangle draws nothing";
}

TEST(Shapes, EllipseStaysInsideItsBoxAndIsSymmetric) {
    Canvas c(12, 10);
    c.dc->SelectPen(CreatePen(PS_SOLID, 1, kBlack));
    c.dc->SelectBrush(CreateSolidBrush(kRed));
    ASSERT_TRUE(Ellipse(*c.dc, 1, 1, 11, 9));
    const std::string text = c.Text();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            const char p = text[static_cast<size_t>(y * 13 + x)];
            if (x == 0 || y == 0 || x == 11 || y == 9) {
                EXPECT_EQ(p, '.') << x << "," << y;
            }
            EXPECT_EQ(p, text[static_cast<size_t>(y * 13 + (11 - x))]) << "mirror " << x << "," << y;
        }
    EXPECT_EQ(c.bitmap->GetPixel(6, 5), kRed);
    EXPECT_EQ(c.bitmap->GetPixel(1, 5), kBlack);
    EXPECT_EQ(c.bitmap->GetPixel(10, 5), kBlack);
}

TEST(Shapes, DottedPenFillsGapsWithTheBackgroundWhenOpaque) {
    Canvas c(8, 2);
    c.dc->SelectPen(CreatePen(PS_DOT, 1, kBlack));
    c.dc->SetBkColor(kRed);
    MoveToEx(*c.dc, 0, 0);
    LineTo(*c.dc, 8, 0);
    c.dc->SetBkMode(TRANSPARENT);
    MoveToEx(*c.dc, 0, 1);
    LineTo(*c.dc, 8, 1);
    EXPECT_EQ(c.Text(),
              "###rrr##\n"
              "###...##\n");
}

TEST(Shapes, PixelsOutsideTheTargetAreRefused) {
    Canvas c(2, 2);
    EXPECT_EQ(SetPixel(*c.dc, 1, 1, kRed), kWhite);
    EXPECT_EQ(GetPixel(*c.dc, 1, 1), kRed);
    EXPECT_EQ(SetPixel(*c.dc, 2, 0, kRed), kClrInvalid);
    EXPECT_EQ(GetPixel(*c.dc, -1, 0), kClrInvalid);
}
