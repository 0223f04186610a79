#pragma once

// The pixels a brush paints, row by row, in the format of the destination (internal to the
// drawing layer; used by the raster operations and the shape functions).

#include "platform/gdi/device_context.h"

#include <QBrush>

#include <cstdint>

namespace gdi {

class PatternSource {
public:
    PatternSource(const DC& dc, const Brush& brush, bool monochromeTarget);

    bool IsNull() const { return kind_ == BrushKind::Null; }
    // Fills count pixels of row y starting at column x (destination coordinates); opaque[i] is 0
    // where the brush leaves the destination alone. Returns true when every pixel is opaque.
    bool FillRow(int x, int y, int count, std::uint32_t* pixels, std::uint8_t* opaque) const;

    // The same pattern as a QBrush for shapes drawn with QPainter (never a null brush: check
    // IsNull first). Hatch gaps are left to the painter's background mode.
    QBrush ToQBrush() const;
    std::uint32_t HatchBackground() const { return background_; }

private:
    bool HatchBit(int x, int y) const;

    BrushKind kind_;
    std::uint32_t colour_ = 0;
    int hatch_ = 0;
    bool transparentGaps_ = false;
    std::uint32_t background_ = 0;
    QImage pattern_;  // already converted to the destination's colours
};

}  // namespace gdi
