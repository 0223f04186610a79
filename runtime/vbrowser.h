#pragma once

#include <string>

#include "runtime/vrect.h"

// An embedded web browser (BROWSER, HTML).
class CVBrowser : public CVRect {
public:
    CVBrowser() { rect_ = {0, 0, 320, 240}; }
    void SetSource(const std::string& source) override { address_ = source; }

    std::string address_;
    bool scroll_ = false;
};
