#pragma once

// The transition target over a device context: blocks go straight into the DC's bitmap (for a
// window DC, the view's front buffer) as row copies, and Present reports the changed area to the
// DC, which for a window DC repaints the view. Blocks that continue each other along a row or a
// column are copied together; every copy is in the bitmap once Present or PollAbort returns.
// Presses come from the view's input filter; without one (the headless export) nothing aborts.

#include "platform/gdi/device_context.h"
#include "runtime/transitions/transition_input_filter.h"
#include "runtime/transitions/transition_target.h"

namespace transitions {

class DCTransitionTarget final : public TransitionTarget {
public:
    // REQUIRES: dc and filter outlive this target; a source picture stays alive until the next
    // Present or PollAbort.
    explicit DCTransitionTarget(gdi::DC& dc, TransitionInputFilter* filter = nullptr);
    DCTransitionTarget(const DCTransitionTarget&) = delete;
    DCTransitionTarget& operator=(const DCTransitionTarget&) = delete;

    bool CopyBlock(const gdi::Bitmap& source, int srcX, int srcY, int dstX, int dstY, int width,
                   int height) override;
    void Present() override;
    bool PollAbort() override;

private:
    // The DC's bitmap is looked up again whenever the filter has let events through, since the
    // window may have got a new front buffer meanwhile; nothing else can change it.
    void Refresh();
    // Copies the pending block, if any.
    void Flush();
    // REQUIRES: target_ is not null.
    void CopyNow(const gdi::Bitmap& source, int srcX, int srcY, int dstX, int dstY, int width,
                 int height);

    struct Pending {
        const gdi::Bitmap* source = nullptr;
        int srcX = 0, srcY = 0, dstX = 0, dstY = 0, width = 0, height = 0;
    };

    gdi::DC& dc_;
    TransitionInputFilter* filter_;
    int eventRounds_ = 0;
    gdi::HBITMAP target_;
    uchar* targetBits_ = nullptr;
    qsizetype targetLine_ = 0;
    const gdi::Bitmap* sourceCached_ = nullptr;
    const uchar* sourceBits_ = nullptr;
    qsizetype sourceLine_ = 0;
    gdi::RECT dirty_{};
    Pending pending_;
};

}  // namespace transitions
