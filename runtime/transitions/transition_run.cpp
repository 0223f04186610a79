#include "runtime/transitions/transition_run.h"

#include <algorithm>

namespace transitions {

namespace {

// The engine polls for a press at least this often while it waits for its schedule.
constexpr std::chrono::nanoseconds kWaitSlice = std::chrono::milliseconds(1);

// Cuts [src, src + length) and [dst, dst + length) to [0, limit) together; false when nothing is
// left. Wide arithmetic, since cells outside the grid can lie far away.
bool ClipSpan(std::int64_t& src, std::int64_t& dst, std::int64_t& length, std::int64_t limit) {
    const std::int64_t cut = std::max<std::int64_t>({0, -src, -dst});
    src += cut;
    dst += cut;
    length -= cut;
    length = std::min({length, limit - src, limit - dst});
    return length > 0;
}

}  // namespace

TransitionRun::TransitionRun(const gdi::Bitmap& picture, int srcX, int srcY, int width, int height,
                             TransitionTarget& target, int dstX, int dstY,
                             const TransitionRecord& record, const TransitionPacing& pacing)
    : blockWidth(std::min<int>(record.cellWidth, width)),
      blockHeight(std::min<int>(record.cellHeight, height)),
      picture_(picture),
      srcX_(srcX),
      srcY_(srcY),
      dstX_(dstX),
      dstY_(dstY),
      width_(width),
      height_(height),
      columns_((width + record.cellWidth - 1) / record.cellWidth),
      rows_((height + record.cellHeight - 1) / record.cellHeight),
      target_(target),
      record_(record),
      clock_(pacing.clock ? *pacing.clock : SteadyTransitionClock()),
      copyCost_(std::max(pacing.copyCost, std::chrono::nanoseconds::zero())),
      frame_(std::max(pacing.frameInterval, std::chrono::nanoseconds(1))),
      start_(clock_.Now()),
      nextFrame_(frame_) {}

int TransitionRun::CopyBlockFrom(int srcX, int srcY, int dstX, int dstY) {
    std::int64_t sx = srcX, dx = dstX, w = blockWidth;
    std::int64_t sy = srcY, dy = dstY, h = blockHeight;
    if (!ClipSpan(sx, dx, w, width_) || !ClipSpan(sy, dy, h, height_)) return kTransitionOk;
    if (!target_.CopyBlock(picture_, srcX_ + static_cast<int>(sx), srcY_ + static_cast<int>(sy),
                           dstX_ + static_cast<int>(dx), dstY_ + static_cast<int>(dy),
                           static_cast<int>(w), static_cast<int>(h)))
        return kErrCopyFailed;
    scheduled_ += copyCost_;
    unpresented_ = true;
    return kTransitionOk;
}

int TransitionRun::WaitForSchedule() {
    const std::chrono::nanoseconds due = start_ + scheduled_;
    for (std::chrono::nanoseconds now = clock_.Now(); now < due; now = clock_.Now()) {
        // Long delays (a large TIMING) stay interruptible by a press.
        clock_.WaitUntil(std::min(due, now + kWaitSlice));
        if (record_.abortFilter != 0 && target_.PollAbort()) return kErrAborted;
    }
    return kTransitionOk;
}

int TransitionRun::TransitionStep() {
    if (record_.abortFilter != 0 && target_.PollAbort()) return kErrAborted;
    if (record_.delay > 0) scheduled_ += std::chrono::milliseconds(record_.delay);
    if (scheduled_ < nextFrame_) return kTransitionOk;
    if (int rc = WaitForSchedule(); rc != kTransitionOk) return rc;
    target_.Present();
    unpresented_ = false;
    nextFrame_ = (scheduled_ / frame_ + 1) * frame_;
    return kTransitionOk;
}

int TransitionRun::Finish() {
    if (int rc = WaitForSchedule(); rc != kTransitionOk) return rc;
    if (unpresented_) target_.Present();
    unpresented_ = false;
    return kTransitionOk;
}

}  // namespace transitions
