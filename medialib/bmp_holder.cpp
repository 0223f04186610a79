#include "medialib/bmp_holder.h"

#include "medialib/blit.h"
#include "medialib/dib_convert.h"
#include "medialib/dib_file.h"
#include "medialib/image_file_hooks.h"
#include "medialib/path_util.h"
#include "medialib/screen_capture.h"
#include "platform/gdi/raster_ops.h"

#include <algorithm>
#include <cctype>

using namespace gdi;

void CBmp::Attach(HBITMAP bitmap, HPALETTE palette) {
    Free();
    m_bitmap = std::move(bitmap);
    m_palette = std::move(palette);
}

void CBmp::Free() {
    m_bitmap = nullptr;
    m_palette = nullptr;
}

bool CBmp::Load(const std::string& name) {
    Free();
    return LoadImageThroughHook(name, m_bitmap, m_palette);
}

bool CBmp::GetSize(int& width, int& height) const {
    if (!m_bitmap) return false;
    width = m_bitmap->Width();
    height = m_bitmap->Height();
    return true;
}

bool CBmp::Draw(DC& dc, int srcX, int srcY, int width, int height, int dstX, int dstY, bool realisePalette) {
    if (!m_bitmap) return false;
    if (m_palette && realisePalette) {
        HPALETTE previous = dc.SelectPalette(m_palette, false);
        dc.RealizePalette();
        dc.SelectPalette(previous, false);
    }
    return DrawBitmapAt(dc, m_bitmap, srcX, srcY, width, height, dstX, dstY, SRCCOPY);
}

bool CBmp::DrawCentred(DC& dc, const RECT& rect) {
    if (!m_bitmap) return false;
    const int w = m_bitmap->Width(), h = m_bitmap->Height();
    DCPtr memory = CreateCompatibleDC(&dc);
    HPALETTE previousTarget, previousMemory;
    if (m_palette) {
        previousMemory = memory->SelectPalette(m_palette, false);
        previousTarget = dc.SelectPalette(m_palette, false);
        dc.RealizePalette();
    }
    HBITMAP previous = memory->SelectBitmap(m_bitmap);
    const int x = (rect.right - rect.left - w) / 2 + rect.left + 1;
    const int y = (rect.bottom - rect.top - h) / 2 + rect.top + 1;
    const bool ok = BitBlt(dc, x, y, w, h, memory.get(), 0, 0, SRCCOPY);
    memory->SelectBitmap(previous);
    if (m_palette) {
        dc.SelectPalette(previousTarget, false);
        memory->SelectPalette(previousMemory, false);
    }
    return ok;
}

bool CBmp::TileOnto(DC& dc, const RECT& area) {
    if (!m_bitmap) return false;
    const int w = m_bitmap->Width(), h = m_bitmap->Height();
    DCPtr memory = CreateCompatibleDC(&dc);
    HBITMAP previous = memory->SelectBitmap(m_bitmap);
    bool ok = true;
    for (int y = area.top; y < area.bottom && ok; y += h)
        for (int x = area.left; x < area.right && ok; x += w)
            ok = BitBlt(dc, x, y, std::min(w, area.right - x), std::min(h, area.bottom - y), memory.get(), 0, 0, SRCCOPY);
    memory->SelectBitmap(previous);
    return ok;
}

bool CBmp::TileWindow(Surface& window) {
    DCPtr dc = CreateWindowDC(window);
    return TileOnto(*dc, window.ClientRect());
}

bool CBmp::CopyFrom(const CBmp& other) {
    Free();
    if (!other.m_bitmap) return false;
    DCPtr from = CreateCompatibleDC(nullptr);
    HBITMAP previousFrom = from->SelectBitmap(other.m_bitmap);
    HBITMAP copy = CreateCompatibleBitmap(*from, other.m_bitmap->Width(), other.m_bitmap->Height());
    if (!copy) {
        from->SelectBitmap(previousFrom);
        return false;
    }
    DCPtr to = CreateCompatibleDC(nullptr);
    HBITMAP previousTo = to->SelectBitmap(copy);
    BitBlt(*to, 0, 0, copy->Width(), copy->Height(), from.get(), 0, 0, SRCCOPY);
    to->SelectBitmap(previousTo);
    from->SelectBitmap(previousFrom);
    m_bitmap = std::move(copy);
    m_palette = CopyPalette(other.m_palette);
    return true;
}

bool CBmp::GrabWindowArea(const Surface& window, int x, int y, int width, int height) {
    Free();
    if (width == -1) {
        x = 0;
        y = 0;
        width = window.Width();
        height = window.Height();
    }
    const POINT origin = window.ClientToScreen(POINT{x, y});
    m_bitmap = CopyScreenRect(RECT{origin.x, origin.y, origin.x + width, origin.y + height});
    if (!m_bitmap) return false;
    m_palette = GetSystemPaletteCopy();
    return true;
}

bool CBmp::SaveAs(const std::string& path) const {
    std::string extension = SplitPath(path, 3);
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (!m_bitmap) return false;
    if (extension == "BMP") {
        auto dib = BitmapToDib(m_bitmap, m_palette);
        return dib && WriteDibFile(path, *dib);
    }
    if (extension == "PCX") return WritePcxThroughHook(path, m_bitmap, m_palette);
    return false;
}
