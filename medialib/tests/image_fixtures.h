#pragma once

// Helpers shared by the image reader tests: pictures compared through the device bitmaps that
// the DIBs become.

#include "medialib/dib.h"
#include "medialib/dib_convert.h"
#include "platform/gdi/bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

// Colour of picture pixel (x, y), y counted from the top.
inline gdi::COLORREF PixelAt(const PackedDib& dib, int x, int y) {
    const gdi::HBITMAP bitmap = DibToBitmap(dib, nullptr);
    return bitmap ? bitmap->GetPixel(x, y) : gdi::kClrInvalid;
}

// Every pixel of both pictures, top row first.
inline std::vector<gdi::COLORREF> Pixels(const PackedDib& dib) {
    std::vector<gdi::COLORREF> out;
    const gdi::HBITMAP bitmap = DibToBitmap(dib, nullptr);
    if (!bitmap) return out;
    for (int y = 0; y < bitmap->Height(); ++y) {
        for (int x = 0; x < bitmap->Width(); ++x) out.push_back(bitmap->GetPixel(x, y));
    }
    return out;
}

inline void Put16(std::vector<std::uint8_t>& v, std::size_t at, int value) {
    v[at] = static_cast<std::uint8_t>(value & 0xFF);
    v[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// A picture of distinct colours: pixel (x, y) from the top is RGB(x * 40, y * 60, 200 - x * 10).
inline gdi::COLORREF TestColour(int x, int y) { return gdi::RGB(x * 40, y * 60, 200 - x * 10); }
