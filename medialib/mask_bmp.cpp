#include "medialib/mask_bmp.h"

#include "medialib/blit.h"
#include "medialib/image_file_hooks.h"

using namespace gdi;

void CMaskBmp::Free() {
    m_image = nullptr;
    m_mask = nullptr;
    m_palette = nullptr;
}

bool CMaskBmp::GetSize(int& width, int& height) const {
    if (!m_image) return false;
    width = m_image->Width();
    height = m_image->Height();
    return true;
}

bool CMaskBmp::Build(const HBITMAP& image, const HPALETTE& palette, COLORREF key) {
    Free();
    if (!image) return false;
    HBITMAP prepared = CopyBitmap(image);
    // The mask has exactly the picture's size and format; it starts as a copy of the picture.
    HBITMAP mask = CopyBitmap(image);
    if (!prepared || !mask) return false;
    const std::uint32_t keyPixel = ToPixel(key & 0x00FFFFFF);
    const std::uint32_t white = ToPixel(RGB(255, 255, 255)), black = ToPixel(RGB(0, 0, 0));
    for (int y = 0; y < prepared->Height(); ++y) {
        auto* p = reinterpret_cast<std::uint32_t*>(prepared->Image().scanLine(y));
        auto* m = reinterpret_cast<std::uint32_t*>(mask->Image().scanLine(y));
        for (int x = 0; x < prepared->Width(); ++x) {
            const bool keyed = key != kClrInvalid && p[x] == keyPixel;
            m[x] = keyed ? white : black;
            if (keyed) p[x] = black;
        }
    }
    m_image = std::move(prepared);
    m_mask = std::move(mask);
    m_palette = palette;
    return true;
}

bool CMaskBmp::Load(const std::string& path, COLORREF key) {
    Free();
    HBITMAP image;
    HPALETTE palette;
    if (!LoadImageThroughHook(path, image, palette) || !image) return false;
    return Build(image, palette, key);
}

bool CMaskBmp::LoadKeyAtPixel(const std::string& path, DC& dc, int x, int y) {
    Free();
    HBITMAP image;
    HPALETTE palette;
    if (!LoadImageThroughHook(path, image, palette) || !image) return false;
    if (palette) {
        dc.SelectPalette(palette, false);
        dc.RealizePalette();
    }
    return Build(image, palette, image->GetPixel(x, y));
}

bool CMaskBmp::Draw(DC& dc, int srcX, int srcY, int width, int height, int dstX, int dstY) {
    if (!m_image || !m_mask) return false;
    if (!DrawBitmapAt(dc, m_mask, srcX, srcY, width, height, dstX, dstY, SRCAND)) return false;
    return DrawBitmapAt(dc, m_image, srcX, srcY, width, height, dstX, dstY, SRCINVERT);
}

bool CMaskBmp::DrawOnBitmap(const HBITMAP& target, int srcX, int srcY, int width, int height, int dstX, int dstY) {
    if (!m_image || !m_mask || !target) return false;
    if (!BlitBitmapToBitmap(target, m_mask, srcX, srcY, width, height, dstX, dstY, SRCAND)) return false;
    return BlitBitmapToBitmap(target, m_image, srcX, srcY, width, height, dstX, dstY, SRCINVERT);
}
