#pragma once

#include "runtime/geometry.h"

// Where the presentation window and its view go once the frame named "base" has been read.
struct BaseFramePlacement {
    VRect window;   // the main window, in screen coordinates
    VRect view;     // the view, in the main window's coordinates
    bool blackout;  // the main window covers the desktop and is painted black around the view
};

// The window geometry of a base frame. With centring, each axis whose extent is smaller than the
// screen's is moved to the middle (the division truncating); this changes the frame's own
// rectangle, so frame is updated. Without blackout the window takes the rectangle and the view
// fills it; with blackout the window takes the whole desktop and the view takes the rectangle.
BaseFramePlacement PlaceBaseFrame(VRect& frame, bool centring, bool blackout, VSize screen,
                                  VSize desktop);

// What the document asks of the presentation window while it loads. The window installs itself;
// without one (headless checks and tests) the frame is placed for a screen of zero size, which
// leaves it where the script put it.
class WindowPlacer {
public:
    virtual ~WindowPlacer() = default;
    virtual VSize ScreenSize() const = 0;
    // The client size of the desktop, which a blackout window covers.
    virtual VSize DesktopSize() const = 0;
    virtual void Place(const BaseFramePlacement& placement) = 0;
};
