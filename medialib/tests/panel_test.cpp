#include "medialib/panel.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/tests/picture.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace gdi;

namespace {

const COLORREF kFill = RGB(192, 192, 192), kLight = RGB(255, 255, 255), kDark = RGB(128, 128, 128),
               kBack = RGB(0, 0, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0);
const std::map<COLORREF, char> kLegend{{kFill, '-'}, {kLight, 'o'}, {kDark, 'x'}, {kBack, ' '}, {kBlack, '#'}, {kRed, 'r'}};

struct Canvas {
    Canvas(int w, int h) : dc(CreateCompatibleDC(nullptr)), bitmap(CreateBitmap(w, h, 32)) {
        dc->SelectBitmap(bitmap);
        FillRect(*dc, RECT{0, 0, w, h}, CreateSolidBrush(kBack));
    }
    std::string Text() const { return Picture(bitmap, kLegend); }
    DCPtr dc;
    HBITMAP bitmap;
};

PanelDescription Panel(int style) {
    PanelDescription p;
    p.left = 1;
    p.top = 1;
    p.right = 14;
    p.bottom = 10;
    p.style = style;
    p.fill = kFill;
    p.outerLight = kLight;
    p.outerDark = kDark;
    p.innerLight = kDark;
    p.innerDark = kLight;
    p.outerWidth = 2;
    p.gap = 1;
    p.innerWidth = 1;
    return p;
}

QGuiApplication& App() {
    static int argc = 1;
    static char name[] = "medialib_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

}  // namespace

TEST(Panel, BevelDrawsLightTopLeftAndDarkBottomRightSteps) {
    Canvas c(8, 7);
    DrawBevel(*c.dc, 0, 0, 7, 6, kLight, kDark, 2);
    EXPECT_EQ(c.Text(),
              "        \n"
              " ooooox \n"
              " ooooxx \n"
              " oo  xx \n"
              " oxxxxx \n"
              " xxxxxx \n"
              "        \n");
}

struct StyleCase {
    int style;
    bool outline;
    const char* picture;
};

TEST(Panel, EachStyleGivesItsPicture) {
    const StyleCase cases[] = {
        {0, false,
         "                \n"
         " ############## \n"
         " #ooooooooooo## \n"
         " #o############ \n"
         " #o#--------o## \n"
         " #o#--------o## \n"
         " #o#--------o## \n"
         " #o#--------o## \n"
         " #o#ooooooooo## \n"
         " ############## \n"
         " ############## \n"
         "                \n"},
        {1, false,
         "                \n"
         " xxxxxxxxxxxxx- \n"
         " xoooooooooooxo \n"
         " xo----------xo \n"
         " xo----------xo \n"
         " xo----------xo \n"
         " xo----------xo \n"
         " xo----------xo \n"
         " xo----------xo \n"
         " xxxxxxxxxxxxxo \n"
         " -ooooooooooooo \n"
         "                \n"},
        {2, true,
         "                \n"
         " ############## \n"
         " #ooooooooooox# \n"
         " #ooooooooooxx# \n"
         " #oo--------xx# \n"
         " #oo-xxxxxo-xx# \n"
         " #oo-oooooo-xx# \n"
         " #oo--------xx# \n"
         " #oxxxxxxxxxxx# \n"
         " #xxxxxxxxxxxx# \n"
         " ############## \n"
         "                \n"},
        {3, true,
         "                \n"
         " ############## \n"
         " #ooooooooooox# \n"
         " #ooooooooooxx# \n"
         " #oo--------xx# \n"
         " #oo--------xx# \n"
         " #oo--------xx# \n"
         " #oo--------xx# \n"
         " #oxxxxxxxxxxx# \n"
         " #xxxxxxxxxxxx# \n"
         " ############## \n"
         "                \n"},
    };
    for (const StyleCase& c : cases) {
        Canvas canvas(16, 12);
        PanelDescription p = Panel(c.style);
        p.outline = c.outline;
        DrawPanel(*canvas.dc, p);
        EXPECT_EQ(canvas.Text(), c.picture) << "style " << c.style;
    }
}

TEST(Panel, ShadowTextDrawsTheShadowFirstAndRestoresTheDc) {
    App();
    Canvas plain(60, 30), shadowed(60, 30);
    LOGFONT font;
    font.lfHeight = -14;
    font.lfFaceName = "Arial";
    for (Canvas* c : {&plain, &shadowed}) c->dc->SelectFont(font);
    const RECT rect{0, 0, 60, 30};
    DrawShadowText(*plain.dc, "Ok", kRed, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, 0, kLight, 0, 0);
    DrawShadowText(*shadowed.dc, "Ok", kRed, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, 0, kLight, 1, 1);
    EXPECT_EQ(shadowed.dc->GetBkMode(), OPAQUE);
    EXPECT_EQ(shadowed.dc->GetTextColor(), kBlack);
    int red = 0, shadow = 0, plainRed = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            red += shadowed.bitmap->GetPixel(x, y) == kRed;
            shadow += shadowed.bitmap->GetPixel(x, y) == kLight;
            plainRed += plain.bitmap->GetPixel(x, y) == kRed;
            // Every text pixel of the plain drawing is text in the shadowed one too.
            if (plain.bitmap->GetPixel(x, y) == kRed) {
                EXPECT_EQ(shadowed.bitmap->GetPixel(x, y), kRed);
            }
        }
    EXPECT_GT(red, 10);
    EXPECT_EQ(red, plainRed);
    EXPECT_GT(shadow, 0);
}
