#include "tools/rectangle/rectangle_measure.h"

#include <gtest/gtest.h>

namespace {

TEST(RectangleMeasure, MovesAndResizesBeforeReadyAreNotShown) {
    RectangleMeasure measure;
    EXPECT_FALSE(measure.Moved(50, 60));
    EXPECT_FALSE(measure.Resized(300, 200));
    EXPECT_EQ(measure.ClipboardText(), "POSITION = 0, 0  SIZE = 0, 0");

    measure.SetReady(20, 20, 250, 90);
    EXPECT_EQ(measure.ClipboardText(), "POSITION = 20, 20  SIZE = 250, 90");
    EXPECT_TRUE(measure.Moved(24, 43));
    EXPECT_EQ(measure.ClipboardText(), "POSITION = 24, 43  SIZE = 250, 90");
    EXPECT_TRUE(measure.Resized(242, 63));
    EXPECT_EQ(measure.ClipboardText(), "POSITION = 24, 43  SIZE = 242, 63");
}

TEST(RectangleMeasure, TextHoldsNegativeAndLargeValues) {
    RectangleMeasure measure;
    measure.SetReady(-2147483647 - 1, -5, 2147483647, 0);
    EXPECT_EQ(measure.ClipboardText(), "POSITION = -2147483648, -5  SIZE = 2147483647, 0");
}

}  // namespace
