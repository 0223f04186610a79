#include "platform/gdi/gdi.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gdi;

TEST(DeviceContext, HandlesAreUniqueAndFoundOnlyWhileTheContextLives) {
    auto a = CreateCompatibleDC(nullptr);
    auto b = CreateCompatibleDC(a.get());
    EXPECT_GT(a->Handle(), 0);
    EXPECT_NE(a->Handle(), b->Handle());
    EXPECT_EQ(FindDC(a->Handle()), a.get());
    const int gone = b->Handle();
    b.reset();
    EXPECT_EQ(FindDC(gone), nullptr);
    auto c = CreateCompatibleDC(nullptr);
    EXPECT_NE(c->Handle(), gone) << "numbers are never reused";
}

TEST(DeviceContext, FreshMemoryContextMakesMonochromeBitmapsAColourOneMakesColour) {
    auto dc = CreateCompatibleDC(nullptr);
    EXPECT_TRUE(CreateCompatibleBitmap(*dc, 4, 4)->IsMonochrome());
    HBITMAP colour = CreateBitmap(2, 2, 32);
    HBITMAP previous = dc->SelectBitmap(colour);
    ASSERT_TRUE(previous);
    EXPECT_TRUE(previous->IsMonochrome());
    EXPECT_FALSE(CreateCompatibleBitmap(*dc, 4, 4)->IsMonochrome());
    EXPECT_EQ(dc->SelectBitmap(nullptr), nullptr);
    EXPECT_EQ(dc->Target(), colour);
}

TEST(DeviceContext, RefusesImpossibleBitmaps) {
    EXPECT_EQ(CreateBitmap(0, 5, 32), nullptr);
    EXPECT_EQ(CreateBitmap(5, -1, 32), nullptr);
    EXPECT_EQ(CreateBitmap(32767, 32767, 32), nullptr);
    EXPECT_EQ(CreateBitmap(40000, 1, 32), nullptr);
}

TEST(DeviceContext, WindowContextDrawsIntoTheFrontBufferAndReportsTheChange) {
    auto surface = std::make_unique<Surface>(10, 10);
    std::vector<RECT> changes;
    surface->SetRepaintHandler([&](const RECT& r) { changes.push_back(r); });
    auto dc = CreateWindowDC(*surface);
    ASSERT_TRUE(FillRect(*dc, RECT{2, 3, 5, 20}, CreateSolidBrush(RGB(255, 0, 0))));
    EXPECT_EQ(surface->FrontBuffer()->GetPixel(2, 3), RGB(255, 0, 0));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], (RECT{2, 3, 5, 10}));
    surface.reset();
    EXPECT_FALSE(BitBlt(*dc, 0, 0, 1, 1, nullptr, 0, 0, BLACKNESS)) << "the surface is gone";
}

TEST(DeviceContext, ScreenIsTheVisibleSurfacesOverBlack) {
    SetScreenSize(20, 10);
    Surface low(5, 5), high(5, 5), hidden(5, 5);
    low.SetScreenOrigin(POINT{2, 2});
    high.SetScreenOrigin(POINT{4, 2});
    hidden.SetScreenOrigin(POINT{0, 0});
    hidden.SetVisible(false);
    auto lowDc = CreateWindowDC(low), highDc = CreateWindowDC(high), hiddenDc = CreateWindowDC(hidden);
    FillRect(*lowDc, low.ClientRect(), CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(*highDc, high.ClientRect(), CreateSolidBrush(RGB(0, 255, 0)));
    FillRect(*hiddenDc, hidden.ClientRect(), CreateSolidBrush(RGB(0, 0, 255)));
    auto screen = CreateScreenDC();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->Target()->Width(), 20);
    EXPECT_EQ(GetPixel(*screen, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(*screen, 3, 3), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(*screen, 4, 3), RGB(0, 255, 0));
    low.Raise();
    auto again = CreateScreenDC();
    EXPECT_EQ(GetPixel(*again, 4, 3), RGB(255, 0, 0));
    EXPECT_EQ(screen->GetDeviceCaps(HORZRES), 20);
    EXPECT_EQ(screen->GetDeviceCaps(VERTRES), 10);
    EXPECT_EQ(screen->GetDeviceCaps(SIZEPALETTE), 0);
    EXPECT_EQ(screen->GetDeviceCaps(NUMCOLORS), -1);
    SetScreenSize(0, 0);
}

TEST(DeviceContext, SurfaceResizeKeepsTheSharedPixels) {
    Surface s(3, 3);
    auto dc = CreateWindowDC(s);
    FillRect(*dc, s.ClientRect(), CreateSolidBrush(RGB(1, 2, 3)));
    ASSERT_TRUE(s.Resize(5, 2));
    EXPECT_EQ(s.FrontBuffer()->GetPixel(2, 1), RGB(1, 2, 3));
    EXPECT_EQ(s.FrontBuffer()->GetPixel(4, 1), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(*dc, 2, 1), RGB(1, 2, 3)) << "the window DC follows the new buffer";
    EXPECT_FALSE(s.Resize(0, 2));
}

TEST(DeviceContext, PaletteColoursResolveThroughTheSelectedPalette) {
    auto dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(dc->Resolve(0x02123456), 0x00123456u);
    dc->SelectPalette(CreatePalette(0x300, {PALETTEENTRY{1, 2, 3, 0}, PALETTEENTRY{4, 5, 6, 0}}), false);
    EXPECT_EQ(dc->RealizePalette(), 2);
    EXPECT_EQ(dc->Resolve(0x01000001), RGB(4, 5, 6));
    EXPECT_EQ(dc->Resolve(0x01000009), RGB(0, 0, 0));
    EXPECT_EQ(CreatePalette(0x300, {}), nullptr);
    EXPECT_EQ(CreatePalette(0x200, {PALETTEENTRY{}}), nullptr);
}
