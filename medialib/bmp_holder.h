#pragma once

// CBmp: a device bitmap and its logical palette (null when the picture has none), owned
// together. Freeing, reloading or destroying the holder releases both.

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_objects.h"
#include "platform/gdi/surface.h"

#include <string>
#include <string_view>

class CBmp {
public:
    CBmp() = default;
    virtual ~CBmp() = default;
    CBmp(const CBmp&) = delete;
    CBmp& operator=(const CBmp&) = delete;

    // The run-time class name; a holder has no stored form, so Serialize does nothing.
    virtual std::string_view ClassName() const { return "CBmp"; }
    virtual void Serialize() {}

    const gdi::HBITMAP& Bitmap() const { return m_bitmap; }
    const gdi::HPALETTE& Palette() const { return m_palette; }
    bool IsEmpty() const { return m_bitmap == nullptr; }
    // Frees the holder, then takes both.
    void Attach(gdi::HBITMAP bitmap, gdi::HPALETTE palette);

    void Free();
    // Frees, then loads by the name's extension (see image_file_hooks.h).
    bool Load(const std::string& name);
    bool GetSize(int& width, int& height) const;

    // Copies the part at (srcX, srcY) of width × height (-1: the bitmap's own) to (dstX, dstY).
    // With realisePalette and a palette, the palette is selected into dc and realised, and the
    // previous one selected back before the copy. False when empty.
    bool Draw(gdi::DC& dc, int srcX, int srcY, int width, int height, int dstX, int dstY, bool realisePalette);
    // Draws the picture at x = (right - left - width) / 2 + left + 1 and
    // y = (bottom - top - height) / 2 + top + 1, unclipped (a larger picture starts left of and
    // above the rectangle).
    bool DrawCentred(gdi::DC& dc, const gdi::RECT& rect);
    // Fills the window's client area with copies of the picture from its top-left corner, left to
    // right and top to bottom, the last column and row cut at the edge.
    bool TileWindow(gdi::Surface& window);
    // The same over area on any DC.
    bool TileOnto(gdi::DC& dc, const gdi::RECT& area);
    // Frees, then takes a copy of the other's bitmap and palette. False when the other is empty.
    bool CopyFrom(const CBmp& other);
    // Frees, then captures the window's area at (x, y) of width × height from the screen (a width
    // of -1: the whole client area); the palette becomes GetSystemPaletteCopy(). True when a
    // bitmap was captured.
    bool GrabWindowArea(const gdi::Surface& window, int x, int y, int width, int height);
    // By the upper-cased extension: "BMP" writes a DIB file, "PCX" the PCX writer; any other
    // extension returns false and writes nothing. False when empty.
    bool SaveAs(const std::string& path) const;

private:
    gdi::HBITMAP m_bitmap;
    gdi::HPALETTE m_palette;
};
