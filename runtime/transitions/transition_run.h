#pragma once

// The working state of one transition, shared by the engine and the five patterns: the region, its
// grid of cells, the block size, the block copy and TransitionStep with the pacing.

#include <chrono>
#include <cstdint>

#include "platform/gdi/bitmap.h"
#include "runtime/transitions/transition_engine.h"

namespace transitions {

class TransitionRun {
public:
    // REQUIRES: the record passed the engine's checks; width and height are at least 1 and lie
    // inside the picture's size.
    TransitionRun(const gdi::Bitmap& picture, int srcX, int srcY, int width, int height,
                  TransitionTarget& target, int dstX, int dstY, const TransitionRecord& record,
                  const TransitionPacing& pacing);

    const TransitionRecord& Record() const { return record_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int CellWidth() const { return record_.cellWidth; }
    int CellHeight() const { return record_.cellHeight; }
    int Columns() const { return columns_; }
    int Rows() const { return rows_; }

    // The current block size; slides and blinds change it while they run.
    int blockWidth;
    int blockHeight;

    // Each copy returns kTransitionOk or kErrCopyFailed. Parts outside the region are left out;
    // a block wholly outside copies nothing and costs nothing.
    // The block at (x, y) of the region, to the same place.
    int CopyBlock(int x, int y) { return CopyBlockFrom(x, y, x, y); }
    // The block at (srcX, srcY) of the region to (dstX, dstY) of the region.
    int CopyBlockFrom(int srcX, int srcY, int dstX, int dstY);
    // The block of the cell in column c, row r.
    int CopyCell(int c, int r) { return CopyBlock(c * CellWidth(), r * CellHeight()); }

    // Called after every step: kErrAborted when the target reports a press (and the record asks
    // for that), otherwise kTransitionOk after the step's delay is scheduled and, when the schedule
    // crosses a display frame, waited for and presented.
    int TransitionStep();
    // After the last step: waits for the rest of the schedule and presents what is not shown yet.
    int Finish();

private:
    int WaitForSchedule();

    const gdi::Bitmap& picture_;
    int srcX_, srcY_, dstX_, dstY_;
    int width_, height_;
    int columns_, rows_;
    TransitionTarget& target_;
    TransitionRecord record_;
    TransitionClock& clock_;
    std::chrono::nanoseconds copyCost_;
    std::chrono::nanoseconds frame_;
    std::chrono::nanoseconds start_;
    std::chrono::nanoseconds scheduled_{0};
    std::chrono::nanoseconds nextFrame_;
    bool unpresented_ = false;
};

// The five patterns. Each returns kTransitionOk, kErrAborted, kErrCopyFailed or, for a direction
// it does not know, kErrBadDirection (checked before anything is copied).
int RunBlinds(TransitionRun& run);
int RunIris(TransitionRun& run);
int RunDissolve(TransitionRun& run);
int RunSlide(TransitionRun& run);
int RunWipe(TransitionRun& run);

}  // namespace transitions
