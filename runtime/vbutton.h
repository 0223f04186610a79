#pragma once

#include <cstdint>
#include <string>

#include "runtime/colour.h"
#include "runtime/vrect.h"
#include "script/token_kind.h"

// The colour value that stands for "no colour given".
inline constexpr Colour kNoColour = 0x00010000;

// Style values of buttons besides the token kinds a script may write.
inline constexpr int32_t kStyleFrame = 2;
inline constexpr int32_t kStyleButton = 3;

// A button, image or text box (BUTTON, IMAGE, TEXTBOX).
class CVButton : public CVRect {
public:
    VClass ClassRecord() const override { return VClass::Button; }
    void SetSource(const std::string& source) override { source_ = source; }

    std::string source_;
    std::string rollImage_;
    std::string activeImage_;
    int32_t type_ = Kind::Command;
    int32_t action_ = Kind::Ignore;
    std::string actionArgument_;
    int32_t rollAction_ = Kind::Ignore;
    std::string rollActionArgument_;
    bool transparent_ = false;
    Colour transparentColour_ = 0;
    bool glide_ = false;
    int32_t shape_ = Kind::SquareBullet;  // IMAGE and TEXTBOX start with 0 (none)
    std::string clickSound_;              // "!" stands for no sound
    bool on_ = false;
    bool scale_ = true;
    int32_t effect_ = Kind::None;
    bool autoHeight_ = false;
    int16_t group_ = -1;
    Colour colour_ = kNoColour;
    int32_t style_ = kStyleButton;
    std::string text_;
    std::string textStyleName_;
};
