#include "resources/art/generator/canvas.h"
#include "resources/art/generator/catalogue.h"
#include "resources/art/generator/glyphs.h"
#include "resources/art/generator/style.h"

#include "medialib/panel.h"

#include <cctype>
#include <functional>

namespace art {

namespace {

enum class Symbol { Exit, Next, Blank, Again, Return, Back, Bullet };

struct ShapeCode {
    char letter;  // second letter of the code
    Symbol symbol;
};

constexpr ShapeCode kCodes[] = {{'x', Symbol::Exit},   {'n', Symbol::Next}, {'p', Symbol::Blank},
                                {'a', Symbol::Again},  {'r', Symbol::Return}, {'b', Symbol::Back},
                                {'t', Symbol::Bullet}};

struct StateTone {
    char letter;
    const Tone* tone;
};

constexpr StateTone kStates[] = {{'n', &kNormal}, {'r', &kRolled}, {'a', &kActive}};

void DrawSymbol(Canvas& canvas, Symbol symbol, Box box, const Tone& tone) {
    const COLORREF ink = tone.text;
    // A soft shadow under the symbol lifts it off the face.
    auto draw = [&](Box b, COLORREF colour) {
        switch (symbol) {
            case Symbol::Exit: DrawCross(canvas, b, colour); break;
            case Symbol::Next: DrawArrow(canvas, b, Direction::Right, colour); break;
            case Symbol::Blank: break;
            case Symbol::Again: DrawAgain(canvas, b, colour, tone.face); break;
            case Symbol::Return: DrawReturn(canvas, b, colour); break;
            case Symbol::Back: DrawArrow(canvas, b, Direction::Left, colour); break;
            case Symbol::Bullet: DrawBullet(canvas, b, colour); break;
        }
    };
    if (tone.shadow != kNoShadow) draw({box.left + 1, box.top + 1, box.width, box.height}, tone.shadow);
    draw(box, ink);
}

gdi::HBITMAP Square(Symbol symbol, const Tone& tone) {
    constexpr int kSize = 48;
    Canvas canvas(kSize, kSize, tone.face);
    PanelDescription panel;
    panel.right = kSize - 1;
    panel.bottom = kSize - 1;
    panel.style = 2;
    panel.outline = true;
    panel.fill = tone.face;
    panel.outerLight = tone.light;
    panel.outerDark = tone.dark;
    panel.innerLight = tone.dark;
    panel.innerDark = tone.light;
    panel.outerWidth = 2;
    panel.gap = 3;
    panel.innerWidth = 1;
    DrawPanel(canvas.Dc(), panel);
    const double p = tone.press;
    DrawSymbol(canvas, symbol, {14 + p, 14 + p, 20, 20}, tone);
    return canvas.Bitmap();
}

// A round or oval face on the yellow key: dark rim, light crescent to the upper left, dark
// crescent to the lower right, then the face.
gdi::HBITMAP Rounded(Symbol symbol, const Tone& tone, int width, int height) {
    Canvas canvas(width, height, kYellowKey);
    canvas.Disc(0, 0, width, height, kInk);
    canvas.Disc(1, 1, width - 1, height - 1, tone.dark);
    canvas.Disc(1, 1, width - 3, height - 3, tone.light);
    canvas.Disc(3, 3, width - 3, height - 3, tone.face);
    const double p = tone.press;
    const double side = height * 0.42;
    DrawSymbol(canvas, symbol, {(width - side) / 2 + p, (height - side) / 2 + p, side, side}, tone);
    return canvas.Bitmap();
}

}  // namespace

void AddStandardShapes(Catalogue& catalogue) {
    struct Family {
        char letter;
        std::function<gdi::HBITMAP(Symbol, const Tone&)> draw;
    };
    const Family families[] = {
        {'s', Square},
        {'r', [](Symbol s, const Tone& t) { return Rounded(s, t, 48, 48); }},
        {'o', [](Symbol s, const Tone& t) { return Rounded(s, t, 72, 44); }},
    };
    for (const Family& family : families) {
        for (const ShapeCode& code : kCodes) {
            for (const StateTone& state : kStates) {
                std::string name{family.letter, code.letter, state.letter};
                name += ".B4";
                Artwork artwork;
                artwork.names = {name};
                artwork.bitmap = family.draw(code.symbol, *state.tone);
                catalogue.push_back(std::move(artwork));
            }
        }
    }
}

}  // namespace art
