#pragma once

#include <string>

#include "runtime/vrect.h"

// A program that a presentation starts (PROGRAM).
class CVProgram : public CVRect {
public:
    void SetSource(const std::string& source) override { source_ = source; }

    std::string source_;
    std::string parameter_;
};
