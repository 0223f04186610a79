#include "platform/mci/mci_draw_target.h"

#include <utility>

namespace {

MciFrameDrawer& Drawer() {
    static MciFrameDrawer drawer;
    return drawer;
}

}  // namespace

MciFrameDrawer SetMciFrameDrawer(MciFrameDrawer drawer) { return std::exchange(Drawer(), std::move(drawer)); }

const MciFrameDrawer& CurrentMciFrameDrawer() { return Drawer(); }
