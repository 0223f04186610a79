// Wipe: one step reveals a whole column or row of blocks, moving from one edge to the other.
#include "runtime/transitions/transition_run.h"

namespace transitions {

namespace {

int RevealColumn(TransitionRun& run, int c) {
    for (int r = 0; r < run.Rows(); ++r)
        if (int rc = run.CopyCell(c, r)) return rc;
    return run.TransitionStep();
}

int RevealRow(TransitionRun& run, int r) {
    for (int c = 0; c < run.Columns(); ++c)
        if (int rc = run.CopyCell(c, r)) return rc;
    return run.TransitionStep();
}

}  // namespace

int RunWipe(TransitionRun& run) {
    switch (run.Record().direction) {
        case kDirectionLeft:
            for (int c = run.Columns() - 1; c >= 0; --c)
                if (int rc = RevealColumn(run, c)) return rc;
            return kTransitionOk;
        case kDirectionRight:
            for (int c = 0; c < run.Columns(); ++c)
                if (int rc = RevealColumn(run, c)) return rc;
            return kTransitionOk;
        case kDirectionUp:
            for (int r = run.Rows() - 1; r >= 0; --r)
                if (int rc = RevealRow(run, r)) return rc;
            return kTransitionOk;
        case kDirectionDown:
            for (int r = 0; r < run.Rows(); ++r)
                if (int rc = RevealRow(run, r)) return rc;
            return kTransitionOk;
    }
    return kErrBadDirection;
}

}  // namespace transitions
