#pragma once

// The transition target over a device context: blocks go straight into the DC's bitmap (for a
// window DC, the view's front buffer) as row copies, and Present reports the changed area to the
// DC, which for a window DC repaints the view. Presses come from the given poll (the view's input
// filter); without one nothing aborts.

#include "platform/gdi/device_context.h"
#include "runtime/transitions/transition_target.h"

#include <functional>

namespace transitions {

class DCTransitionTarget final : public TransitionTarget {
public:
    // REQUIRES: dc outlives this target.
    explicit DCTransitionTarget(gdi::DC& dc, std::function<bool()> pollAbort = {});
    DCTransitionTarget(const DCTransitionTarget&) = delete;
    DCTransitionTarget& operator=(const DCTransitionTarget&) = delete;

    bool CopyBlock(const gdi::Bitmap& source, int srcX, int srcY, int dstX, int dstY, int width,
                   int height) override;
    void Present() override;
    bool PollAbort() override;

private:
    // The DC's bitmap is looked up again between steps: a window may get a new front buffer
    // while the poll lets events through.
    void Refresh();

    gdi::DC& dc_;
    std::function<bool()> pollAbort_;
    gdi::HBITMAP target_;
    gdi::RECT dirty_{};
};

}  // namespace transitions
