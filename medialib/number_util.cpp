#include "medialib/number_util.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>

bool FitInside(int& width, int& height, int maxWidth, int maxHeight) {
    if (maxWidth >= width && height < maxHeight) return true;
    if (width <= 0 || height <= 0) return false;
    const std::int64_t w = width, h = height;
    if (maxHeight < std::int64_t{maxWidth} * h / w) {
        width = static_cast<int>(std::int64_t{maxHeight} * w / h);
        height = maxHeight;
    } else {
        height = static_cast<int>(std::int64_t{maxWidth} * h / w);
        width = maxWidth;
    }
    return false;
}

int RandomBetween(int low, int high) {
    if (high <= low) return low;
    const std::int64_t span = std::int64_t{high} - low + 1;
    // The divisor reaches 0 for spans above 32767; 1 keeps the formula defined.
    const std::int64_t divisor = span > 32767 ? 1 : 32767 / span;
    const std::int64_t r = std::rand() & 0x7FFF;
    const std::int64_t value = low + r / divisor;
    return static_cast<int>(value > high ? high : value);
}

void SeedRandom() { std::srand(static_cast<unsigned>(std::time(nullptr))); }
