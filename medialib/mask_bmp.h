#pragma once

// CMaskBmp: a picture prepared for colour-keyed drawing, its mask and its palette, owned
// together. The mask has the picture's size and format: white where the picture had the key
// colour, black elsewhere; in the prepared picture the key colour has become black. Drawing ANDs
// the mask and then XORs the picture, which leaves the background where the key colour was.

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_objects.h"

#include <string>

class CMaskBmp {
public:
    CMaskBmp() = default;
    virtual ~CMaskBmp() = default;
    CMaskBmp(const CMaskBmp&) = delete;
    CMaskBmp& operator=(const CMaskBmp&) = delete;

    // Frees, loads the image by its extension (see image_file_hooks.h) and builds the mask for
    // the key colour. A failure leaves the holder empty.
    bool Load(const std::string& path, gdi::COLORREF key);
    // The same, with the palette selected and realised into dc first and the key taken from the
    // image's pixel at (x, y); a point outside the image gives a picture without transparency.
    bool LoadKeyAtPixel(const std::string& path, gdi::DC& dc, int x, int y);
    // Frees, then prepares a copy of image for the key colour (image itself is not changed).
    bool Build(const gdi::HBITMAP& image, const gdi::HPALETTE& palette, gdi::COLORREF key);

    // The masked copy of the part at (srcX, srcY) of width × height (-1: the picture's own) to
    // (dstX, dstY): mask with SRCAND, then the picture with SRCINVERT, skipped when the first fails.
    bool Draw(gdi::DC& dc, int srcX, int srcY, int width, int height, int dstX, int dstY);
    // The same onto another bitmap.
    bool DrawOnBitmap(const gdi::HBITMAP& target, int srcX, int srcY, int width, int height, int dstX, int dstY);
    void Free();

    bool IsEmpty() const { return m_image == nullptr; }
    const gdi::HBITMAP& Image() const { return m_image; }
    const gdi::HBITMAP& Mask() const { return m_mask; }
    const gdi::HPALETTE& Palette() const { return m_palette; }
    bool GetSize(int& width, int& height) const;

private:
    gdi::HBITMAP m_image;
    gdi::HBITMAP m_mask;
    gdi::HPALETTE m_palette;
};
