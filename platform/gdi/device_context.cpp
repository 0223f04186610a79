#include "platform/gdi/device_context.h"

#include "platform/gdi/surface.h"
#include "platform/gdi/surface_state.h"

#include <mutex>
#include <unordered_map>

namespace gdi {

namespace {

struct Registry {
    std::mutex mutex;
    int next = 1;
    std::unordered_map<int, DC*> live;
};

Registry& Dcs() {
    static Registry registry;
    return registry;
}

// Default font of a new DC: the system's proportional font at its usual size.
LOGFONT DefaultFont() {
    LOGFONT font;
    font.lfHeight = 16;
    font.lfWeight = FW_BOLD;
    font.lfFaceName = "Arial";
    return font;
}

}  // namespace

DC::DC(Kind kind) : kind_(kind), font_(DefaultFont()) {
    brush_ = CreateSolidBrush(RGB(255, 255, 255));
    auto& registry = Dcs();
    std::lock_guard lock(registry.mutex);
    handle_ = registry.next++;
    registry.live.emplace(handle_, this);
}

DC::~DC() {
    auto& registry = Dcs();
    std::lock_guard lock(registry.mutex);
    registry.live.erase(handle_);
}

HBITMAP DC::Target() const {
    if (kind_ == Kind::Window) {
        auto state = surface_.lock();
        return state ? state->buffer : nullptr;
    }
    return bitmap_;
}

HBITMAP DC::SelectBitmap(const HBITMAP& bitmap) {
    if (!bitmap || kind_ != Kind::Memory) return nullptr;
    HBITMAP previous = bitmap_;
    bitmap_ = bitmap;
    return previous;
}

Pen DC::SelectPen(const Pen& pen) {
    Pen previous = pen_;
    pen_ = pen;
    return previous;
}

Brush DC::SelectBrush(const Brush& brush) {
    Brush previous = brush_;
    brush_ = brush;
    return previous;
}

LOGFONT DC::SelectFont(const LOGFONT& font) {
    LOGFONT previous = font_;
    font_ = font;
    return previous;
}

HPALETTE DC::SelectPalette(const HPALETTE& palette, bool) {
    HPALETTE previous = palette_;
    palette_ = palette;
    return previous;
}

int DC::RealizePalette() { return palette_ ? palette_->Size() : 0; }

COLORREF DC::SetTextColor(COLORREF colour) {
    COLORREF previous = text_;
    text_ = colour;
    return previous;
}

COLORREF DC::SetBkColor(COLORREF colour) {
    COLORREF previous = bk_;
    bk_ = colour;
    return previous;
}

int DC::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    int previous = bkMode_;
    bkMode_ = mode;
    return previous;
}

int DC::SetStretchBltMode(int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
    int previous = stretchMode_;
    stretchMode_ = mode;
    return previous;
}

int DC::SetMapMode(int mode) { return mode == MM_TEXT ? MM_TEXT : 0; }

int DC::GetDeviceCaps(int index) const {
    const int paletteSize = GetScreenPaletteSize();
    switch (index) {
    case HORZRES:
    case VERTRES: {
        const SIZE screen = GetScreenSize();
        return index == HORZRES ? screen.cx : screen.cy;
    }
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case SIZEPALETTE:
        return paletteSize;
    case NUMCOLORS:
        return paletteSize > 0 ? paletteSize : -1;
    case RASTERCAPS:
        return paletteSize > 0 ? RC_PALETTE : 0;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    default:
        return 0;
    }
}

COLORREF DC::Resolve(COLORREF colour) const {
    const std::uint32_t flag = colour >> 24;
    if (flag == 0x01) {
        const int index = static_cast<int>(colour & 0xFFFF);
        if (palette_ && index < palette_->Size()) {
            const PALETTEENTRY& e = palette_->Entries()[static_cast<size_t>(index)];
            return RGB(e.peRed, e.peGreen, e.peBlue);
        }
        return RGB(0, 0, 0);
    }
    return colour & 0x00FFFFFF;
}

void DC::Changed(const RECT& area) const {
    if (kind_ != Kind::Window || area.IsEmpty()) return;
    auto state = surface_.lock();
    if (state && state->repaint) state->repaint(area);
}

DCPtr CreateCompatibleDC(const DC*) {
    DCPtr dc(new DC(DC::Kind::Memory));
    dc->bitmap_ = CreateBitmap(1, 1, 1);
    return dc;
}

DCPtr CreateWindowDC(Surface& surface) {
    DCPtr dc(new DC(DC::Kind::Window));
    dc->surface_ = surface.State();
    return dc;
}

DCPtr CreateScreenDC() {
    HBITMAP snapshot = ComposeScreen();
    if (!snapshot) return nullptr;
    DCPtr dc(new DC(DC::Kind::Screen));
    dc->bitmap_ = std::move(snapshot);
    return dc;
}

DC* FindDC(int handle) {
    auto& registry = Dcs();
    std::lock_guard lock(registry.mutex);
    auto it = registry.live.find(handle);
    return it == registry.live.end() ? nullptr : it->second;
}

HBITMAP CreateCompatibleBitmap(const DC& dc, int width, int height) {
    bool mono = false;
    if (dc.GetKind() == DC::Kind::Memory) {
        HBITMAP target = dc.Target();
        mono = target && target->IsMonochrome();
    }
    return CreateBitmap(width, height, mono ? 1 : 32);
}

bool DPtoLP(const DC&, POINT* points, int count) { return points != nullptr && count >= 0; }
bool LPtoDP(const DC&, POINT* points, int count) { return points != nullptr && count >= 0; }

}  // namespace gdi
