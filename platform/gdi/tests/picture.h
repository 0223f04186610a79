#pragma once

// Pictures as text for exact comparisons: one character per pixel, looked up in a legend.

#include "platform/gdi/bitmap.h"

#include <map>
#include <string>

inline std::string Picture(const gdi::HBITMAP& bitmap, const std::map<gdi::COLORREF, char>& legend) {
    std::string out;
    for (int y = 0; y < bitmap->Height(); ++y) {
        for (int x = 0; x < bitmap->Width(); ++x) {
            auto it = legend.find(bitmap->GetPixel(x, y));
            out += it == legend.end() ? '?' : it->second;
        }
        out += '\n';
    }
    return out;
}
