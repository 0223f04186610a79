#include "platform/gdi/bitmap.h"

#include <utility>

namespace gdi {

Bitmap::Bitmap(QImage image, bool monochrome) : image_(std::move(image)), monochrome_(monochrome) {}

COLORREF Bitmap::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return kClrInvalid;
    const auto* row = reinterpret_cast<const std::uint32_t*>(image_.constScanLine(y));
    return FromPixel(row[x]);
}

void Bitmap::SetPixel(int x, int y, COLORREF colour) {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
    if (monochrome_) colour = NearestMonochrome(colour);
    auto* row = reinterpret_cast<std::uint32_t*>(image_.scanLine(y));
    row[x] = ToPixel(colour);
}

COLORREF NearestMonochrome(COLORREF colour) {
    const int sum = GetRValue(colour) + GetGValue(colour) + GetBValue(colour);
    return sum >= 384 ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

HBITMAP CreateBitmap(int width, int height, int bitsPerPixel) {
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) return nullptr;
    if (std::int64_t{width} * height > kMaxBitmapPixels) return nullptr;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return nullptr;
    image.fill(0xFF000000u);
    return std::make_shared<Bitmap>(std::move(image), bitsPerPixel == 1);
}

HBITMAP CreateBitmapFromImage(const QImage& image) {
    if (image.isNull()) return nullptr;
    if (image.width() > kMaxBitmapSide || image.height() > kMaxBitmapSide) return nullptr;
    if (std::int64_t{image.width()} * image.height() > kMaxBitmapPixels) return nullptr;
    QImage converted = image.convertToFormat(QImage::Format_RGB32);
    if (converted.isNull()) return nullptr;
    return std::make_shared<Bitmap>(std::move(converted), false);
}

HBITMAP CopyBitmap(const HBITMAP& bitmap) {
    if (!bitmap) return nullptr;
    QImage copy = bitmap->Image().copy();
    if (copy.isNull()) return nullptr;
    return std::make_shared<Bitmap>(std::move(copy), bitmap->IsMonochrome());
}

bool GetObject(const HBITMAP& bitmap, BITMAP& info) {
    if (!bitmap) return false;
    info.bmWidth = bitmap->Width();
    info.bmHeight = bitmap->Height();
    info.bmPlanes = 1;
    info.bmBitsPixel = bitmap->BitsPerPixel();
    info.bmWidthBytes = ((bitmap->Width() * info.bmBitsPixel + 15) / 16) * 2;
    return true;
}

}  // namespace gdi
