#pragma once

#include <cstdint>
#include <string>

#include "runtime/colour.h"
#include "script/token_kind.h"

// The logical-font record of a text style, as the drawing layer takes it.
struct VLogFont {
    int32_t height = 20;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0;  // 0 is the default weight, 700 bold
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    std::string faceName = "Times New Roman";  // at most kMaxFaceName characters
};

inline constexpr size_t kMaxFaceName = 31;

// Text-drawing flags of a style: word break and tab expansion always, plus the alignment.
inline constexpr uint32_t kFormatLeft = 0x50;
inline constexpr uint32_t kFormatCentre = 0x51;
inline constexpr uint32_t kFormatRight = 0x52;

// A text style (TEXTSTYLE): a plain record kept in its own list, found by name.
struct CVTextStyle {
    std::string name;
    Colour colour = MakeColour(0, 0, 0);
    Colour activeColour = MakeColour(130, 0, 0);
    Colour rollColour = MakeColour(180, 0, 0);
    VLogFont font;
    uint32_t format = kFormatCentre;
    int32_t verticalAlignment = Kind::Center;
};
