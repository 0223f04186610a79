#pragma once

#include <cstdint>
#include <string>

// The values the runtime keeps for the whole process.
struct RuntimeGlobals {
    bool firstOpen = true;       // cleared by the first document open
    std::string startPath;       // the path the first open remembered; the media folder's base
    int32_t currentFrame = -1;   // frame of the button that last performed an action
    std::string programFolder;   // the running program's folder, with a trailing separator
};

RuntimeGlobals& Globals();
// Back to the values at program start, for tests.
void ResetGlobals();
