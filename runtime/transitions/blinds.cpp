// Blinds: the region is cut into bands of one cell, and every band fills one line at a time, all
// bands together. One step per band and line.
#include "runtime/transitions/transition_run.h"

namespace transitions {

namespace {

int HorizontalBlinds(TransitionRun& run) {
    const int step = run.Record().step;
    run.blockHeight = step;
    for (int i = 0; i < run.CellHeight(); i += step) {
        for (int j = 0; j < run.Rows(); ++j) {
            const int y = j * run.CellHeight() + i;
            for (int c = 0; c < run.Columns(); ++c)
                if (int rc = run.CopyBlock(c * run.CellWidth(), y)) return rc;
            if (int rc = run.TransitionStep()) return rc;
        }
    }
    return kTransitionOk;
}

int VerticalBlinds(TransitionRun& run) {
    const int step = run.Record().step;
    run.blockWidth = step;
    for (int i = 0; i < run.CellWidth(); i += step) {
        for (int j = 0; j < run.Columns(); ++j) {
            const int x = j * run.CellWidth() + i;
            for (int r = 0; r < run.Rows(); ++r)
                if (int rc = run.CopyBlock(x, r * run.CellHeight())) return rc;
            if (int rc = run.TransitionStep()) return rc;
        }
    }
    return kTransitionOk;
}

}  // namespace

int RunBlinds(TransitionRun& run) {
    switch (run.Record().direction) {
        case kBlindsHorizontal:
            return HorizontalBlinds(run);
        case kBlindsVertical:
            return VerticalBlinds(run);
    }
    return kErrBadDirection;
}

}  // namespace transitions
