#pragma once

#include <string>

// What the measuring window shows: its position and size in pixels, taken first from the outer
// window rectangle and, once ready, from the client area as moves and resizes report it.
class RectangleMeasure {
public:
    // The start timer has fired: from now on moves and resizes are shown. The values become the
    // window's outer rectangle.
    void SetReady(int outerX, int outerY, int outerWidth, int outerHeight);

    // The client area's top-left corner moved; ignored before ready. Returns whether it was taken.
    bool Moved(int clientX, int clientY);

    // The client area took a new size; ignored before ready. Returns whether it was taken.
    bool Resized(int clientWidth, int clientHeight);

    bool ready() const { return ready_; }
    int x() const { return x_; }
    int y() const { return y_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The line of script attributes that Copy puts on the clipboard.
    std::string ClipboardText() const;

private:
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool ready_ = false;
};
