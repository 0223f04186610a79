// The view's kind of target: a window DC's front buffer, presented through its repaint handler.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/surface.h"
#include "runtime/transitions/dc_transition_target.h"
#include "runtime/transitions/start_transition.h"
#include "runtime/transitions/tests/pattern_fixture.h"
#include "script/token_kind.h"

namespace transitions::testing {
namespace {

TEST(DCTransitionTarget, RevealsIntoTheFrontBufferAndRepaintsWhatChanged) {
    gdi::Surface surface(30, 20);
    std::vector<gdi::RECT> repaints;
    surface.SetRepaintHandler([&](const gdi::RECT& area) { repaints.push_back(area); });
    gdi::DCPtr dc = gdi::CreateWindowDC(surface);
    DCTransitionTarget target(*dc);
    const gdi::HBITMAP picture = MakeNumberedPicture(16, 12);
    FakeClock clock;
    ASSERT_EQ(StartTransition(target, picture, Kind::FastIrisClose, 10, 5, 0, 0, -1, -1, 20,
                              UnpacedOn(clock)),
              kTransitionOk);
    // One present at the end of the engine, one after the final copy.
    ASSERT_EQ(repaints.size(), 2u);
    EXPECT_EQ(repaints[0], (gdi::RECT{10, 5, 26, 17}));
    EXPECT_EQ(repaints[1], (gdi::RECT{10, 5, 26, 17}));
    const gdi::Bitmap& front = *surface.FrontBuffer();
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) {
            const bool inside = x >= 10 && x < 26 && y >= 5 && y < 17;
            ASSERT_EQ(front.GetPixel(x, y),
                      inside ? picture->GetPixel(x - 10, y - 5) : gdi::RGB(0, 0, 0))
                << x << "," << y;
        }
}

TEST(DCTransitionTarget, ClipsToBothBitmapsAndConvertsForMonochrome) {
    const gdi::HBITMAP picture = MakeNumberedPicture(4, 4);
    picture->SetPixel(1, 1, gdi::RGB(255, 255, 255));
    gdi::HBITMAP mono = gdi::CreateBitmap(3, 3, 1);
    gdi::DCPtr dc = gdi::CreateCompatibleDC(nullptr);
    dc->SelectBitmap(mono);
    DCTransitionTarget target(*dc);
    // Far outside, partly outside, and a colour-to-monochrome copy.
    EXPECT_TRUE(target.CopyBlock(*picture, -2'000'000'000, 0, 0, 0, 4, 4));
    EXPECT_TRUE(target.CopyBlock(*picture, 0, 0, 1, 1, 100, 100));
    target.Present();
    EXPECT_EQ(mono->GetPixel(2, 2), gdi::RGB(255, 255, 255));  // the white source pixel (1, 1)
    EXPECT_EQ(mono->GetPixel(1, 1), gdi::RGB(0, 0, 0));
    EXPECT_EQ(mono->GetPixel(0, 0), gdi::RGB(0, 0, 0));
}

}  // namespace
}  // namespace transitions::testing
