// Slide: the picture moves in from one edge. Step k shows the last k + 1 columns (or rows) of the
// region at the leading edge, or the first k + 1 at the trailing edge, so the block grows by one
// cell per step until it spans the region.
#include "runtime/transitions/transition_run.h"

namespace transitions {

namespace {

int SlideHorizontally(TransitionRun& run, bool movingRight) {
    for (int k = 0; k < run.Columns(); ++k) {
        const int n = run.Columns() - 1 - k;
        const int offset = n * run.CellWidth();
        for (int r = 0; r < run.Rows(); ++r) {
            const int y = r * run.CellHeight();
            const int rc = movingRight ? run.CopyBlockFrom(offset, y, 0, y)
                                       : run.CopyBlockFrom(0, y, offset, y);
            if (rc) return rc;
        }
        if (int rc = run.TransitionStep()) return rc;
        run.blockWidth += run.CellWidth();
    }
    return kTransitionOk;
}

int SlideVertically(TransitionRun& run, bool movingDown) {
    for (int k = 0; k < run.Rows(); ++k) {
        const int n = run.Rows() - 1 - k;
        const int offset = n * run.CellHeight();
        for (int c = 0; c < run.Columns(); ++c) {
            const int x = c * run.CellWidth();
            const int rc = movingDown ? run.CopyBlockFrom(x, offset, x, 0)
                                      : run.CopyBlockFrom(x, 0, x, offset);
            if (rc) return rc;
        }
        if (int rc = run.TransitionStep()) return rc;
        run.blockHeight += run.CellHeight();
    }
    return kTransitionOk;
}

}  // namespace

int RunSlide(TransitionRun& run) {
    switch (run.Record().direction) {
        case kDirectionRight:
            return SlideHorizontally(run, true);
        case kDirectionLeft:
            return SlideHorizontally(run, false);
        case kDirectionDown:
            return SlideVertically(run, true);
        case kDirectionUp:
            return SlideVertically(run, false);
    }
    return kErrBadDirection;
}

}  // namespace transitions
