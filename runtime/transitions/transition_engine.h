#pragma once

// The cell-based transition engine: reveals a rectangle of a picture on a target block by block in
// one of five patterns (blinds, iris, dissolve, slide, wipe).
//
// Pacing: the engine keeps a schedule in which every block copy costs the pacing's copy cost and
// every step adds the record's delay. Whenever the schedule crosses a display frame, the engine
// waits until the clock has caught up with the schedule and presents the target. With a copy cost
// of 0 only the delays are waited for, and with no delay either nothing is waited for and the
// target is presented once, at the end.

#include <chrono>

#include "platform/gdi/bitmap.h"
#include "runtime/transitions/transition_clock.h"
#include "runtime/transitions/transition_record.h"
#include "runtime/transitions/transition_settings.h"
#include "runtime/transitions/transition_target.h"

namespace transitions {

struct TransitionPacing {
    std::chrono::nanoseconds copyCost{0};
    std::chrono::nanoseconds frameInterval = kTransitionFrameInterval;
    TransitionClock* clock = nullptr;  // null: the steady clock
};

// The process-wide copy cost (transition_settings.h), the display frame and the steady clock.
TransitionPacing DefaultTransitionPacing();

// Reveals the width × height rectangle of picture at (srcX, srcY) at (dstX, dstY) on target.
// A width or height of -1 is the picture's own; an origin of -1 counts as 0. The region never
// extends past the picture. Returns kTransitionOk, or kErrBadCellSize (a cell side or the step
// below 1), kErrBadType, kErrBadDirection, kErrCopyFailed (null picture or a refused copy) or
// kErrAborted (the target reported a press and the record's abort filter is set). Whatever the
// result, the region may be only partly revealed: StartTransition copies it in full afterwards.
int RunTransitionEngine(const gdi::HBITMAP& picture, int srcX, int srcY, int width, int height,
                        TransitionTarget& target, int dstX, int dstY,
                        const TransitionRecord& record);
int RunTransitionEngine(const gdi::HBITMAP& picture, int srcX, int srcY, int width, int height,
                        TransitionTarget& target, int dstX, int dstY,
                        const TransitionRecord& record, const TransitionPacing& pacing);

}  // namespace transitions
