#include "runtime/transitions/start_transition.h"

#include "runtime/transitions/effect_table.h"
#include "runtime/transitions/transition_settings.h"

namespace transitions {

int StartTransition(TransitionTarget& target, const gdi::HBITMAP& picture, std::int32_t effect,
                    int dstX, int dstY, int srcX, int srcY, int width, int height) {
    return StartTransition(target, picture, effect, dstX, dstY, srcX, srcY, width, height,
                           TransitionTiming(), DefaultTransitionPacing());
}

int StartTransition(TransitionTarget& target, const gdi::HBITMAP& picture, std::int32_t effect,
                    int dstX, int dstY, int srcX, int srcY, int width, int height,
                    std::int32_t timing, const TransitionPacing& pacing) {
    if (!picture) return kErrCopyFailed;
    int result = kTransitionOk;
    if (const auto record = MakeTransitionRecord(effect, timing))
        result = RunTransitionEngine(picture, srcX, srcY, width, height, target, dstX, dstY,
                                     *record, pacing);

    if (width == -1) width = picture->Width();
    if (height == -1) height = picture->Height();
    if (srcX == -1) srcX = 0;
    if (srcY == -1) srcY = 0;
    if (dstX == -1) dstX = 0;
    if (dstY == -1) dstY = 0;
    if (width > 0 && height > 0) {
        if (!target.CopyBlock(*picture, srcX, srcY, dstX, dstY, width, height) &&
            result == kTransitionOk)
            result = kErrCopyFailed;
    }
    target.Present();
    return result;
}

}  // namespace transitions
