// Iris: opening, a cross from the centre widens until the corners show; closing, squares grow in
// from the four corners until the middle cross shows. Cells outside the grid (thin grids reach
// them) copy nothing.
#include "runtime/transitions/transition_run.h"

namespace transitions {

namespace {

// The four cells (a, b), (columns - 1 - a, b), (columns - 1 - a, rows - 1 - b), (a, rows - 1 - b)
// in the order each loop of the pattern names them.
int IrisOpen(TransitionRun& run) {
    const int cols = run.Columns(), rows = run.Rows();
    int i = rows / 2, j = cols / 2;
    while (i >= 0 || j >= 0) {
        if (i >= 0 && j >= 0) {
            for (int k = 0; k <= j; ++k) {
                if (int rc = run.CopyCell(k, i)) return rc;
                if (int rc = run.CopyCell(cols - 1 - k, i)) return rc;
                if (int rc = run.CopyCell(cols - 1 - k, rows - 1 - i)) return rc;
                if (int rc = run.CopyCell(k, rows - 1 - i)) return rc;
            }
        }
        if (j >= 0) {
            for (int l = 0; l <= i; ++l) {
                if (int rc = run.CopyCell(j, l)) return rc;
                if (int rc = run.CopyCell(j, rows - 1 - l)) return rc;
                if (int rc = run.CopyCell(cols - 1 - j, rows - 1 - l)) return rc;
                if (int rc = run.CopyCell(cols - 1 - j, l)) return rc;
            }
        }
        --i;
        if (int rc = run.TransitionStep()) return rc;
        --j;
    }
    return kTransitionOk;
}

int IrisClose(TransitionRun& run) {
    const int cols = run.Columns(), rows = run.Rows();
    int i = rows - 1, j = cols - 1, k = 0;
    while (k <= i || k <= j) {
        for (int l = 0; l < k; ++l) {
            if (int rc = run.CopyCell(k, l)) return rc;
            if (int rc = run.CopyCell(j, l)) return rc;
            if (int rc = run.CopyCell(j, rows - 1 - l)) return rc;
            if (int rc = run.CopyCell(k, rows - 1 - l)) return rc;
        }
        for (int l = 0; l <= k; ++l) {
            if (int rc = run.CopyCell(l, k)) return rc;
            if (int rc = run.CopyCell(l, i)) return rc;
            if (int rc = run.CopyCell(cols - 1 - l, i)) return rc;
            if (int rc = run.CopyCell(cols - 1 - l, k)) return rc;
        }
        --i;
        if (int rc = run.TransitionStep()) return rc;
        --j;
        ++k;
    }
    return kTransitionOk;
}

}  // namespace

int RunIris(TransitionRun& run) {
    switch (run.Record().direction) {
        case kIrisOpen:
            return IrisOpen(run);
        case kIrisClose:
            return IrisClose(run);
    }
    return kErrBadDirection;
}

}  // namespace transitions
