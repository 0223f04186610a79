#pragma once

// Device bitmaps. Every bitmap keeps its pixels in a QImage of Format_RGB32 (0xFFRRGGBB per
// pixel). A monochrome bitmap uses the same storage with only black (0) and white (1) pixels and
// is marked as such, because blits between monochrome and colour bitmaps convert colours.

#include "platform/gdi/gdi_types.h"

#include <QImage>

#include <cstdint>
#include <memory>

namespace gdi {

class Bitmap;
// Bitmaps are shared: a memory DC that selects one keeps it alive while it is selected.
using HBITMAP = std::shared_ptr<Bitmap>;

// Largest bitmap that may be created; bigger requests fail instead of allocating.
constexpr int kMaxBitmapSide = 32767;
constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 26;

class Bitmap {
public:
    // REQUIRES: the image is not null and has Format_RGB32 (use CreateBitmapFromImage otherwise).
    Bitmap(QImage image, bool monochrome);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool IsMonochrome() const { return monochrome_; }
    // 1 for monochrome bitmaps, 32 for colour ones.
    int BitsPerPixel() const { return monochrome_ ? 1 : 32; }

    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    // Pixel access in COLORREF form; out-of-range reads give kClrInvalid and writes do nothing.
    // A colour written into a monochrome bitmap becomes black or white, whichever is nearer.
    COLORREF GetPixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF colour);

private:
    QImage image_;
    bool monochrome_;
};

// Conversions between COLORREF (0x00BBGGRR) and the stored 0xFFRRGGBB form.
constexpr std::uint32_t ToPixel(COLORREF c) {
    return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF FromPixel(std::uint32_t p) {
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}
// Black or white, whichever is nearer to the colour (how colours reach a monochrome surface).
COLORREF NearestMonochrome(COLORREF colour);

// A new bitmap of the size, all black. Colour unless bitsPerPixel is 1. Null when a side is not
// positive or the size exceeds the limits above.
HBITMAP CreateBitmap(int width, int height, int bitsPerPixel);
// A colour bitmap holding a copy of image (converted to Format_RGB32). Null for a null image.
HBITMAP CreateBitmapFromImage(const QImage& image);
// A new bitmap with the same pixels and format. Null for null.
HBITMAP CopyBitmap(const HBITMAP& bitmap);

// Width, height, 1 plane and the bits per pixel; false for null.
bool GetObject(const HBITMAP& bitmap, BITMAP& info);

}  // namespace gdi
