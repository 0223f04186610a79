#include "runtime/transitions/effect_table.h"

#include <gtest/gtest.h>

#include "runtime/transitions/transition_settings.h"
#include "script/keyword_table.h"
#include "script/token_kind.h"

namespace transitions {
namespace {

struct EffectCase {
    std::int32_t effect;
    std::int16_t type, direction, cell;
    std::int32_t delayT20, delayT100,
        delayT0;  // delay under TIMING absent, TIMING = 10, TIMING = 0
};

// The whole effect table under the default timing (20), TIMING = 10 (100) and TIMING = 0.
const EffectCase kEffects[] = {
    {Kind::FastIrisOpen, kTypeIris, 1, 2, 0, 0, 0},
    {Kind::FastIrisClose, kTypeIris, 2, 2, 0, 0, 0},
    {Kind::FastWipeDown, kTypeWipe, 8, 2, 0, 0, 0},
    {Kind::FastWipeUp, kTypeWipe, 4, 2, 0, 0, 0},
    {Kind::FastWipeRight, kTypeWipe, 2, 2, 0, 0, 0},
    {Kind::FastWipeLeft, kTypeWipe, 1, 2, 0, 0, 0},
    {Kind::FastBlindHorizontal, kTypeBlinds, 1, 20, 0, 0, 0},
    {Kind::FastBlindVertical, kTypeBlinds, 2, 10, 0, 0, 0},
    {Kind::FastDissolve, kTypeDissolve, 0, 2, 0, 0, 0},
    {Kind::FastSlideDown, kTypeSlide, 8, 4, 0, 0, 0},
    {Kind::FastSlideUp, kTypeSlide, 4, 2, 0, 0, 0},
    {Kind::FastSlideRight, kTypeSlide, 2, 2, 0, 0, 0},
    {Kind::FastSlideLeft, kTypeSlide, 1, 2, 0, 0, 0},
    {Kind::SlowIrisOpen, kTypeIris, 1, 2, 20, 100, 0},
    {Kind::SlowIrisClose, kTypeIris, 2, 2, 20, 100, 0},
    {Kind::SlowWipeDown, kTypeWipe, 8, 2, 20, 100, 0},
    {Kind::SlowWipeUp, kTypeWipe, 4, 2, 20, 100, 0},
    {Kind::SlowWipeRight, kTypeWipe, 2, 2, 20, 100, 0},
    {Kind::SlowWipeLeft, kTypeWipe, 1, 2, 10, 50, 0},
    {Kind::SlowBlindHorizontal, kTypeBlinds, 1, 20, 3, 16, 0},
    {Kind::SlowBlindVertical, kTypeBlinds, 2, 20, 3, 16, 0},
    {Kind::SlowSlideDown, kTypeSlide, 8, 2, 10, 50, 0},
    {Kind::SlowSlideUp, kTypeSlide, 4, 2, 10, 50, 0},
    {Kind::SlowSlideRight, kTypeSlide, 2, 2, 10, 50, 0},
    {Kind::SlowSlideLeft, kTypeSlide, 1, 2, 10, 50, 0},
};

TEST(EffectTable, EveryEffectUnderThreeTimings) {
    for (const EffectCase& c : kEffects) {
        SCOPED_TRACE(c.effect);
        const std::int32_t timings[] = {20, 100, 0};
        const std::int32_t delays[] = {c.delayT20, c.delayT100, c.delayT0};
        for (int t = 0; t < 3; ++t) {
            const auto record = MakeTransitionRecord(c.effect, timings[t]);
            ASSERT_TRUE(record);
            EXPECT_EQ(record->type, c.type);
            EXPECT_EQ(record->direction, c.direction);
            EXPECT_EQ(record->cellWidth, c.cell);
            EXPECT_EQ(record->cellHeight, c.cell);
            EXPECT_EQ(record->step, 1);
            EXPECT_EQ(record->wholeWindow, 0);
            EXPECT_EQ(record->abortFilter, kAbortOnPress);
            EXPECT_EQ(record->delay, delays[t]);
        }
    }
}

TEST(EffectTable, SlowDissolveUsesSinglePixelsWithoutTiming) {
    const auto t20 = MakeTransitionRecord(Kind::SlowDissolve, 20);
    const auto t100 = MakeTransitionRecord(Kind::SlowDissolve, 100);
    const auto t0 = MakeTransitionRecord(Kind::SlowDissolve, 0);
    ASSERT_TRUE(t20 && t100 && t0);
    EXPECT_EQ(t20->type, kTypeDissolve);
    EXPECT_EQ(t20->cellWidth, 2);
    EXPECT_EQ(t20->delay, 0);  // 20 / 25
    EXPECT_EQ(t100->cellWidth, 2);
    EXPECT_EQ(t100->delay, 4);
    EXPECT_EQ(t0->cellWidth, 1);
    EXPECT_EQ(t0->cellHeight, 1);
    EXPECT_EQ(t0->delay, 0);
}

TEST(EffectTable, SlowEffectIsTheSlowSlideDown) {
    const auto kind = KeywordTable::Instance().Find("SLOWEFFECT");
    ASSERT_TRUE(kind);
    EXPECT_EQ(*kind, Kind::SlowSlideDown);
    EXPECT_EQ(MakeTransitionRecord(*kind, 20), MakeTransitionRecord(Kind::SlowSlideDown, 20));
}

TEST(EffectTable, NoneHasNoRecordAndOtherKeywordsDissolve) {
    EXPECT_FALSE(MakeTransitionRecord(Kind::None, 20));
    for (std::int32_t other : {Kind::Effect, Kind::Timing, Kind::Identifier, std::int32_t{99999}}) {
        const auto record = MakeTransitionRecord(other, 100);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->type, kTypeDissolve);
        EXPECT_EQ(record->direction, 0);
        EXPECT_EQ(record->cellWidth, 2);
        EXPECT_EQ(record->delay, 0);
    }
}

TEST(TransitionSettings, TimingAndCopyCostDefaultsAndLimits) {
    EXPECT_EQ(kDefaultTransitionTiming, 20);
    EXPECT_EQ(kNominalBlockCopyCost, std::chrono::microseconds(10));
    const auto oldCost = TransitionCopyCost();
    const auto oldTiming = TransitionTiming();
    SetTransitionCopyCost(std::chrono::nanoseconds(-5));
    EXPECT_EQ(TransitionCopyCost(), std::chrono::nanoseconds::zero());
    SetTransitionTiming(100);
    EXPECT_EQ(TransitionTiming(), 100);
    SetTransitionCopyCost(oldCost);
    SetTransitionTiming(oldTiming);
}

}  // namespace
}  // namespace transitions
