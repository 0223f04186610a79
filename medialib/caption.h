#pragma once

// The caption language of the bitmap buttons: a button is configured entirely by its window text,
// a sequence of entries "K:value~". This is the pure half: text in, parsed caption out.

#include "platform/gdi/gdi_types.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The colours, offsets and widths handed to the panel painter. The numbers in the comments are
// the entry numbers that the f key uses.
struct PanelParameters {
    gdi::COLORREF fill = 0xC0C0C0;        // 0
    gdi::COLORREF outerLight = 0xFFFFFF;  // 1
    gdi::COLORREF outerDark = 0x808080;   // 2
    gdi::COLORREF innerLight = 0x808080;  // 3
    gdi::COLORREF innerDark = 0xFFFFFF;   // 4
    gdi::COLORREF textColour = 0x000000;  // 5
    int textDx = 0;                       // 6
    int textDy = 0;                       // 7
    gdi::COLORREF shadowColour = 0xFFFFFF;  // 8
    int shadowDx = 1;                     // 9
    int shadowDy = 1;                     // 10
    int outerWidth = 2;                   // 11; -1 means no panel at all
    int innerWidth = 2;                   // 12
    int gap = 6;                          // 13
    int outline = 1;                      // 14
    char disabledTextCode = '8';          // 15

    friend bool operator==(const PanelParameters&, const PanelParameters&) = default;
};

// What the f key and the colour-scheme strings accept for a decimal entry. Widths and offsets
// beyond this make no sense on a button and would only make the painter loop for nothing.
constexpr int kMaxPanelNumber = 1000;

struct ParsedCaption {
    std::string text;
    std::string upBitmap;
    std::string downBitmap;
    std::string disabledBitmap;
    std::string font;  // "height,bold,italic,face"; the F key's "D" and "d" are already expanded
    char justification = 'C';  // L, R, C; G is the group-box look
    char bitmapAlign = 'C';    // L, R, C
    char panelStyle = 'S';     // T raised groove, R etched, D double bevel, else single bevel
    char tile = '0';           // "1" tiles the state bitmap
    char type = 'P';           // P push, C check box, R radio, S auto-repeat, I inverted disabled look
    char repeatSpeed = 0;      // the speed digit of "T:S" + arrow + digit; 0 when not given
    std::string cursor;        // u: cursor resource name
    std::string sound;         // w: file name with ".wav" appended
    PanelParameters panel;

    // The panel painter's style number: 0 raised groove, 1 etched, 2 double bevel, 3 single bevel.
    int StyleNumber() const;

    friend bool operator==(const ParsedCaption&, const ParsedCaption&) = default;
};

// The program's string table, for the c key; nullopt for a missing string.
using CaptionStringLookup = std::function<std::optional<std::string>(int id)>;

// The window text holds at most this many characters; the rest is not read.
constexpr std::size_t kMaxCaptionLength = 255;

// Parses the caption over the defaults. Unknown keys and malformed values are ignored, later
// entries override earlier ones, and a caption without ":" is taken whole as the caption text.
ParsedCaption ParseCaption(std::string_view caption, const CaptionStringLookup& strings = {});

// The font entry of the F key: four comma-separated fields, a missing one giving height 0
// or an empty face name.
struct FontEntry {
    int height = 0;
    bool bold = false;
    bool italic = false;
    std::string face;
    friend bool operator==(const FontEntry&, const FontEntry&) = default;
};
FontEntry ParseFontEntry(std::string_view text);

// Applies a colour-scheme string (key c): six colour codes, then comma-separated text offsets,
// shadow colour code and offsets, outer width, inner width, gap and outline flag. Fields that are
// missing leave their entries unchanged.
void ApplyColourScheme(std::string_view scheme, PanelParameters& panel);

// The number at the start of text as the C library's atoi reads it, limited to
// ±kMaxPanelNumber; 0 when there is none.
int CaptionNumber(std::string_view text);
