#include "medialib/builtin_resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every bitmap name that the programs use, in the spellings they use.
std::vector<std::string> NamedBitmaps() {
    std::vector<std::string> names = {
        "BGD.B4",    "THINK.B4",  "<OKN",      "<OKA",      "<SEN",      "<SEA",     "<NEWN",    "<NEWA",
        "<NEWG",     "<MADEWITH", "<TAVRIN",   "<LOGO",     "LOGO",      "<SLIDE",   "<PRESENT", "<Up",
        "<Left",     "<Right",    "<Down",     "<SameS",    "<SameH",    "<SameW",   "<CenterH", "<CenterV",
        "<DistH",    "<DistV",    "<MoveUp",   "<MoveUpP",  "<MoveRight", "<MoveLeft", "<MoveDown", "<ExtendV",
        "<ShrinkV",  "<ExtendH",  "<ShrinkH",  "<Update",   "<Revert",   "=C",       "=T",       "=F",
        "=L",        "=U",        "=D",        "=P",        "=HP",       "=VP",      "=sU",      "=sUH",
        "=sUD"};
    for (const char* code : {"sx", "sn", "sp", "sa", "sr", "sb", "st", "rx", "rn", "rp", "ra", "rr", "rb", "rt",
                             "ox", "on", "op", "oa", "or", "ob", "ot"}) {
        for (const char* state : {"n", "r", "a"}) names.push_back(std::string(code) + state + ".B4");
    }
    return names;
}

TEST(BuiltinArt, EveryNamedBitmapLoads) {
    for (const std::string& name : NamedBitmaps()) {
        EXPECT_NE(LoadBitmapResource(name), nullptr) << name;
    }
}

TEST(BuiltinArt, NamesIgnoreLetterCase) {
    for (const char* name : {"bgd.b4", "Bgd.B4", "<okn", "<moveupp", "=hp", "RNN.b4"}) {
        EXPECT_NE(LoadBitmapResource(name), nullptr) << name;
    }
    EXPECT_EQ(LoadBitmapResource("NOSUCH.B4"), nullptr);
    EXPECT_EQ(LoadBitmapResource(""), nullptr);
}

TEST(BuiltinArt, RoundShapesAreKeyedOnYellowAndSquareOnesOpaque) {
    const auto round = LoadBitmapResource("RNN.B4");
    const auto oval = LoadBitmapResource("ota.B4");
    const auto square = LoadBitmapResource("SNN.B4");
    ASSERT_TRUE(round && oval && square);
    EXPECT_EQ(round->GetPixel(0, 0), gdi::RGB(255, 255, 0));
    EXPECT_EQ(oval->GetPixel(oval->Width() - 1, oval->Height() - 1), gdi::RGB(255, 255, 0));
    EXPECT_NE(round->GetPixel(round->Width() / 2, round->Height() / 2), gdi::RGB(255, 255, 0));
    for (int y = 0; y < square->Height(); ++y) {
        for (int x = 0; x < square->Width(); ++x) ASSERT_NE(square->GetPixel(x, y), gdi::RGB(255, 255, 0));
    }
}

TEST(BuiltinArt, ThinkIsKeyedOnMagenta) {
    const auto think = LoadBitmapResource("THINK.B4");
    ASSERT_TRUE(think);
    EXPECT_EQ(think->GetPixel(0, 0), gdi::RGB(255, 0, 255));
}

TEST(BuiltinArt, HandCursorAndProgramIcons) {
    const auto hand = LoadCursorResource("HAND");
    ASSERT_TRUE(hand);
    EXPECT_EQ(hand->image.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(hand->image.pixel(0, 0)), 0);
    EXPECT_GT(qAlpha(hand->image.pixel(hand->hotspot.x, hand->hotspot.y + 2)), 0);
    for (const char* name : {"Vistrel", "Tavrin", "TavrinEd", "Reelcraft", "Rectangle", "Launcher"}) {
        EXPECT_FALSE(LoadIconResource(name).isNull()) << name;
    }
}

}  // namespace
