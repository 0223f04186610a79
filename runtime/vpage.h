#pragma once

#include <string>

#include "runtime/vrect.h"

// A picture page shown in the page viewer (PAGE).
class CVPage : public CVRect {
public:
    CVPage() { rect_ = {0, 0, 640, 480}; }
    void SetSource(const std::string& source) override { source_ = source; }

    std::string source_;
};
