#pragma once

#include <cstdint>

#include "runtime/vrect.h"
#include "script/token_kind.h"

// A scene (SCENE): its command list is found in the DO section by its name; its frame index is
// that of the enclosing frame.
class CVScene : public CVRect {
public:
    int32_t effect_ = Kind::None;
};
