#pragma once

#include <cstdint>

// Points and rectangles of the presentation, in pixels. Right and bottom are exclusive.
struct VPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const VPoint&, const VPoint&) = default;
};

struct VSize {
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const VSize&, const VSize&) = default;
};

struct VRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    friend bool operator==(const VRect&, const VRect&) = default;
};
