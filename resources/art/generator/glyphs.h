#pragma once

// Symbols drawn into a box of a canvas: arrows, the exit cross, the again and return arrows, the
// bullet, check marks and the small diagrams of the Layout palette.

#include "resources/art/generator/canvas.h"

namespace art {

using gdi::COLORREF;

struct Box {
    double left, top, width, height;
    double cx() const { return left + width / 2; }
    double cy() const { return top + height / 2; }
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

enum class Direction { Up, Down, Left, Right };

// A block arrow filling the box, pointing in the direction.
void DrawArrow(Canvas& canvas, Box box, Direction direction, COLORREF colour);
// A solid triangle pointing in the direction, filling the box.
void DrawTriangle(Canvas& canvas, Box box, Direction direction, COLORREF colour);
// A diagonal cross.
void DrawCross(Canvas& canvas, Box box, COLORREF colour);
// A circular arrow turning clockwise; the gap is painted in the ground colour.
void DrawAgain(Canvas& canvas, Box box, COLORREF colour, COLORREF ground);
// An arrow going down and then back to the left.
void DrawReturn(Canvas& canvas, Box box, COLORREF colour);
void DrawBullet(Canvas& canvas, Box box, COLORREF colour);
void DrawCheckMark(Canvas& canvas, Box box, double thickness, COLORREF colour);
// An arrow turning back anticlockwise (undo).
void DrawUndo(Canvas& canvas, Box box, COLORREF colour, COLORREF ground);

// Outlined rectangle of whole pixels (right and bottom exclusive).
void DrawFrame(Canvas& canvas, int left, int top, int right, int bottom, COLORREF colour);

}  // namespace art
