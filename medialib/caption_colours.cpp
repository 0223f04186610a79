#include "medialib/caption_colours.h"

#include <array>

namespace {

struct CodedColour {
    char code;
    gdi::COLORREF colour;
};

// G is the palette-relative sky blue; its flag byte is part of the stored value.
constexpr std::array<CodedColour, 16> kCodes{{{'0', 0x000000},
                                             {'1', 0x000080},
                                             {'2', 0x008000},
                                             {'3', 0x008080},
                                             {'4', 0x800000},
                                             {'5', 0x800080},
                                             {'6', 0x808000},
                                             {'7', 0xC0C0C0},
                                             {'8', 0x808080},
                                             {'9', 0x0000FF},
                                             {'A', 0x00FF00},
                                             {'B', 0x00FFFF},
                                             {'C', 0xFF0000},
                                             {'D', 0xFF00FF},
                                             {'E', 0xFFFF00},
                                             {'G', 0x02F0CAA6}}};

}  // namespace

gdi::COLORREF ColourFromCode(char code) {
    for (const CodedColour& c : kCodes)
        if (c.code == code) return c.colour;
    return 0xFFFFFF;
}

char CodeFromColour(gdi::COLORREF colour) {
    for (const CodedColour& c : kCodes)
        if (c.colour == colour) return c.code;
    return 'F';
}
