#include "resources/art/generator/canvas.h"
#include "resources/art/generator/catalogue.h"
#include "resources/art/generator/glyphs.h"
#include "resources/art/generator/style.h"

#include <functional>

namespace art {

namespace {

void Add(Catalogue& catalogue, std::string name, gdi::HBITMAP bitmap) {
    Artwork artwork;
    artwork.names = {std::move(name)};
    artwork.bitmap = std::move(bitmap);
    catalogue.push_back(std::move(artwork));
}

constexpr int kGlyph = 13;

// The sunken well of a check box: shade and ink along the top and left, white and paper along the
// bottom and right, then the field.
void CheckWell(Canvas& canvas, COLORREF field) {
    canvas.Fill({0, 0, kGlyph, kGlyph}, kPaperShade);
    canvas.Fill({1, 1, kGlyph, kGlyph}, kWhite);
    canvas.Fill({1, 1, kGlyph - 1, kGlyph - 1}, kInk);
    canvas.Fill({2, 2, kGlyph - 1, kGlyph - 1}, kPaper);
    canvas.Fill({2, 2, kGlyph - 2, kGlyph - 2}, field);
}

gdi::HBITMAP CheckBox(int mark, bool enabled) {
    Canvas canvas(kGlyph, kGlyph, kPaper);
    CheckWell(canvas, enabled ? kWhite : kPaper);
    if (mark == 1) DrawCheckMark(canvas, {2.5, 2.5, 8, 8}, 1.9, kInk);
    if (mark == 2) canvas.Fill({4, 4, 9, 9}, kNormal.face);
    return canvas.Bitmap();
}

gdi::HBITMAP Radio(bool dot, bool enabled) {
    Canvas canvas(kGlyph, kGlyph, kPaper);
    // The same sunken well as the check box, in round: white to the lower right, shade to the
    // upper left, then an ink rim and the field.
    canvas.Round(6.9, 6.9, 6.3, kWhite);
    canvas.Round(6.1, 6.1, 6.1, kPaperShade);
    canvas.Round(6.5, 6.5, 5.4, kInk);
    canvas.Round(6.5, 6.5, 4.4, enabled ? kWhite : kPaper);
    if (dot) canvas.Round(6.5, 6.5, 2.3, kInk);
    return canvas.Bitmap();
}

// The arrows of auto-repeat buttons: up, held and disabled looks.
gdi::HBITMAP RepeatArrow(Direction direction, char look) {
    Canvas canvas(16, 16, kPaper);
    const Box box{3, 3, 10, 10};
    if (look == 'H') {
        DrawTriangle(canvas, {box.left + 1, box.top + 1, box.width, box.height}, direction, kNormal.face);
    } else if (look == 'D') {
        DrawTriangle(canvas, {box.left + 1, box.top + 1, box.width, box.height}, direction, kWhite);
        DrawTriangle(canvas, box, direction, kPaperShade);
    } else {
        DrawTriangle(canvas, box, direction, kInk);
    }
    return canvas.Bitmap();
}

// Stripes tiled over a disabled button.
gdi::HBITMAP Stripes(bool horizontal) {
    Canvas canvas(4, 4, kPaper);
    for (int i = 1; i < 4; i += 2) {
        if (horizontal) {
            canvas.Fill({0, i, 4, i + 1}, kPaperShade);
        } else {
            canvas.Fill({i, 0, i + 1, 4}, kPaperShade);
        }
    }
    return canvas.Bitmap();
}

// A small object of a layout diagram: a blue box with an ink outline.
void Block(Canvas& canvas, int left, int top, int right, int bottom) {
    canvas.Fill({left, top, right, bottom}, kInk);
    canvas.Fill({left + 1, top + 1, right - 1, bottom - 1}, kNormal.light);
}

constexpr int kIcon = 16;

gdi::HBITMAP Icon(const std::function<void(Canvas&)>& draw) {
    Canvas canvas(kIcon, kIcon, kPaper);
    draw(canvas);
    return canvas.Bitmap();
}

void AddLayoutPalette(Catalogue& catalogue) {
    // Alignment: an amber reference edge with two objects against it.
    Add(catalogue, "<Up", Icon([](Canvas& c) {
            c.Fill({1, 1, 15, 3}, kAccent);
            Block(c, 3, 3, 7, 14);
            Block(c, 9, 3, 13, 10);
        }));
    Add(catalogue, "<Down", Icon([](Canvas& c) {
            c.Fill({1, 13, 15, 15}, kAccent);
            Block(c, 3, 2, 7, 13);
            Block(c, 9, 6, 13, 13);
        }));
    Add(catalogue, "<Left", Icon([](Canvas& c) {
            c.Fill({1, 1, 3, 15}, kAccent);
            Block(c, 3, 3, 14, 7);
            Block(c, 3, 9, 10, 13);
        }));
    Add(catalogue, "<Right", Icon([](Canvas& c) {
            c.Fill({13, 1, 15, 15}, kAccent);
            Block(c, 2, 3, 13, 7);
            Block(c, 6, 9, 13, 13);
        }));
    // Sizing: two objects brought to the same size, height or width.
    Add(catalogue, "<SameS", Icon([](Canvas& c) {
            Block(c, 1, 4, 7, 12);
            Block(c, 9, 4, 15, 12);
            c.Fill({1, 14, 15, 15}, kAccent);
        }));
    Add(catalogue, "<SameH", Icon([](Canvas& c) {
            c.Fill({0, 2, 16, 3}, kAccent);
            c.Fill({0, 13, 16, 14}, kAccent);
            Block(c, 2, 3, 6, 13);
            Block(c, 8, 3, 14, 13);
        }));
    Add(catalogue, "<SameW", Icon([](Canvas& c) {
            c.Fill({2, 0, 3, 16}, kAccent);
            c.Fill({13, 0, 14, 16}, kAccent);
            Block(c, 3, 2, 13, 6);
            Block(c, 3, 8, 13, 14);
        }));
    // Centring in the frame: the frame, its centre line and the object on it.
    Add(catalogue, "<CenterH", Icon([](Canvas& c) {
            DrawFrame(c, 0, 1, 16, 15, kPaperDeep);
            Block(c, 4, 5, 12, 11);
            c.Fill({7, 2, 9, 14}, kAccent);
        }));
    Add(catalogue, "<CenterV", Icon([](Canvas& c) {
            DrawFrame(c, 1, 0, 15, 16, kPaperDeep);
            Block(c, 5, 4, 11, 12);
            c.Fill({2, 7, 14, 9}, kAccent);
        }));
    // Spacing: three objects at equal distances.
    Add(catalogue, "<DistH", Icon([](Canvas& c) {
            Block(c, 0, 4, 4, 12);
            Block(c, 6, 4, 10, 12);
            Block(c, 12, 4, 16, 12);
            c.Fill({4, 7, 6, 9}, kAccent);
            c.Fill({10, 7, 12, 9}, kAccent);
        }));
    Add(catalogue, "<DistV", Icon([](Canvas& c) {
            Block(c, 4, 0, 12, 4);
            Block(c, 4, 6, 12, 10);
            Block(c, 4, 12, 12, 16);
            c.Fill({7, 4, 9, 6}, kAccent);
            c.Fill({7, 10, 9, 12}, kAccent);
        }));
    // Moving one pixel at a time.
    const std::pair<const char*, Direction> moves[] = {{"<MoveUp", Direction::Up},
                                                        {"<MoveDown", Direction::Down},
                                                        {"<MoveLeft", Direction::Left},
                                                        {"<MoveRight", Direction::Right}};
    for (const auto& [name, direction] : moves) {
        const Direction d = direction;
        Add(catalogue, name, Icon([d](Canvas& c) {
                DrawArrow(c, {3, 3, 11, 11}, d, kNormal.shadow);
                DrawArrow(c, {2, 2, 11, 11}, d, kNormal.face);
            }));
    }
    Add(catalogue, "<MoveUpP", Icon([](Canvas& c) { DrawArrow(c, {3, 3, 11, 11}, Direction::Up, kActive.face); }));
    // Extending and shrinking: an object with arrows pointing out of it or into it.
    auto stretch = [](bool vertical, bool outwards) {
        return Icon([vertical, outwards](Canvas& c) {
            if (vertical) {
                Block(c, 4, 5, 12, 11);
                DrawTriangle(c, {5, 0, 6, 4}, outwards ? Direction::Up : Direction::Down, kInk);
                DrawTriangle(c, {5, 12, 6, 4}, outwards ? Direction::Down : Direction::Up, kInk);
            } else {
                Block(c, 5, 4, 11, 12);
                DrawTriangle(c, {0, 5, 4, 6}, outwards ? Direction::Left : Direction::Right, kInk);
                DrawTriangle(c, {12, 5, 4, 6}, outwards ? Direction::Right : Direction::Left, kInk);
            }
        });
    };
    Add(catalogue, "<ExtendV", stretch(true, true));
    Add(catalogue, "<ShrinkV", stretch(true, false));
    Add(catalogue, "<ExtendH", stretch(false, true));
    Add(catalogue, "<ShrinkH", stretch(false, false));
    // Writing the changes into the script, and taking them back.
    Add(catalogue, "<Update", Icon([](Canvas& c) {
            DrawCheckMark(c, {2, 3, 13, 11}, 2.6, kNormal.shadow);
            DrawCheckMark(c, {1, 2, 13, 11}, 2.6, kNormal.face);
        }));
    Add(catalogue, "<Revert", Icon([](Canvas& c) { DrawUndo(c, {1, 1, 14, 14}, kInk, kPaper); }));
}

}  // namespace

void AddControlGlyphs(Catalogue& catalogue) {
    Add(catalogue, "=C", CheckBox(0, true));
    Add(catalogue, "=T", CheckBox(1, true));
    Add(catalogue, "=F", CheckBox(2, true));
    Add(catalogue, "=L", CheckBox(0, false));
    Add(catalogue, "=U", Radio(false, true));
    Add(catalogue, "=D", Radio(true, true));
    Add(catalogue, "=P", Radio(false, false));
    Add(catalogue, "=HP", Stripes(true));
    Add(catalogue, "=VP", Stripes(false));
    const std::pair<char, Direction> arrows[] = {
        {'U', Direction::Up}, {'D', Direction::Down}, {'L', Direction::Left}, {'R', Direction::Right}};
    for (const auto& [letter, direction] : arrows) {
        const std::string base = std::string("=s") + letter;
        Add(catalogue, base, RepeatArrow(direction, 'N'));
        Add(catalogue, base + "H", RepeatArrow(direction, 'H'));
        Add(catalogue, base + "D", RepeatArrow(direction, 'D'));
    }
    AddLayoutPalette(catalogue);
}

}  // namespace art
