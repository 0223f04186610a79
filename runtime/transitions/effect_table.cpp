#include "runtime/transitions/effect_table.h"

#include <array>

#include "script/token_kind.h"

namespace transitions {

namespace {

// How the step delay follows from T.
enum class Delay { None, T, Half, Sixth, TwentyFifth };

struct Effect {
    std::int32_t kind;
    std::int16_t type;
    std::int16_t direction;
    std::int16_t cell;
    Delay delay;
};

// SLOWEFFECT has no row: the keyword table gives it the token of SLOWSLIDEDOWN.
constexpr std::array kEffects = {
    Effect{Kind::FastIrisOpen, kTypeIris, kIrisOpen, 2, Delay::None},
    Effect{Kind::FastIrisClose, kTypeIris, kIrisClose, 2, Delay::None},
    Effect{Kind::FastWipeDown, kTypeWipe, kDirectionDown, 2, Delay::None},
    Effect{Kind::FastWipeUp, kTypeWipe, kDirectionUp, 2, Delay::None},
    Effect{Kind::FastWipeRight, kTypeWipe, kDirectionRight, 2, Delay::None},
    Effect{Kind::FastWipeLeft, kTypeWipe, kDirectionLeft, 2, Delay::None},
    Effect{Kind::FastBlindHorizontal, kTypeBlinds, kBlindsHorizontal, 20, Delay::None},
    Effect{Kind::FastBlindVertical, kTypeBlinds, kBlindsVertical, 10, Delay::None},
    Effect{Kind::FastDissolve, kTypeDissolve, 0, 2, Delay::None},
    Effect{Kind::FastSlideDown, kTypeSlide, kDirectionDown, 4, Delay::None},
    Effect{Kind::FastSlideUp, kTypeSlide, kDirectionUp, 2, Delay::None},
    Effect{Kind::FastSlideRight, kTypeSlide, kDirectionRight, 2, Delay::None},
    Effect{Kind::FastSlideLeft, kTypeSlide, kDirectionLeft, 2, Delay::None},
    Effect{Kind::SlowIrisOpen, kTypeIris, kIrisOpen, 2, Delay::T},
    Effect{Kind::SlowIrisClose, kTypeIris, kIrisClose, 2, Delay::T},
    Effect{Kind::SlowWipeDown, kTypeWipe, kDirectionDown, 2, Delay::T},
    Effect{Kind::SlowWipeUp, kTypeWipe, kDirectionUp, 2, Delay::T},
    Effect{Kind::SlowWipeRight, kTypeWipe, kDirectionRight, 2, Delay::T},
    Effect{Kind::SlowWipeLeft, kTypeWipe, kDirectionLeft, 2, Delay::Half},
    Effect{Kind::SlowBlindHorizontal, kTypeBlinds, kBlindsHorizontal, 20, Delay::Sixth},
    Effect{Kind::SlowBlindVertical, kTypeBlinds, kBlindsVertical, 20, Delay::Sixth},
    // The cell of SLOWDISSOLVE depends on T as well (below).
    Effect{Kind::SlowDissolve, kTypeDissolve, 0, 2, Delay::TwentyFifth},
    Effect{Kind::SlowSlideDown, kTypeSlide, kDirectionDown, 2, Delay::Half},
    Effect{Kind::SlowSlideUp, kTypeSlide, kDirectionUp, 2, Delay::Half},
    Effect{Kind::SlowSlideRight, kTypeSlide, kDirectionRight, 2, Delay::Half},
    Effect{Kind::SlowSlideLeft, kTypeSlide, kDirectionLeft, 2, Delay::Half},
};

std::int32_t DelayFor(Delay delay, std::int32_t timing) {
    switch (delay) {
        case Delay::None:
            return 0;
        case Delay::T:
            return timing;
        case Delay::Half:
            return timing / 2;
        case Delay::Sixth:
            return timing / 6;
        case Delay::TwentyFifth:
            return timing / 25;
    }
    return 0;
}

}  // namespace

std::optional<TransitionRecord> MakeTransitionRecord(std::int32_t effect, std::int32_t timing) {
    if (effect == Kind::None) return std::nullopt;
    TransitionRecord record;  // the fast dissolve of unknown keywords
    for (const Effect& e : kEffects) {
        if (e.kind != effect) continue;
        record.type = e.type;
        record.direction = e.direction;
        record.cellWidth = record.cellHeight = e.cell;
        record.delay = DelayFor(e.delay, timing);
        if (effect == Kind::SlowDissolve && timing == 0) record.cellWidth = record.cellHeight = 1;
        break;
    }
    return record;
}

}  // namespace transitions
