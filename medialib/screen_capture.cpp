#include "medialib/screen_capture.h"

#include "medialib/last_error.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/raster_ops.h"

#include <algorithm>

using namespace gdi;

HPALETTE GetSystemPaletteCopy() {
    DCPtr screen = CreateScreenDC();
    if (!screen) {
        SetLastMediaError(media_error::kNoScreenDC);
        return nullptr;
    }
    int count = screen->GetDeviceCaps(SIZEPALETTE);
    if (count == 0) count = screen->GetDeviceCaps(NUMCOLORS);
    if (count <= 0) return nullptr;
    std::vector<PALETTEENTRY> entries(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        entries[static_cast<size_t>(i)] =
            PALETTEENTRY{static_cast<std::uint8_t>(i & 0xFF), static_cast<std::uint8_t>((i >> 8) & 0xFF), 0, PC_EXPLICIT};
    HPALETTE palette = CreatePalette(0x300, std::move(entries));
    if (!palette) SetLastMediaError(media_error::kPaletteFailure);
    return palette;
}

HPALETTE CopyPalette(const HPALETTE& palette) {
    if (!palette || palette->Size() == 0) return nullptr;
    return CreatePalette(0x300, palette->Entries());
}

HBITMAP CopyScreenRect(const RECT& rect) {
    if (rect.IsEmpty()) return nullptr;
    DCPtr screen = CreateScreenDC();
    if (!screen) return nullptr;
    const RECT clipped{std::max(rect.left, 0), std::max(rect.top, 0),
                       std::min(rect.right, screen->GetDeviceCaps(HORZRES)),
                       std::min(rect.bottom, screen->GetDeviceCaps(VERTRES))};
    if (clipped.IsEmpty()) return nullptr;
    HBITMAP bitmap = CreateCompatibleBitmap(*screen, clipped.Width(), clipped.Height());
    if (!bitmap) return nullptr;
    DCPtr memory = CreateCompatibleDC(screen.get());
    HBITMAP previous = memory->SelectBitmap(bitmap);
    BitBlt(*memory, 0, 0, clipped.Width(), clipped.Height(), screen.get(), clipped.left, clipped.top, SRCCOPY);
    memory->SelectBitmap(previous);
    return bitmap;
}
