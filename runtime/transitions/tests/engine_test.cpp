// The engine's checks, results, pacing and the pictures it leaves, with StartTransition's final
// copy.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/gdi/surface.h"
#include "runtime/transitions/effect_table.h"
#include "runtime/transitions/start_transition.h"
#include "runtime/transitions/tests/pattern_fixture.h"
#include "script/token_kind.h"

namespace transitions::testing {
namespace {

using namespace std::chrono_literals;

std::vector<std::int32_t> AllEffects() {
    std::vector<std::int32_t> effects;
    for (std::int32_t kind = Kind::SlowDissolve; kind <= Kind::FastWipeLeft; ++kind)
        effects.push_back(kind);
    return effects;
}

// The region of source at (sx, sy) sits at (dx, dy) of target, and the rest of target is black.
void ExpectRegionCopied(const gdi::Bitmap& source, const gdi::Bitmap& target, int sx, int sy,
                        int dx, int dy, int width, int height) {
    for (int y = 0; y < target.Height(); ++y)
        for (int x = 0; x < target.Width(); ++x) {
            const bool inside = x >= dx && x < dx + width && y >= dy && y < dy + height;
            const gdi::COLORREF want =
                inside ? source.GetPixel(x - dx + sx, y - dy + sy) : gdi::RGB(0, 0, 0);
            ASSERT_EQ(target.GetPixel(x, y), want) << x << "," << y;
        }
}

struct Canvas {
    gdi::HBITMAP bitmap;
    gdi::DCPtr dc;
    Canvas(int width, int height)
        : bitmap(gdi::CreateBitmap(width, height, 32)), dc(gdi::CreateCompatibleDC(nullptr)) {
        dc->SelectBitmap(bitmap);
    }
};

TEST(TransitionEngine, EveryEffectAloneRevealsTheWholeRegion) {
    // Odd sizes and offsets: partial cells on both edges, nothing copied outside the region.
    const gdi::HBITMAP picture = MakeNumberedPicture(50, 40);
    struct Region {
        int sx, sy, dx, dy, width, height;
    };
    const Region regions[] = {
        {0, 0, 0, 0, 50, 40}, {3, 5, 7, 2, 37, 23}, {10, 9, 0, 0, 1, 1}, {1, 1, 4, 4, 2, 2}};
    for (std::int32_t effect : AllEffects()) {
        for (std::int32_t timing : {20, 0}) {
            for (const Region& r : regions) {
                SCOPED_TRACE(::testing::Message() << "effect " << effect << " timing " << timing
                                                  << " region " << r.width << "x" << r.height);
                FakeClock clock;
                Canvas canvas(60, 50);
                RecordingTarget target(canvas.dc.get());
                TransitionRecord record = *MakeTransitionRecord(effect, timing);
                record.delay = 0;
                ASSERT_EQ(RunTransitionEngine(picture, r.sx, r.sy, r.width, r.height, target, r.dx,
                                              r.dy, record, UnpacedOn(clock)),
                          kTransitionOk);
                ExpectRegionCopied(*picture, *canvas.bitmap, r.sx, r.sy, r.dx, r.dy, r.width,
                                   r.height);
                EXPECT_GE(target.presents, 1);
            }
        }
    }
}

TEST(TransitionEngine, SingleCellRegionShowsItsCellWithEveryPattern) {
    const TransitionRecord records[] = {
        Record(kTypeBlinds, 1, 2), Record(kTypeBlinds, 2, 2),   Record(kTypeIris, 1, 2),
        Record(kTypeIris, 2, 2),   Record(kTypeDissolve, 0, 2), Record(kTypeSlide, 1, 2),
        Record(kTypeSlide, 2, 2),  Record(kTypeSlide, 4, 2),    Record(kTypeSlide, 8, 2),
        Record(kTypeWipe, 1, 2),   Record(kTypeWipe, 2, 2),     Record(kTypeWipe, 4, 2),
        Record(kTypeWipe, 8, 2)};
    for (const TransitionRecord& record : records) {
        SCOPED_TRACE(::testing::Message() << record.type << "/" << record.direction);
        FakeClock clock;
        const gdi::HBITMAP picture = MakeNumberedPicture(2, 2);
        Canvas canvas(2, 2);
        RecordingTarget target(canvas.dc.get());
        ASSERT_EQ(
            RunTransitionEngine(picture, 0, 0, -1, -1, target, 0, 0, record, UnpacedOn(clock)),
            kTransitionOk);
        ExpectRegionCopied(*picture, *canvas.bitmap, 0, 0, 0, 0, 2, 2);
    }
}

TEST(TransitionEngine, RejectsBadRecordsBeforeCopying) {
    struct Case {
        TransitionRecord record;
        int result;
    };
    auto with = [](TransitionRecord r, auto change) {
        change(r);
        return r;
    };
    const Case cases[] = {
        {with(Record(kTypeWipe, 2, 2), [](auto& r) { r.cellWidth = r.cellHeight = r.step = 0; }),
         kErrBadCellSize},
        {with(Record(kTypeWipe, 2, 2), [](auto& r) { r.cellWidth = 0; }), kErrBadCellSize},
        {with(Record(kTypeDissolve, 0, 2), [](auto& r) { r.cellHeight = -3; }), kErrBadCellSize},
        {with(Record(kTypeBlinds, 1, 20), [](auto& r) { r.step = 0; }), kErrBadCellSize},
        {Record(7, 1, 2), kErrBadType},
        {Record(0, 1, 2), kErrBadType},
        {Record(kTypeWipe, 3, 2), kErrBadDirection},
        {Record(kTypeSlide, 0, 2), kErrBadDirection},
        {Record(kTypeIris, 4, 2), kErrBadDirection},
        {Record(kTypeBlinds, 8, 2), kErrBadDirection},
    };
    for (const Case& c : cases) {
        int result = 0;
        const RecordingTarget t = RunRecorded(c.record, 8, 8, &result);
        EXPECT_EQ(result, c.result);
        EXPECT_TRUE(t.copies.empty());
    }
    EXPECT_EQ(static_cast<std::uint16_t>(kErrAborted), 0xF827);
}

TEST(TransitionEngine, NullPictureAndRefusedCopiesFail) {
    FakeClock clock;
    RecordingTarget target;
    EXPECT_EQ(RunTransitionEngine(nullptr, 0, 0, -1, -1, target, 0, 0, Record(kTypeWipe, 2, 2),
                                  UnpacedOn(clock)),
              kErrCopyFailed);
    target.refuseCopies = true;
    EXPECT_EQ(RunTransitionEngine(MakeNumberedPicture(8, 8), 0, 0, -1, -1, target, 0, 0,
                                  Record(kTypeWipe, 2, 2), UnpacedOn(clock)),
              kErrCopyFailed);
    EXPECT_EQ(target.copies.size(), 1u);  // the first refusal ends the transition
    EXPECT_EQ(target.polls, 0);
}

TEST(TransitionEngine, WindowGoneEndsTheTransition) {
    FakeClock clock;
    auto surface = std::make_unique<gdi::Surface>(8, 8);
    gdi::DCPtr dc = gdi::CreateWindowDC(*surface);
    surface.reset();
    DCTransitionTarget target(*dc);
    EXPECT_EQ(RunTransitionEngine(MakeNumberedPicture(8, 8), 0, 0, -1, -1, target, 0, 0,
                                  Record(kTypeIris, 1, 2), UnpacedOn(clock)),
              kErrCopyFailed);
}

TEST(TransitionEngine, EmptyOrFarRegionsCopyNothing) {
    FakeClock clock;
    const gdi::HBITMAP picture = MakeNumberedPicture(8, 8);
    for (auto [w, h, sx] : {std::tuple{0, 8, 0},
                            {8, -5, 0},
                            {8, 8, 2'000'000'000},
                            {8, 8, std::numeric_limits<int>::min()}}) {
        RecordingTarget target;
        EXPECT_EQ(RunTransitionEngine(picture, sx, 0, w, h, target, 0, 0,
                                      Record(kTypeDissolve, 0, 1), UnpacedOn(clock)),
                  kTransitionOk);
        EXPECT_TRUE(target.copies.empty());
    }
}

TEST(TransitionEngine, HugeRegionIsBoundedByThePicture) {
    // A frame far larger than its picture must neither overrun the dissolve table nor take forever.
    int result = -1;
    FakeClock clock;
    RecordingTarget target;
    result = RunTransitionEngine(MakeNumberedPicture(4, 4), 0, 0, 1'000'000'000, 1'000'000'000,
                                 target, 0, 0, Record(kTypeDissolve, 0, 1), UnpacedOn(clock));
    EXPECT_EQ(result, kTransitionOk);
    EXPECT_EQ(target.copies.size(), 16u);
}

TEST(TransitionEngine, AbortFilterOffIgnoresPresses) {
    TransitionRecord record = Record(kTypeWipe, 2, 2);
    record.abortFilter = 0;
    FakeClock clock;
    RecordingTarget target;
    target.abortAtPoll = 1;
    EXPECT_EQ(RunTransitionEngine(MakeNumberedPicture(8, 8), 0, 0, -1, -1, target, 0, 0, record,
                                  UnpacedOn(clock)),
              kTransitionOk);
    EXPECT_EQ(target.polls, 0);
    EXPECT_EQ(target.copies.size(), 16u);
}

TEST(StartTransition, PressDuringAnyEffectShowsTheCompletePicture) {
    const gdi::HBITMAP picture = MakeNumberedPicture(40, 30);
    for (std::int32_t effect : AllEffects()) {
        SCOPED_TRACE(effect);
        FakeClock clock;
        Canvas canvas(48, 36);
        RecordingTarget target(canvas.dc.get());
        target.abortAtPoll = 3;
        EXPECT_EQ(
            StartTransition(target, picture, effect, 4, 3, 0, 0, -1, -1, 20, UnpacedOn(clock)),
            kErrAborted);
        // Nothing after the press but the one full copy.
        ASSERT_GE(target.copies.size(), 1u);
        EXPECT_EQ(target.copies.back(), (RecordedCopy{0, 0, 4, 3, 40, 30, 3}));
        for (size_t i = 0; i + 1 < target.copies.size(); ++i) EXPECT_LT(target.copies[i].step, 3);
        ExpectRegionCopied(*picture, *canvas.bitmap, 0, 0, 4, 3, 40, 30);
        EXPECT_GE(target.presents, 1);
    }
}

TEST(StartTransition, NoneCopiesPlainlyAndFinishedEffectsCopyOnceMore) {
    const gdi::HBITMAP picture = MakeNumberedPicture(20, 10);
    FakeClock clock;
    {
        Canvas canvas(30, 20);
        RecordingTarget target(canvas.dc.get());
        EXPECT_EQ(
            StartTransition(target, picture, Kind::None, 5, 6, 2, 1, 10, 8, 20, UnpacedOn(clock)),
            kTransitionOk);
        ASSERT_EQ(target.copies.size(), 1u);
        EXPECT_EQ(target.copies[0], (RecordedCopy{2, 1, 5, 6, 10, 8, 0}));
        EXPECT_EQ(target.presents, 1);
        ExpectRegionCopied(*picture, *canvas.bitmap, 2, 1, 5, 6, 10, 8);
    }
    {
        RecordingTarget target;
        EXPECT_EQ(StartTransition(target, picture, Kind::FastWipeDown, -1, -1, -1, -1, -1, -1, 20,
                                  UnpacedOn(clock)),
                  kTransitionOk);
        EXPECT_EQ(target.copies.size(), 10u * 5u + 1u);
        EXPECT_EQ(target.copies.back(), (RecordedCopy{0, 0, 0, 0, 20, 10, 5}));
    }
    RecordingTarget target;
    EXPECT_EQ(StartTransition(target, nullptr, Kind::FastWipeDown, 0, 0, 0, 0, -1, -1, 20,
                              UnpacedOn(clock)),
              kErrCopyFailed);
    EXPECT_TRUE(target.copies.empty());
}

TEST(Pacing, FullScreenFastWipeTakesItsNominalTime) {
    FakeClock clock;
    const auto start = clock.now;
    RecordingTarget target;
    TransitionPacing pacing = UnpacedOn(clock);
    pacing.copyCost = kNominalBlockCopyCost;
    ASSERT_EQ(RunTransitionEngine(MakeNumberedPicture(640, 480), 0, 0, -1, -1, target, 0, 0,
                                  *MakeTransitionRecord(Kind::FastWipeRight, 20), pacing),
              kTransitionOk);
    // 76 800 copies of 10 µs; a present for every display frame crossed and one at the end.
    EXPECT_EQ(clock.now - start, 768ms);
    EXPECT_GE(target.presents, 46);
    EXPECT_LE(target.presents, 47);
}

TEST(Pacing, SlowEffectsWaitTheirDelayAfterEveryStep) {
    struct Case {
        std::int32_t effect, timing;
        int width, height;
        std::chrono::milliseconds total;
    };
    const Case cases[] = {
        {Kind::SlowIrisOpen, 20, 8, 8, 3 * 20ms},           // 3 steps of T
        {Kind::SlowBlindHorizontal, 20, 20, 40, 40 * 3ms},  // 20 lines × 2 bands of T / 6
        {Kind::SlowWipeDown, 100, 4, 480, 240 * 100ms},     // 240 rows of T
        {Kind::SlowWipeLeft, 100, 8, 4, 4 * 50ms},          // 4 columns of T / 2
        {Kind::SlowDissolve, 0, 4, 4, 0ms},                 // no delay, 1-pixel cells
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.effect);
        FakeClock clock;
        const auto start = clock.now;
        RecordingTarget target;
        ASSERT_EQ(StartTransition(target, MakeNumberedPicture(c.width, c.height), c.effect, 0, 0, 0,
                                  0, -1, -1, c.timing, UnpacedOn(clock)),
                  kTransitionOk);
        EXPECT_EQ(clock.now - start, c.total);
    }
}

TEST(Pacing, WithoutCostOrDelayNothingWaitsAndOnePresentEnds) {
    FakeClock clock;
    RecordingTarget target;
    ASSERT_EQ(RunTransitionEngine(MakeNumberedPicture(64, 48), 0, 0, -1, -1, target, 0, 0,
                                  Record(kTypeDissolve, 0, 2), UnpacedOn(clock)),
              kTransitionOk);
    EXPECT_EQ(clock.waits, 0);
    EXPECT_EQ(target.presents, 1);
}

TEST(Pacing, PressEndsALongDelayEarly) {
    // TIMING = 100 000 would wait 1000 s per step; the press in the third millisecond ends it.
    FakeClock clock;
    const auto start = clock.now;
    RecordingTarget target;
    target.abortAtPoll = 4;
    EXPECT_EQ(StartTransition(target, MakeNumberedPicture(8, 8), Kind::SlowIrisOpen, 0, 0, 0, 0, -1,
                              -1, 1'000'000, UnpacedOn(clock)),
              kErrAborted);
    EXPECT_EQ(clock.now - start, 3ms);
}

}  // namespace
}  // namespace transitions::testing
