#pragma once

// Showing a picture with an effect: the effect keyword picks the transition record, the engine
// reveals the region on the target, and the region is then copied once more in full, so that the
// picture is complete whether the transition finished, was ended by a press or failed.

#include <cstdint>

#include "platform/gdi/bitmap.h"
#include "runtime/transitions/transition_engine.h"
#include "runtime/transitions/transition_target.h"

namespace transitions {

// Shows the width × height rectangle of picture at (srcX, srcY) at (dstX, dstY) on target with the
// effect (a token kind) under the process-wide transition timing and pacing. A width or height of
// -1 is the picture's own, an origin of -1 counts as 0. NONE copies the region plainly. Returns the
// engine's result (kTransitionOk for NONE); the target is presented before returning.
int StartTransition(TransitionTarget& target, const gdi::HBITMAP& picture, std::int32_t effect,
                    int dstX, int dstY, int srcX, int srcY, int width, int height);
// The same with the given timing (milliseconds) and pacing.
int StartTransition(TransitionTarget& target, const gdi::HBITMAP& picture, std::int32_t effect,
                    int dstX, int dstY, int srcX, int srcY, int width, int height,
                    std::int32_t timing, const TransitionPacing& pacing);

}  // namespace transitions
