#include "medialib/number_util.h"
#include "medialib/path_util.h"
#include "medialib/split_at.h"
#include "medialib/tests/dib_fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(FitInside, FitsOnlyWhenTheHeightIsStrictlySmallerOtherwiseScalesByTheTighterSide) {
    struct Case {
        int w, h, maxW, maxH;
        bool fits;
        int outW, outH;
    } cases[] = {
        {100, 50, 100, 50, false, 100, 50},   // equal height does not fit; width branch
        {100, 50, 100, 51, true, 100, 50},
        {200, 100, 100, 100, false, 100, 50},  // width-bound
        {100, 200, 100, 100, false, 50, 100},  // height-bound
        {300, 100, 200, 50, false, 150, 50},
        {0, 10, 5, 5, false, 0, 10},           // no area: left alone instead of dividing by zero
        {10, 0, 5, 5, false, 10, 0},
        {40000, 40000, 30000, 20000, false, 20000, 20000},  // products beyond 32 bits
    };
    for (const Case& c : cases) {
        int w = c.w, h = c.h;
        EXPECT_EQ(FitInside(w, h, c.maxW, c.maxH), c.fits) << c.w << "x" << c.h;
        EXPECT_EQ(w, c.outW) << c.w << "x" << c.h;
        EXPECT_EQ(h, c.outH) << c.w << "x" << c.h;
    }
}

TEST(RandomBetween, StaysInsideTheRangeAndReachesBothEnds) {
    std::srand(7);
    for (int i = 0; i < 200; ++i) EXPECT_EQ(RandomBetween(1, 1), 1);
    bool sawLow = false, sawHigh = false;
    for (int i = 0; i < 20000; ++i) {
        const int v = RandomBetween(1, 4);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 4);
        sawLow |= v == 1;
        sawHigh |= v == 4;
    }
    EXPECT_TRUE(sawLow && sawHigh);
    for (int i = 0; i < 200; ++i) {
        const int v = RandomBetween(-5, 100000);
        ASSERT_GE(v, -5);
        ASSERT_LE(v, 100000);
    }
    EXPECT_EQ(RandomBetween(9, 3), 9);
}

TEST(SplitPath, SplitsDriveDirectoryNameAndExtension) {
    struct Case {
        const char* path;
        const char* parts[4];
    } cases[] = {
        {"C:\\media\\pics\\RNN.B4", {"C:", "\\media\\pics\\", "RNN", "B4"}},
        {"/home/a/pic.tar.bmp", {"", "/home/a/", "pic.tar", "bmp"}},
        {"noext", {"", "", "noext", ""}},
        {"dir.d/file", {"", "dir.d/", "file", ""}},
        {"d:name.", {"d:", "", "name", ""}},
        {"", {"", "", "", ""}},
    };
    for (const Case& c : cases)
        for (int part = 0; part < 4; ++part) EXPECT_EQ(SplitPath(c.path, part), c.parts[part]) << c.path << " " << part;
    EXPECT_EQ(SplitPath("a.b", 7), "");
}

TEST(SplitAt, CutsAtTheFirstSeparator) {
    std::string text = "U:<OKN~D:<OKA~", head = "unchanged";
    EXPECT_TRUE(SplitAt(text, ":", head));
    EXPECT_EQ(head, "U");
    EXPECT_EQ(text, "<OKN~D:<OKA~");
    EXPECT_TRUE(SplitAt(text, "~", head));
    EXPECT_EQ(head, "<OKN");
    EXPECT_EQ(text, "D:<OKA~");
    std::string none = "abc";
    head = "kept";
    EXPECT_FALSE(SplitAt(none, "~", head));
    EXPECT_EQ(head, "kept");
    EXPECT_EQ(none, "abc");
    EXPECT_FALSE(SplitAt(none, "", head));
}

TEST(Paths, ModuleFolderEndsWithASeparatorAndFileExistsQueriesTheFileSystem) {
    const std::string folder = ModuleFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(FileExists(folder));
    TempFolder temp;
    WriteAll(temp.File("x.bmp"), {1});
    EXPECT_TRUE(FileExists(temp.File("x.bmp")));
    std::string backslashed = temp.path.string() + "\\x.bmp";
    EXPECT_TRUE(FileExists(backslashed));
    EXPECT_FALSE(FileExists(temp.File("y.bmp")));
    EXPECT_FALSE(FileExists(""));
}
