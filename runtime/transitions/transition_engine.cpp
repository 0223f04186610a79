#include "runtime/transitions/transition_engine.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "runtime/transitions/transition_run.h"

namespace transitions {

namespace {

// Origins farther out than this cannot bring any pixel of a bitmap onto another one.
constexpr int kMaxOrigin = 1 << 20;

bool KnownType(std::int16_t type) {
    return type == kTypeBlinds || type == kTypeIris || type == kTypeDissolve ||
           type == kTypeSlide || type == kTypeWipe;
}

bool KnownDirection(std::int16_t type, std::int16_t direction) {
    switch (type) {
        case kTypeBlinds:
        case kTypeIris:
            return direction == 1 || direction == 2;
        case kTypeSlide:
        case kTypeWipe:
            return direction == 1 || direction == 2 || direction == 4 || direction == 8;
    }
    return true;  // the dissolve has no direction
}

int RunPattern(TransitionRun& run) {
    switch (run.Record().type) {
        case kTypeBlinds:
            return RunBlinds(run);
        case kTypeIris:
            return RunIris(run);
        case kTypeDissolve:
            return RunDissolve(run);
        case kTypeSlide:
            return RunSlide(run);
        case kTypeWipe:
            return RunWipe(run);
    }
    return kErrBadType;
}

}  // namespace

TransitionPacing DefaultTransitionPacing() {
    TransitionPacing pacing;
    pacing.copyCost = TransitionCopyCost();
    return pacing;
}

int RunTransitionEngine(const gdi::HBITMAP& picture, int srcX, int srcY, int width, int height,
                        TransitionTarget& target, int dstX, int dstY,
                        const TransitionRecord& record) {
    return RunTransitionEngine(picture, srcX, srcY, width, height, target, dstX, dstY, record,
                               DefaultTransitionPacing());
}

int RunTransitionEngine(const gdi::HBITMAP& picture, int srcX, int srcY, int width, int height,
                        TransitionTarget& target, int dstX, int dstY,
                        const TransitionRecord& record, const TransitionPacing& pacing) {
    // Any side below 1 is refused: a zero cell would divide by zero and a zero step never ends.
    if (record.cellWidth < 1 || record.cellHeight < 1 || record.step < 1) return kErrBadCellSize;
    if (!KnownType(record.type)) return kErrBadType;
    if (!KnownDirection(record.type, record.direction)) return kErrBadDirection;
    if (!picture) return kErrCopyFailed;

    if (record.wholeWindow != 0) {
        srcX = srcY = dstX = dstY = 0;
        width = height = -1;
    }
    if (width == -1) width = picture->Width();
    if (height == -1) height = picture->Height();
    if (srcX == -1) srcX = 0;
    if (srcY == -1) srcY = 0;
    if (dstX == -1) dstX = 0;
    if (dstY == -1) dstY = 0;
    // The region never reaches past the picture's size, which bounds the grid (and the dissolve's
    // register) by the largest bitmap; blocks beyond it would copy nothing anyway.
    width = std::min(width, picture->Width());
    height = std::min(height, picture->Height());

    auto far = [](int v) { return std::abs(std::int64_t{v}) > kMaxOrigin; };
    const bool farOut = far(srcX) || far(srcY) || far(dstX) || far(dstY);
    if (width < 1 || height < 1 || farOut) return kTransitionOk;  // nothing to reveal

    TransitionRun run(*picture, srcX, srcY, width, height, target, dstX, dstY, record, pacing);
    if (int rc = RunPattern(run); rc != kTransitionOk) return rc;
    return run.Finish();
}

}  // namespace transitions
