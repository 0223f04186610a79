// Dissolve: blocks appear in the order of a maximal-length linear feedback shift register whose
// low bits give the column and whose high bits give the row. The register never produces 0, so
// the cell (0, 0) comes last.
#include <cstdint>

#include "runtime/transitions/dissolve_masks.h"
#include "runtime/transitions/transition_run.h"

namespace transitions {

namespace {

int BitLength(int value) {
    int bits = 0;
    for (; value > 0; value >>= 1) ++bits;
    return bits;
}

}  // namespace

int RunDissolve(TransitionRun& run) {
    const int columnBits = BitLength(run.Columns());
    const int rowBits = BitLength(run.Rows());
    // The region is at most a bitmap's size, so this stays inside the table; the check keeps an
    // oversized grid from reading past it.
    if (columnBits + rowBits >= static_cast<int>(kDissolveMasks.size())) return kErrBadCellSize;
    const std::uint32_t mask = kDissolveMasks[columnBits + rowBits];
    const std::uint32_t columnMask = (std::uint32_t{1} << columnBits) - 1;

    std::uint32_t g = 1;
    do {
        const int c = static_cast<int>(g & columnMask);
        const int r = static_cast<int>(g >> columnBits);
        // Values beside the grid copy nothing but still take their step.
        if (c < run.Columns() && r < run.Rows()) {
            if (int rc = run.CopyCell(c, r)) return rc;
        }
        if (int rc = run.TransitionStep()) return rc;
        g = (g & 1) ? (g >> 1) ^ mask : g >> 1;
    } while (g != 1);
    return run.CopyCell(0, 0);
}

}  // namespace transitions
