#include "platform/gdi/gdi.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace gdi;

namespace {

QGuiApplication& App() {
    static int argc = 1;
    static char name[] = "gdi_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

struct Canvas {
    Canvas(int w, int h) : dc(CreateCompatibleDC(nullptr)), bitmap(CreateBitmap(w, h, 32)) {
        App();
        dc->SelectBitmap(bitmap);
        FillRect(*dc, RECT{0, 0, w, h}, CreateSolidBrush(RGB(255, 255, 255)));
        dc->SetBkMode(TRANSPARENT);
        LOGFONT font;
        font.lfHeight = -16;
        font.lfFaceName = "Arial";
        dc->SelectFont(font);
    }
    // Bounding box of the non-white pixels.
    RECT Ink() const {
        RECT r{bitmap->Width(), bitmap->Height(), -1, -1};
        for (int y = 0; y < bitmap->Height(); ++y)
            for (int x = 0; x < bitmap->Width(); ++x)
                if (bitmap->GetPixel(x, y) != RGB(255, 255, 255)) {
                    r.left = std::min(r.left, x);
                    r.top = std::min(r.top, y);
                    r.right = std::max(r.right, x + 1);
                    r.bottom = std::max(r.bottom, y + 1);
                }
        return r;
    }
    DCPtr dc;
    HBITMAP bitmap;
};

}  // namespace

TEST(Text, ScriptFacesResolveToTheirMetricCompatibleFonts) {
    App();
    LOGFONT font;
    font.lfHeight = 20;
    font.lfFaceName = "Times New Roman";
    EXPECT_EQ(QFontInfo(FontFromLogFont(font)).family(), "Liberation Serif");
    font.lfFaceName = "Arial";
    font.lfWeight = 700;
    font.lfItalic = 1;
    const QFont arial = FontFromLogFont(font);
    EXPECT_EQ(QFontInfo(arial).family(), "Liberation Sans");
    EXPECT_TRUE(QFontInfo(arial).bold());
    EXPECT_TRUE(QFontInfo(arial).italic());
}

TEST(Text, PositiveHeightIsTheCellHeightNegativeTheCharacterHeight) {
    App();
    for (int h : {10, 16, 20, 33}) {
        LOGFONT font;
        font.lfFaceName = "Times New Roman";
        font.lfHeight = h;
        const int cell = QFontMetrics(FontFromLogFont(font)).height();
        EXPECT_LE(cell, h);
        EXPECT_GE(cell, h - 2) << h;
        font.lfHeight = -h;
        EXPECT_EQ(FontFromLogFont(font).pixelSize(), h);
    }
}

TEST(Text, HorizontalAlignmentPlacesTheLineLeftCentredOrRight) {
    int widths[3] = {};
    RECT inks[3];
    const unsigned formats[3] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    for (int i = 0; i < 3; ++i) {
        Canvas c(200, 30);
        RECT r{10, 0, 190, 30};
        EXPECT_GT(DrawText(*c.dc, "Hello", r, formats[i] | DT_SINGLELINE), 0);
        inks[i] = c.Ink();
        RECT measure{10, 0, 190, 30};
        DrawText(*c.dc, "Hello", measure, DT_CALCRECT | DT_SINGLELINE);
        widths[i] = measure.Width();
    }
    EXPECT_LT(inks[0].left, 14);
    EXPECT_GT(inks[2].right, 185);
    const int centre = (inks[1].left + inks[1].right) / 2;
    EXPECT_NEAR(centre, 100, 3);
    EXPECT_NEAR(inks[2].left - inks[1].left, (180 - widths[2]) / 2, 1);
}

TEST(Text, CalcRectMeasuresWithoutDrawingAndWordBreakWrapsAtTheWidth) {
    Canvas c(300, 200);
    RECT one{5, 7, 300, 200};
    const int h = DrawText(*c.dc, "Hello world", one, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(c.Ink().right, -1) << "nothing drawn";
    EXPECT_EQ(one.left, 5);
    EXPECT_EQ(one.top, 7);
    EXPECT_EQ(one.bottom - one.top, h);
    const int lineHeight = h;

    RECT wrapped{0, 0, one.Width() - 5, 200};
    EXPECT_EQ(DrawText(*c.dc, "Hello world", wrapped, DT_CALCRECT | DT_WORDBREAK), 2 * lineHeight);
    EXPECT_LT(wrapped.Width(), one.Width());

    RECT lines{0, 0, 300, 200};
    EXPECT_EQ(DrawText(*c.dc, "a\r\nb\nc\rd", lines, DT_CALCRECT), 4 * lineHeight);
    RECT single{0, 0, 300, 200};
    EXPECT_EQ(DrawText(*c.dc, "a\r\nb", single, DT_CALCRECT | DT_SINGLELINE), lineHeight);
    RECT empty{3, 4, 300, 200};
    EXPECT_EQ(DrawText(*c.dc, "", empty, DT_CALCRECT), 0);
    EXPECT_EQ(empty, (RECT{3, 4, 3, 4}));
}

TEST(Text, TabsExpandToEightAverageCharacterWidths) {
    Canvas c(400, 40);
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(*c.dc, tm));
    RECT r{0, 0, 400, 40};
    DrawText(*c.dc, "a\tb", r, DT_CALCRECT | DT_EXPANDTABS);
    SIZE b;
    GetTextExtentPoint(*c.dc, "b", b);
    EXPECT_EQ(r.Width(), 8 * tm.tmAveCharWidth + b.cx);
}

TEST(Text, VerticalCentringAndBottomApplyToSingleLines) {
    Canvas c(100, 100);
    RECT r{0, 0, 100, 100};
    TEXTMETRIC tm;
    GetTextMetrics(*c.dc, tm);
    EXPECT_EQ(DrawText(*c.dc, "X", r, DT_SINGLELINE | DT_VCENTER), (100 - tm.tmHeight) / 2 + tm.tmHeight);
    const RECT ink = c.Ink();
    EXPECT_GT(ink.top, 100 / 2 - tm.tmHeight);
    EXPECT_LT(ink.bottom, 100 / 2 + tm.tmHeight);
    Canvas d(100, 100);
    RECT bottom{0, 0, 100, 100};
    EXPECT_EQ(DrawText(*d.dc, "X", bottom, DT_SINGLELINE | DT_BOTTOM), 100);
    EXPECT_GT(d.Ink().top, 100 - tm.tmHeight);
}

TEST(Text, OpaqueModeFillsTheLineAndTextIsClippedToTheRectangle) {
    Canvas c(100, 40);
    c.dc->SetBkMode(OPAQUE);
    c.dc->SetBkColor(RGB(0, 0, 255));
    c.dc->SetTextColor(RGB(255, 0, 0));
    RECT r{10, 5, 30, 40};
    DrawText(*c.dc, "WWWWWWWW", r, DT_LEFT);
    const RECT ink = c.Ink();
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.right, 30);
    EXPECT_EQ(ink.top, 5);
    EXPECT_EQ(c.bitmap->GetPixel(10, 5), RGB(0, 0, 255));
}

TEST(Text, AmpersandUnderlinesTheNextCharacterUnlessNoPrefix) {
    Canvas c(200, 40);
    RECT plain{0, 0, 200, 40}, prefixed{0, 0, 200, 40}, doubled{0, 0, 200, 40};
    DrawText(*c.dc, "Save", plain, DT_CALCRECT);
    DrawText(*c.dc, "&Save", prefixed, DT_CALCRECT);
    DrawText(*c.dc, "&Save", doubled, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(plain.Width(), prefixed.Width());
    EXPECT_GT(doubled.Width(), plain.Width());
}
