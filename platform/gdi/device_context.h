#pragma once

// Device contexts: the drawing state (selected bitmap, pen, brush, font, palette, colours, modes,
// current position) and the target that the drawing functions change. Three kinds exist:
// - memory DCs (CreateCompatibleDC) draw into the bitmap they select; a new one holds a 1 × 1
//   monochrome bitmap, so a bitmap made compatible with it is monochrome, as on Windows;
// - window DCs (CreateWindowDC) draw into a Surface's front buffer and report every change to
//   the surface's repaint handler;
// - screen DCs (CreateScreenDC) hold a snapshot of the screen taken when they are made; drawing
//   into one changes only the snapshot.
// Every DC has a process-unique positive number (Handle) by which FindDC finds it while it lives;
// numbers are never reused. DCs are single-threaded objects like the rest of the drawing layer.

#include "platform/gdi/bitmap.h"
#include "platform/gdi/drawing_objects.h"
#include "platform/gdi/gdi_types.h"

#include <memory>

namespace gdi {

class Surface;
struct SurfaceState;

class DC {
public:
    enum class Kind { Memory, Window, Screen };

    ~DC();
    DC(const DC&) = delete;
    DC& operator=(const DC&) = delete;

    int Handle() const { return handle_; }
    Kind GetKind() const { return kind_; }

    // The bitmap that drawing changes: the selected bitmap, or the surface's front buffer. Null
    // for a window DC whose surface is gone.
    HBITMAP Target() const;

    // Memory DCs only: selects bitmap and returns the previous one. A null bitmap, or any bitmap
    // on another kind of DC, is refused: null is returned and nothing changes.
    HBITMAP SelectBitmap(const HBITMAP& bitmap);

    Pen SelectPen(const Pen& pen);
    const Pen& GetPen() const { return pen_; }
    Brush SelectBrush(const Brush& brush);
    const Brush& GetBrush() const { return brush_; }
    LOGFONT SelectFont(const LOGFONT& font);
    const LOGFONT& GetFont() const { return font_; }
    // Selecting and realising a palette changes no pixel (the display is true colour); the
    // palette is kept so that PALETTEINDEX colours can be looked up.
    HPALETTE SelectPalette(const HPALETTE& palette, bool forceBackground);
    const HPALETTE& GetPalette() const { return palette_; }
    // Returns the number of entries of the selected palette (0 without one).
    int RealizePalette();

    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const { return text_; }
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const { return bk_; }
    // TRANSPARENT or OPAQUE; another value is refused (returns 0).
    int SetBkMode(int mode);
    int GetBkMode() const { return bkMode_; }
    int SetStretchBltMode(int mode);
    int GetStretchBltMode() const { return stretchMode_; }
    // Only MM_TEXT is supported; another mode is refused (returns 0).
    int SetMapMode(int mode);
    int GetMapMode() const { return MM_TEXT; }

    POINT GetCurrentPosition() const { return position_; }
    void SetCurrentPosition(POINT p) { position_ = p; }

    int GetDeviceCaps(int index) const;

    // The colour as a plain 0x00BBGGRR value: a palette-relative colour loses its flag byte, a
    // palette index takes the entry of the selected palette (black without one).
    COLORREF Resolve(COLORREF colour) const;

    // Drawing functions call this after changing pixels of the target (target coordinates).
    void Changed(const RECT& area) const;

private:
    friend std::unique_ptr<DC> CreateCompatibleDC(const DC*);
    friend std::unique_ptr<DC> CreateWindowDC(Surface&);
    friend std::unique_ptr<DC> CreateScreenDC();
    explicit DC(Kind kind);

    int handle_;
    Kind kind_;
    HBITMAP bitmap_;
    std::weak_ptr<SurfaceState> surface_;
    Pen pen_;
    Brush brush_;
    LOGFONT font_;
    HPALETTE palette_;
    COLORREF text_ = RGB(0, 0, 0);
    COLORREF bk_ = RGB(255, 255, 255);
    int bkMode_ = OPAQUE;
    int stretchMode_ = BLACKONWHITE;
    POINT position_{0, 0};
};

using DCPtr = std::unique_ptr<DC>;

// A memory DC holding a 1 × 1 monochrome bitmap. The argument only names the device to be
// compatible with; every device here is the true-colour display.
DCPtr CreateCompatibleDC(const DC* dc);
DCPtr CreateWindowDC(Surface& surface);
// Null when the screen cannot be composed.
DCPtr CreateScreenDC();

// The live DC with that number, or null.
DC* FindDC(int handle);

// A black bitmap of the size: monochrome when dc is a memory DC holding a monochrome bitmap,
// colour otherwise. Null when the size is not positive or too large.
HBITMAP CreateCompatibleBitmap(const DC& dc, int width, int height);

// Under MM_TEXT both conversions leave the points as they are; false for a null array.
bool DPtoLP(const DC& dc, POINT* points, int count);
bool LPtoDP(const DC& dc, POINT* points, int count);

}  // namespace gdi
