#pragma once

#include <string>

#include "runtime/colour.h"
#include "runtime/vrect.h"

// A frame (FRAME): the area its scenes and objects are placed in. The frame named "base" sizes
// the presentation window.
class CVFrame : public CVRect {
public:
    CVFrame() { rect_ = {0, 0, 640, 480}; }

    bool hasColour_ = false;
    Colour colour_ = 0;
    std::string background_;
};
