#include "medialib/ui/dialog_units.h"
#include "medialib/ui/tests/test_support.h"

TEST(DialogUnits, FourthsOfTheAverageWidthAndEighthsOfTheHeight) {
    App();
    const gdi::SIZE base = DialogBaseUnits();
    // An 11-pixel sans serif: a few pixels per character, a line of about a dozen.
    EXPECT_GE(base.cx, 4);
    EXPECT_LE(base.cx, 9);
    EXPECT_GE(base.cy, 11);
    EXPECT_LE(base.cy, 18);
    EXPECT_EQ(DialogUnitsToPixels(4, 8, 40, 16), (gdi::RECT{base.cx, base.cy, 11 * base.cx, 3 * base.cy}));
    // Halves round away from zero.
    const gdi::RECT half = MapDialogRect({2, 4, 0, 0});
    EXPECT_EQ(half.left, (2 * base.cx + 2) / 4);
    EXPECT_EQ(half.top, (4 * base.cy + 4) / 8);
    gdi::LOGFONT larger = DialogFont();
    larger.lfHeight = -22;
    EXPECT_GT(DialogBaseUnits(larger).cy, base.cy);
}
