#pragma once

#include <cstdint>
#include <string>

#include "runtime/vrect.h"
#include "script/token_kind.h"

// An animation or video (ANIM, ANIMATION). Without SIZE it plays at the media's natural size,
// which right = bottom = -1 stands for.
class CVAnimation : public CVRect {
public:
    CVAnimation() { rect_ = {0, 0, -1, -1}; }
    VClass ClassRecord() const override { return VClass::Animation; }
    void SetSource(const std::string& source) override { source_ = source; }

    std::string source_;
    int32_t click_ = Kind::EndWord;  // what a click does while it plays; Anim marks a video run
    bool sync_ = true;
    bool stay_ = true;
    bool open_ = false;
    bool captured_ = false;
    bool repeat_ = false;  // LOOP: handed to the media player when it is opened
};
