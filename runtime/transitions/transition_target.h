#pragma once

// Where a transition's blocks go: the view supplies one over its window, tests one that records
// every copy. The engine calls CopyBlock for every block in the pattern's order, Present whenever
// the revealed part should be shown, and PollAbort once after every step (and while it waits).

#include "platform/gdi/bitmap.h"

namespace transitions {

class TransitionTarget {
public:
    virtual ~TransitionTarget() = default;

    // Copies width × height pixels of source at (srcX, srcY) to (dstX, dstY). The engine keeps
    // blocks inside the transition's region; parts outside the source picture or the target are the
    // target's to clip, and such a copy still succeeds. False only when the target cannot be drawn
    // on any more (its window is gone); the transition then ends.
    virtual bool CopyBlock(const gdi::Bitmap& source, int srcX, int srcY, int dstX, int dstY,
                           int width, int height) = 0;
    // Shows what has been copied so far.
    virtual void Present() = 0;
    // True when a key or mouse-button press asks the transition to end.
    virtual bool PollAbort() = 0;
};

}  // namespace transitions
