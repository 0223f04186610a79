#include "medialib/bmp_holder.h"
#include "medialib/dib_file.h"
#include "medialib/image_file_hooks.h"
#include "medialib/screen_capture.h"
#include "medialib/tests/dib_fixtures.h"
#include "platform/gdi/gdi.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

HBITMAP Solid(int w, int h, COLORREF c) {
    HBITMAP b = CreateBitmap(w, h, 32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b->SetPixel(x, y, c);
    return b;
}

// The rectangle covered by pixels of the colour.
RECT Covered(const HBITMAP& b, COLORREF c) {
    RECT r{b->Width(), b->Height(), -1, -1};
    for (int y = 0; y < b->Height(); ++y)
        for (int x = 0; x < b->Width(); ++x)
            if (b->GetPixel(x, y) == c) r = RECT{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
    return r;
}

struct ScreenSize {
    ScreenSize(int w, int h) { SetScreenSize(w, h); }
    ~ScreenSize() {
        SetScreenSize(0, 0);
        SetScreenPaletteSize(0);
    }
};

}  // namespace

TEST(CBmp, DrawCentredAddsOneOnBothAxesAndDoesNotClipALargerPicture) {
    struct Case {
        int w, h;
        RECT rect;
        RECT expected;
    } cases[] = {
        {4, 2, RECT{0, 0, 10, 10}, RECT{4, 5, 8, 7}},
        {3, 3, RECT{2, 2, 8, 9}, RECT{4, 5, 7, 8}},
        {14, 12, RECT{2, 2, 8, 8}, RECT{0, 0, 13, 12}},  // x = -4 + 2 + 1 = -1, y = -3 + 2 + 1 = 0
    };
    for (const Case& c : cases) {
        CBmp bmp;
        bmp.Attach(Solid(c.w, c.h, RGB(255, 0, 0)), nullptr);
        auto dc = CreateCompatibleDC(nullptr);
        HBITMAP target = Solid(16, 16, RGB(0, 0, 0));
        dc->SelectBitmap(target);
        ASSERT_TRUE(bmp.DrawCentred(*dc, c.rect));
        EXPECT_EQ(Covered(target, RGB(255, 0, 0)), c.expected) << c.w << "x" << c.h;
    }
    CBmp empty;
    auto dc = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(empty.DrawCentred(*dc, RECT{0, 0, 5, 5}));
}

TEST(CBmp, DrawRealisesThePaletteAndRestoresThePreviousOne) {
    CBmp bmp;
    HPALETTE palette = CreatePalette(0x300, {PALETTEENTRY{1, 2, 3, 0}});
    bmp.Attach(Solid(2, 2, RGB(0, 255, 0)), palette);
    auto dc = CreateCompatibleDC(nullptr);
    HBITMAP target = Solid(4, 4, RGB(0, 0, 0));
    dc->SelectBitmap(target);
    ASSERT_TRUE(bmp.Draw(*dc, 0, 0, -1, -1, 1, 1, true));
    EXPECT_EQ(dc->GetPalette(), nullptr);
    EXPECT_EQ(Covered(target, RGB(0, 255, 0)), (RECT{1, 1, 3, 3}));
}

TEST(CBmp, TileWindowFillsTheClientAreaCuttingTheLastColumnAndRow) {
    Surface window(7, 5);
    CBmp tile;
    HBITMAP picture = Solid(3, 2, RGB(0, 0, 255));
    picture->SetPixel(0, 0, RGB(255, 0, 0));
    tile.Attach(picture, nullptr);
    ASSERT_TRUE(tile.TileWindow(window));
    const HBITMAP front = window.FrontBuffer();
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(front->GetPixel(x, y), (x % 3 == 0 && y % 2 == 0) ? RGB(255, 0, 0) : RGB(0, 0, 255)) << x << "," << y;
}

TEST(CBmp, CopyFromDuplicatesBitmapAndPalette) {
    CBmp source;
    source.Attach(Solid(2, 2, RGB(9, 9, 9)), CreatePalette(0x300, {PALETTEENTRY{1, 2, 3, PC_EXPLICIT}}));
    CBmp copy;
    ASSERT_TRUE(copy.CopyFrom(source));
    EXPECT_NE(copy.Bitmap(), source.Bitmap());
    EXPECT_NE(copy.Palette(), source.Palette());
    EXPECT_EQ(copy.Palette()->Entries(), source.Palette()->Entries());
    source.Bitmap()->SetPixel(0, 0, RGB(1, 1, 1));
    EXPECT_EQ(copy.Bitmap()->GetPixel(0, 0), RGB(9, 9, 9));
    CBmp empty;
    EXPECT_FALSE(copy.CopyFrom(empty));
    EXPECT_TRUE(copy.IsEmpty());
}

TEST(ScreenCapture, CopyScreenRectClipsToTheScreenAndRefusesEmptyRectangles) {
    ScreenSize screen(30, 20);
    Surface window(10, 10);
    window.SetScreenOrigin(POINT{25, 15});
    auto dc = CreateWindowDC(window);
    FillRect(*dc, window.ClientRect(), CreateSolidBrush(RGB(255, 0, 0)));
    HBITMAP grab = CopyScreenRect(RECT{20, 10, 40, 40});
    ASSERT_TRUE(grab);
    EXPECT_EQ(grab->Width(), 10);
    EXPECT_EQ(grab->Height(), 10);
    EXPECT_EQ(grab->GetPixel(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(grab->GetPixel(4, 4), RGB(0, 0, 0));
    EXPECT_EQ(CopyScreenRect(RECT{5, 5, 5, 9}), nullptr);
    EXPECT_EQ(CopyScreenRect(RECT{-9, -9, -1, -1}), nullptr);
}

TEST(CBmp, GrabWindowAreaReadsTheScreenAtTheWindowsPosition) {
    ScreenSize screen(40, 30);
    Surface window(8, 6);
    window.SetScreenOrigin(POINT{10, 5});
    auto dc = CreateWindowDC(window);
    FillRect(*dc, window.ClientRect(), CreateSolidBrush(RGB(0, 0, 255)));
    FillRect(*dc, RECT{2, 1, 3, 2}, CreateSolidBrush(RGB(255, 0, 0)));
    CBmp whole;
    ASSERT_TRUE(whole.GrabWindowArea(window, 5, 5, -1, 0));
    EXPECT_EQ(whole.Bitmap()->Width(), 8);
    EXPECT_EQ(whole.Bitmap()->GetPixel(2, 1), RGB(255, 0, 0));
    EXPECT_EQ(whole.Palette(), nullptr) << "a true-colour screen has no palette";
    CBmp part;
    SetScreenPaletteSize(20);
    ASSERT_TRUE(part.GrabWindowArea(window, 2, 1, 3, 2));
    EXPECT_EQ(part.Bitmap()->Width(), 3);
    EXPECT_EQ(part.Bitmap()->GetPixel(0, 0), RGB(255, 0, 0));
    ASSERT_TRUE(part.Palette());
    EXPECT_EQ(part.Palette()->Size(), 20);
    EXPECT_EQ(part.Palette()->Entries()[19], (PALETTEENTRY{19, 0, 0, PC_EXPLICIT}));
}

TEST(ScreenCapture, SystemPaletteHoldsExplicitIndices) {
    ScreenSize screen(10, 10);
    EXPECT_EQ(GetSystemPaletteCopy(), nullptr);
    SetScreenPaletteSize(300);
    HPALETTE palette = GetSystemPaletteCopy();
    ASSERT_TRUE(palette);
    ASSERT_EQ(palette->Size(), 300);
    EXPECT_EQ(palette->Entries()[258], (PALETTEENTRY{2, 1, 0, PC_EXPLICIT}));
    EXPECT_EQ(CopyPalette(palette)->Entries(), palette->Entries());
    EXPECT_EQ(CopyPalette(nullptr), nullptr);
}

TEST(CBmp, SaveAsWritesBmpRefusesOtherExtensionsAndLoadReadsItBack) {
    TempFolder folder;
    CBmp bmp;
    bmp.Attach(Solid(3, 2, RGB(10, 20, 30)), nullptr);
    for (const char* name : {"a.png", "a.jpg", "a", "a.bmp.txt"}) {  // PCX is saved by the PCX writer
        EXPECT_FALSE(bmp.SaveAs(folder.File(name))) << name;
        EXPECT_FALSE(std::filesystem::exists(folder.File(name))) << name;
    }
    ASSERT_TRUE(bmp.SaveAs(folder.File("a.Bmp")));
    const auto bytes = ReadAll(folder.File("a.Bmp"));
    ASSERT_EQ(bytes.size(), 14u + 40u + 2u * 12u);
    EXPECT_EQ(bytes[10], 54);
    CBmp loaded;
    ASSERT_TRUE(loaded.Load(folder.File("a.Bmp")));
    int w = 0, h = 0;
    ASSERT_TRUE(loaded.GetSize(w, h));
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(loaded.Bitmap()->GetPixel(2, 1), RGB(10, 20, 30));
    EXPECT_FALSE(loaded.Load(folder.File("a.gif")));
    EXPECT_TRUE(loaded.IsEmpty());
    CBmp empty;
    EXPECT_FALSE(empty.SaveAs(folder.File("e.bmp")));
}

TEST(CBmp, InstalledHooksTakeOverLoadingAndPcxWriting) {
    std::string asked;
    ImageFileLoader previous = SetImageFileLoader([&](const std::string& name, HBITMAP& b, HPALETTE& p) {
        asked = name;
        b = Solid(1, 1, RGB(1, 1, 1));
        p = nullptr;
        return true;
    });
    PcxFileWriter previousWriter =
        SetPcxFileWriter([&](const std::string& path, const HBITMAP&, const HPALETTE&) { return path == "x.PCX"; });
    CBmp bmp;
    EXPECT_TRUE(bmp.Load("RNN.B4"));
    EXPECT_EQ(asked, "RNN.B4");
    EXPECT_TRUE(bmp.SaveAs("x.PCX"));
    SetImageFileLoader(previous);
    SetPcxFileWriter(previousWriter);
    EXPECT_FALSE(bmp.Load("RNN.B4"));
}
