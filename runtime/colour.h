#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A colour as scripts and the drawing code store it: red in the low byte, then green, then blue;
// the top byte is 0.
using Colour = uint32_t;

constexpr Colour MakeColour(int32_t red, int32_t green, int32_t blue) {
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int32_t RedOf(Colour c) { return static_cast<int32_t>(c & 0xFF); }
constexpr int32_t GreenOf(Colour c) { return static_cast<int32_t>((c >> 8) & 0xFF); }
constexpr int32_t BlueOf(Colour c) { return static_cast<int32_t>((c >> 16) & 0xFF); }

inline constexpr Colour kWhite = MakeColour(255, 255, 255);
inline constexpr Colour kBlack = MakeColour(0, 0, 0);

// One of the sixteen colour words of scripts (exact, case-sensitive); white for any other name.
Colour ColourByName(std::string_view name);
