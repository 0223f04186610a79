#pragma once

// Front buffers of our windows and the screen they make up. Each view draws into its own front
// buffer through a window DC; showing it is the view's business (a synchronous repaint, through
// the repaint handler). A screen grab reads the front buffers of the visible surfaces, composed at
// their screen positions over a black screen whose size can be set for tests.

#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi_types.h"

#include <functional>
#include <memory>

namespace gdi {

struct SurfaceState;

// A window's front buffer. Constructing one registers it on the screen as the topmost surface;
// destroying it removes it. Window DCs made on a surface that has been destroyed draw nothing.
class Surface {
public:
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // The bitmap that window DCs draw into (its size is the client area).
    HBITMAP FrontBuffer() const;
    int Width() const;
    int Height() const;
    RECT ClientRect() const;
    // A new front buffer of the size; the pixels that both sizes share are kept, the rest is black.
    // False (and nothing changes) for a size that cannot be created.
    bool Resize(int width, int height);

    // Position of the client area's top-left corner on the screen.
    void SetScreenOrigin(POINT origin);
    POINT ScreenOrigin() const;
    POINT ClientToScreen(POINT client) const;

    // Hidden surfaces keep their pixels but are not part of the screen.
    void SetVisible(bool visible);
    bool IsVisible() const;
    // Makes this surface the topmost one.
    void Raise();

    // Called with the changed area (client coordinates) after every drawing call on a window DC.
    void SetRepaintHandler(std::function<void(const RECT&)> handler);

    const std::shared_ptr<SurfaceState>& State() const { return state_; }

private:
    std::shared_ptr<SurfaceState> state_;
};

// Sets the screen's size (HORZRES, VERTRES); 0 × 0 returns to the size of the primary screen of
// the application, or 1024 × 768 without one.
void SetScreenSize(int width, int height);
SIZE GetScreenSize();

// The number of entries of the screen's hardware palette. 0 (the default) is a true-colour
// screen: SIZEPALETTE is 0 and NUMCOLORS is -1, as on such displays.
void SetScreenPaletteSize(int entries);
int GetScreenPaletteSize();

// A bitmap of the screen's size: black, with every visible surface drawn over it, the lowest
// first. Null when the screen size cannot be allocated.
HBITMAP ComposeScreen();

}  // namespace gdi
