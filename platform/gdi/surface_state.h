#pragma once

// What a Surface shares with the window DCs drawn on it (internal to the drawing layer).

#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi_types.h"

#include <functional>

namespace gdi {

struct SurfaceState {
    HBITMAP buffer;
    POINT origin{0, 0};
    bool visible = true;
    std::function<void(const RECT&)> repaint;
};

}  // namespace gdi
