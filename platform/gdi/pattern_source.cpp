#include "platform/gdi/pattern_source.h"

namespace gdi {

namespace {

std::uint32_t ForTarget(COLORREF colour, bool mono) { return ToPixel(mono ? NearestMonochrome(colour) : colour); }

}  // namespace

PatternSource::PatternSource(const DC& dc, const Brush& brush, bool mono) : kind_(brush.kind) {
    switch (brush.kind) {
    case BrushKind::Null:
        break;
    case BrushKind::Solid:
        colour_ = ForTarget(dc.Resolve(brush.colour), mono);
        break;
    case BrushKind::Hatched:
        colour_ = ForTarget(dc.Resolve(brush.colour), mono);
        hatch_ = brush.hatch;
        transparentGaps_ = dc.GetBkMode() == TRANSPARENT;
        background_ = ForTarget(dc.Resolve(dc.GetBkColor()), mono);
        break;
    case BrushKind::Pattern: {
        if (!brush.pattern) {
            kind_ = BrushKind::Null;
            break;
        }
        pattern_ = brush.pattern->Image().copy();
        const bool monoPattern = brush.pattern->IsMonochrome();
        const std::uint32_t zero = ForTarget(dc.Resolve(dc.GetTextColor()), mono);
        const std::uint32_t one = ForTarget(dc.Resolve(dc.GetBkColor()), mono);
        for (int y = 0; y < pattern_.height(); ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(pattern_.scanLine(y));
            for (int x = 0; x < pattern_.width(); ++x) {
                if (monoPattern) row[x] = (row[x] & 0x00FFFFFFu) ? one : zero;
                else if (mono) row[x] = ForTarget(FromPixel(row[x]), true);
            }
        }
        break;
    }
    }
}

bool PatternSource::HatchBit(int x, int y) const {
    const bool horizontal = (y & 7) == 0, vertical = (x & 7) == 0;
    const bool forward = ((x - y) & 7) == 0, backward = ((x + y) & 7) == 0;
    switch (hatch_) {
    case HS_HORIZONTAL: return horizontal;
    case HS_VERTICAL: return vertical;
    case HS_FDIAGONAL: return forward;
    case HS_BDIAGONAL: return backward;
    case HS_CROSS: return horizontal || vertical;
    case HS_DIAGCROSS: return forward || backward;
    default: return horizontal;
    }
}

bool PatternSource::FillRow(int x, int y, int count, std::uint32_t* pixels, std::uint8_t* opaque) const {
    switch (kind_) {
    case BrushKind::Null:
        for (int i = 0; i < count; ++i) opaque[i] = 0;
        return false;
    case BrushKind::Solid:
        for (int i = 0; i < count; ++i) pixels[i] = colour_;
        return true;
    case BrushKind::Hatched: {
        bool all = true;
        for (int i = 0; i < count; ++i) {
            const bool line = HatchBit(x + i, y);
            pixels[i] = line ? colour_ : background_;
            opaque[i] = (line || !transparentGaps_) ? 1 : 0;
            all = all && opaque[i];
        }
        return all;
    }
    case BrushKind::Pattern: {
        const int w = pattern_.width(), h = pattern_.height();
        const auto* row = reinterpret_cast<const std::uint32_t*>(pattern_.constScanLine(((y % h) + h) % h));
        int px = ((x % w) + w) % w;
        for (int i = 0; i < count; ++i) {
            pixels[i] = row[px];
            if (++px == w) px = 0;
        }
        return true;
    }
    }
    return true;
}

QBrush PatternSource::ToQBrush() const {
    switch (kind_) {
    case BrushKind::Solid:
        return QBrush(QColor::fromRgb(colour_));
    case BrushKind::Pattern:
        return QBrush(pattern_);
    case BrushKind::Hatched: {
        QImage tile(8, 8, QImage::Format_ARGB32);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                tile.setPixel(x, y, HatchBit(x, y) ? colour_ : (transparentGaps_ ? 0u : background_));
        return QBrush(tile);
    }
    case BrushKind::Null:
        break;
    }
    return QBrush(Qt::NoBrush);
}

}  // namespace gdi
