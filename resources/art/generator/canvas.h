#pragma once

// A bitmap with a memory DC selected into it, and the few drawing helpers the artwork needs on
// top of the drawing layer: filled polygons, discs and rings.

#include "platform/gdi/gdi.h"

#include <initializer_list>
#include <vector>

namespace art {

struct PointF {
    double x = 0;
    double y = 0;
};

class Canvas {
public:
    Canvas(int width, int height, gdi::COLORREF background);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    gdi::DC& Dc() { return *dc_; }
    const gdi::HBITMAP& Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(const gdi::RECT& rect, gdi::COLORREF colour);
    // Even-odd fill of the polygon; a pixel is painted when its centre lies inside.
    void Polygon(const std::vector<PointF>& points, gdi::COLORREF colour);
    void Polygon(std::initializer_list<PointF> points, gdi::COLORREF colour) {
        Polygon(std::vector<PointF>(points), colour);
    }
    // A straight bar of the given thickness between two points.
    void Bar(PointF from, PointF to, double thickness, gdi::COLORREF colour);
    // A filled ellipse inside (left, top, right, bottom), right and bottom exclusive.
    void Disc(int left, int top, int right, int bottom, gdi::COLORREF colour);
    // The pixels whose centres lie within radius of (cx, cy): crisper than Disc for small glyphs.
    void Round(double cx, double cy, double radius, gdi::COLORREF colour);
    // An outline of the pen width inside the box.
    void Ring(int left, int top, int right, int bottom, int width, gdi::COLORREF colour);
    // Text in the box with the DrawText flags, in Arial (Liberation Sans) of the pixel height.
    void Text(const char* text, gdi::RECT box, int pixelHeight, bool bold, gdi::COLORREF colour,
              unsigned format = gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE);

private:
    int width_;
    int height_;
    gdi::HBITMAP bitmap_;
    gdi::DCPtr dc_;
    gdi::HBITMAP previous_;
};

}  // namespace art
