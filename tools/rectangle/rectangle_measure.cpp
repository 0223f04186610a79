#include "tools/rectangle/rectangle_measure.h"

#include <cstdio>

void RectangleMeasure::SetReady(int outerX, int outerY, int outerWidth, int outerHeight) {
    ready_ = true;
    x_ = outerX;
    y_ = outerY;
    width_ = outerWidth;
    height_ = outerHeight;
}

bool RectangleMeasure::Moved(int clientX, int clientY) {
    if (!ready_) return false;
    x_ = clientX;
    y_ = clientY;
    return true;
}

bool RectangleMeasure::Resized(int clientWidth, int clientHeight) {
    if (!ready_) return false;
    width_ = clientWidth;
    height_ = clientHeight;
    return true;
}

std::string RectangleMeasure::ClipboardText() const {
    char text[96];
    std::snprintf(text, sizeof text, "POSITION = %d, %d  SIZE = %d, %d", x_, y_, width_, height_);
    return text;
}
