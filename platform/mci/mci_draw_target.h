#pragma once

#include <QImage>
#include <QRect>

#include <functional>

// Where "update ALIAS hdc N at L T R B" draws: the drawing layer's device contexts, found by
// number. The drawer paints frame stretched into dest (right and bottom exclusive) on the device
// context numbered hdc and returns false when there is no such device context.
using MciFrameDrawer = std::function<bool(int hdc, const QImage& frame, const QRect& dest)>;

// Installs the drawer and returns the one it replaces. Without one every "update" fails.
MciFrameDrawer SetMciFrameDrawer(MciFrameDrawer drawer);
const MciFrameDrawer& CurrentMciFrameDrawer();
