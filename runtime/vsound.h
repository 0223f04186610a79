#pragma once

#include <cstdint>
#include <string>

#include "runtime/vrect.h"
#include "script/token_kind.h"

// A sound (SOUND).
class CVSound : public CVRect {
public:
    VClass ClassRecord() const override { return VClass::Sound; }
    void SetSource(const std::string& source) override { source_ = source; }

    bool sync_ = true;  // LOOP on forces it off
    std::string source_;
    int32_t click_ = Kind::EndWord;
    bool open_ = false;
    bool loop_ = false;
};
