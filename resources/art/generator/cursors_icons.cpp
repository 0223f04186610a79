#include "resources/art/generator/canvas.h"
#include "resources/art/generator/catalogue.h"
#include "resources/art/generator/glyphs.h"
#include "resources/art/generator/style.h"

namespace art {

namespace {

// A pointing hand, the index finger up, outlined in ink on the magenta key.
gdi::HBITMAP Hand() {
    Canvas canvas(32, 32, kMagentaKey);
    const std::vector<PointF> outline = {
        {9, 1},   {12, 1},  {13, 3},  {13, 11}, {15, 10}, {17, 11}, {18, 12}, {20, 11}, {22, 12},
        {23, 13}, {25, 13}, {27, 15}, {27, 23}, {25, 28}, {24, 31}, {11, 31}, {10, 28}, {4, 21},
        {3, 18},  {4, 16},  {6, 16},  {8, 18},  {8, 3}};
    canvas.Polygon(outline, kInk);
    // The same outline pulled in by about a pixel and a half makes the glove.
    const std::vector<PointF> inside = {
        {10, 2.5},  {11.5, 2.5}, {11.8, 3.5}, {11.8, 13},  {15, 11.6}, {16.6, 12.4}, {17.6, 13.6},
        {20, 12.6}, {21.6, 13.4}, {22.6, 14.6}, {24.6, 14.6}, {25.6, 15.8}, {25.6, 22.8}, {23.8, 27.4},
        {22.8, 29.6}, {12.4, 29.6}, {11.4, 27.2}, {5.4, 20.4}, {4.6, 18.2}, {5.2, 17.4}, {6.2, 17.6},
        {9.6, 21}, {9.6, 3.5}};
    canvas.Polygon(inside, kWhite);
    // Knuckle creases.
    canvas.Fill({14, 14, 15, 19}, kPaperShade);
    canvas.Fill({18, 15, 19, 19}, kPaperShade);
    canvas.Fill({22, 16, 23, 19}, kPaperShade);
    return canvas.Bitmap();
}

// A program icon: the emblem tile in the family's blue with the program's own sign.
gdi::HBITMAP ProgramIcon(char sign) {
    Canvas canvas(32, 32, kMagentaKey);
    canvas.Disc(0, 0, 32, 32, kInk);
    canvas.Disc(1, 1, 31, 31, kNormal.dark);
    canvas.Disc(1, 1, 29, 29, kNormal.light);
    canvas.Disc(3, 3, 29, 29, kNormal.face);
    switch (sign) {
        case 'V':  // the player: a play triangle
            DrawTriangle(canvas, {9, 8, 16, 16}, Direction::Right, kAccent);
            break;
        case 'T':  // the project manager: the emblem's T
            canvas.Polygon({{8, 8}, {24, 8}, {24, 12}, {18, 12}, {18, 25}, {14, 25}, {14, 12}, {8, 12}}, kAccent);
            break;
        case 'E':  // the editor: a page with lines and a pencil
            canvas.Fill({8, 6, 21, 25}, kWhite);
            for (int y = 10; y < 23; y += 3) canvas.Fill({10, y, 19, y + 1}, kPaperShade);
            canvas.Bar({24, 9}, {14, 21}, 4, kAccent);
            canvas.Polygon({{13, 19}, {16, 22}, {12, 23}}, kInk);
            break;
        case 'R':  // the animation builder: a film strip
            canvas.Fill({7, 7, 25, 25}, kInk);
            for (int y = 8; y < 24; y += 4) {
                canvas.Fill({8, y, 10, y + 2}, kWhite);
                canvas.Fill({22, y, 24, y + 2}, kWhite);
            }
            canvas.Fill({11, 9, 21, 15}, kAccent);
            canvas.Fill({11, 17, 21, 23}, kNormal.light);
            break;
        case 'Q':  // the rectangle tool: a dashed selection with corner handles
            DrawFrame(canvas, 8, 9, 24, 23, kWhite);
            for (const auto& [x, y] : {std::pair{7, 8}, {22, 8}, {7, 21}, {22, 21}}) canvas.Fill({x, y, x + 3, y + 3}, kAccent);
            break;
        case 'L':  // the launcher: an arrow out of a box
            canvas.Fill({8, 14, 24, 25}, kWhite);
            canvas.Fill({9, 15, 23, 24}, kNormal.light);
            DrawArrow(canvas, {11, 5, 10, 13}, Direction::Up, kAccent);
            break;
        default: break;
    }
    return canvas.Bitmap();
}

}  // namespace

void AddCursorsAndIcons(Catalogue& catalogue) {
    Artwork hand;
    hand.kind = ResourceKind::Cursor;
    hand.names = {"hand"};
    hand.bitmap = Hand();
    hand.transparent = kMagentaKey;
    hand.hotspot = {10, 1};
    catalogue.push_back(std::move(hand));
    const std::pair<const char*, char> icons[] = {{"Vistrel", 'V'},   {"Tavrin", 'T'},    {"TavrinEd", 'E'},
                                                  {"Reelcraft", 'R'}, {"Rectangle", 'Q'}, {"Launcher", 'L'}};
    for (const auto& [name, sign] : icons) {
        Artwork icon;
        icon.kind = ResourceKind::Icon;
        icon.names = {name};
        icon.bitmap = ProgramIcon(sign);
        icon.transparent = kMagentaKey;
        catalogue.push_back(std::move(icon));
    }
}

Catalogue MakeCatalogue() {
    Catalogue catalogue;
    AddDialogArt(catalogue);
    AddStandardShapes(catalogue);
    AddControlGlyphs(catalogue);
    AddCursorsAndIcons(catalogue);
    return catalogue;
}

}  // namespace art
