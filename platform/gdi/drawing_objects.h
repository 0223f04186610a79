#pragma once

// Pens, brushes and logical palettes: the objects a device context selects besides its bitmap.
// Pens and brushes are small values; palettes are shared like bitmaps.

#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi_types.h"

#include <memory>
#include <vector>

namespace gdi {

struct Pen {
    int style = PS_SOLID;
    int width = 1;  // 0 draws like 1
    COLORREF colour = RGB(0, 0, 0);
    friend bool operator==(const Pen&, const Pen&) = default;
};

inline Pen CreatePen(int style, int width, COLORREF colour) { return Pen{style, width, colour}; }
inline Pen NullPen() { return Pen{PS_NULL, 0, 0}; }

enum class BrushKind { Null, Solid, Hatched, Pattern };

// A pattern brush tiles its bitmap from the device origin. A monochrome pattern takes the text
// colour of the target for 0 and the background colour for 1; a hatched brush paints its lines
// in the brush colour and the gaps in the background colour unless the background mode is
// TRANSPARENT.
struct Brush {
    BrushKind kind = BrushKind::Solid;
    COLORREF colour = RGB(255, 255, 255);
    int hatch = HS_HORIZONTAL;
    HBITMAP pattern;
};

inline Brush CreateSolidBrush(COLORREF colour) { return Brush{BrushKind::Solid, colour, 0, nullptr}; }
inline Brush CreateHatchBrush(int hatch, COLORREF colour) { return Brush{BrushKind::Hatched, colour, hatch, nullptr}; }
// A pattern brush over a copy of the bitmap's pixels; a null bitmap gives a null brush.
Brush CreatePatternBrush(const HBITMAP& bitmap);
inline Brush NullBrush() { return Brush{BrushKind::Null, 0, 0, nullptr}; }

// A logical palette. The display is true colour, so a palette is only a colour table: selecting
// and realising one changes no pixel.
class Palette {
public:
    explicit Palette(std::vector<PALETTEENTRY> entries) : entries_(std::move(entries)) {}
    const std::vector<PALETTEENTRY>& Entries() const { return entries_; }
    int Size() const { return static_cast<int>(entries_.size()); }

private:
    std::vector<PALETTEENTRY> entries_;
};

using HPALETTE = std::shared_ptr<Palette>;

// Largest palette accepted; bigger requests fail.
constexpr int kMaxPaletteEntries = 65535;

// Version 0x300 is the only version; null for another version, no entries or too many.
HPALETTE CreatePalette(int version, std::vector<PALETTEENTRY> entries);

}  // namespace gdi
