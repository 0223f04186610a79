#include "medialib/blit.h"

#include "platform/gdi/raster_ops.h"
#include "platform/gdi/shapes.h"

using namespace gdi;

bool DrawBitmapAt(DC& dc, const HBITMAP& bitmap, int srcX, int srcY, int width, int height, int dstX, int dstY,
                  std::uint32_t rop) {
    if (!bitmap) return false;
    if (width == -1) width = bitmap->Width();
    if (height == -1) height = bitmap->Height();
    POINT size{width, height};
    DPtoLP(dc, &size, 1);
    DCPtr memory = CreateCompatibleDC(&dc);
    memory->SetMapMode(dc.GetMapMode());
    POINT origin{srcX, srcY};
    DPtoLP(*memory, &origin, 1);
    HBITMAP previous = memory->SelectBitmap(bitmap);
    const bool ok = BitBlt(dc, dstX, dstY, size.x, size.y, memory.get(), origin.x, origin.y, rop);
    memory->SelectBitmap(previous);
    return ok;
}

bool BlitBitmapToBitmap(const HBITMAP& destination, const HBITMAP& source, int srcX, int srcY, int width, int height,
                        int dstX, int dstY, std::uint32_t rop, bool stretch) {
    if (!destination || !source) return false;
    DCPtr to = CreateCompatibleDC(nullptr);
    DCPtr from = CreateCompatibleDC(nullptr);
    HBITMAP previousTo = to->SelectBitmap(destination);
    HBITMAP previousFrom = from->SelectBitmap(source);
    bool ok;
    if (stretch) {
        if (width == -1) width = destination->Width();
        if (height == -1) height = destination->Height();
        const int oldMode = to->SetStretchBltMode(COLORONCOLOR);
        ok = StretchBlt(*to, dstX, dstY, width, height, from.get(), 0, 0, source->Width(), source->Height(), rop);
        to->SetStretchBltMode(oldMode);
    } else {
        if (width == -1) width = source->Width();
        if (height == -1) height = source->Height();
        ok = BitBlt(*to, dstX, dstY, width, height, from.get(), srcX, srcY, rop);
    }
    to->SelectBitmap(previousTo);
    from->SelectBitmap(previousFrom);
    return ok;
}

bool DrawDibScaled(DC& dc, const RECT& destination, const HBITMAP& bitmap, const RECT& source,
                   const HPALETTE& palette, bool realiseOnTarget) {
    if (!bitmap) return false;
    DCPtr memory = CreateCompatibleDC(&dc);
    HPALETTE previousTarget, previousMemory;
    if (palette) {
        previousTarget = dc.SelectPalette(palette, false);
        previousMemory = memory->SelectPalette(palette, false);
        if (realiseOnTarget) dc.RealizePalette();
        else memory->RealizePalette();
    }
    HBITMAP previous = memory->SelectBitmap(bitmap);
    const int oldMode = dc.SetStretchBltMode(COLORONCOLOR);
    bool ok;
    if (destination.Width() == source.Width() && destination.Height() == source.Height()) {
        ok = BitBlt(dc, destination.left, destination.top, destination.Width(), destination.Height(), memory.get(),
                    source.left, source.top, SRCCOPY);
    } else {
        ok = StretchBlt(dc, destination.left, destination.top, destination.Width(), destination.Height(), memory.get(),
                        source.left, source.top, source.Width(), source.Height(), SRCCOPY);
    }
    dc.SetStretchBltMode(oldMode);
    memory->SelectBitmap(previous);
    if (palette) {
        dc.SelectPalette(previousTarget, false);
        memory->SelectPalette(previousMemory, false);
    }
    return ok;
}

bool FillRectSolid(DC& dc, const RECT& rect, COLORREF colour) {
    const Pen oldPen = dc.SelectPen(CreatePen(PS_SOLID, 1, colour));
    const Brush oldBrush = dc.SelectBrush(CreateSolidBrush(colour));
    const bool ok = Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
    return ok;
}

bool TransparentDraw(DC& dc, const HBITMAP& bitmap, int x, int y, COLORREF key) {
    if (!bitmap) return false;
    const int left = static_cast<std::int16_t>(x), top = static_cast<std::int16_t>(y);
    const int w = bitmap->Width(), h = bitmap->Height();

    DCPtr image = CreateCompatibleDC(&dc);
    DCPtr maskDc = CreateCompatibleDC(&dc);
    // A bitmap compatible with a fresh memory DC is monochrome.
    HBITMAP mask = CreateCompatibleBitmap(*maskDc, w, h);
    if (!mask) return false;
    HBITMAP previousImage = image->SelectBitmap(bitmap);
    HBITMAP previousMask = maskDc->SelectBitmap(mask);

    // Pixels of the key colour become 1 in the mask, all others 0.
    const COLORREF oldBk = image->SetBkColor(key);
    BitBlt(*maskDc, 0, 0, w, h, image.get(), 0, 0, SRCCOPY);
    // Key-coloured pixels of the image become black.
    image->SetBkColor(RGB(0, 0, 0));
    const COLORREF oldText = image->SetTextColor(RGB(255, 255, 255));
    BitBlt(*image, 0, 0, w, h, maskDc.get(), 0, 0, SRCAND);

    const COLORREF targetText = dc.SetTextColor(RGB(0, 0, 0));
    const COLORREF targetBk = dc.SetBkColor(RGB(255, 255, 255));
    bool ok = BitBlt(dc, left, top, w, h, maskDc.get(), 0, 0, SRCAND);
    ok = BitBlt(dc, left, top, w, h, image.get(), 0, 0, SRCPAINT) && ok;
    dc.SetTextColor(targetText);
    dc.SetBkColor(targetBk);

    // Puts the key colour back into the image.
    image->SetBkColor(key);
    image->SetTextColor(RGB(0, 0, 0));
    BitBlt(*image, 0, 0, w, h, maskDc.get(), 0, 0, SRCPAINT);
    image->SetBkColor(oldBk);
    image->SetTextColor(oldText);
    image->SelectBitmap(previousImage);
    maskDc->SelectBitmap(previousMask);
    return ok;
}
