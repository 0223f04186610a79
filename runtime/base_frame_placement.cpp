#include "runtime/base_frame_placement.h"

BaseFramePlacement PlaceBaseFrame(VRect& frame, bool centring, bool blackout, VSize screen,
                                  VSize desktop) {
    if (centring) {
        const int32_t width = frame.Width();
        const int32_t height = frame.Height();
        if (width < screen.width) {
            const int32_t dx = (screen.width - width) / 2;
            frame.left += dx;
            frame.right += dx;
        }
        if (height < screen.height) {
            const int32_t dy = (screen.height - height) / 2;
            frame.top += dy;
            frame.bottom += dy;
        }
    }
    if (!blackout) return {frame, VRect{0, 0, frame.Width(), frame.Height()}, false};
    return {VRect{0, 0, desktop.width, desktop.height}, frame, true};
}
