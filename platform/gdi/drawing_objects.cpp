#include "platform/gdi/drawing_objects.h"

namespace gdi {

Brush CreatePatternBrush(const HBITMAP& bitmap) {
    if (!bitmap) return NullBrush();
    return Brush{BrushKind::Pattern, 0, 0, CopyBitmap(bitmap)};
}

HPALETTE CreatePalette(int version, std::vector<PALETTEENTRY> entries) {
    if (version != 0x300 || entries.empty() || entries.size() > static_cast<size_t>(kMaxPaletteEntries))
        return nullptr;
    return std::make_shared<Palette>(std::move(entries));
}

}  // namespace gdi
