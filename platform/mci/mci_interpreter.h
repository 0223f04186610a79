#pragma once

#include <string>
#include <string_view>

#include "platform/mci/window_registry.h"

// Size of the return buffer every command is sent with: answers hold at most 99 characters.
constexpr std::size_t kMciReturnTextSize = 100;

// The string-command media interface: the stand-in for mciSendString. Implemented over GStreamer
// by GstMciInterpreter; tests of the callers put a recording one in its place.
class MciInterpreter {
public:
    virtual ~MciInterpreter() = default;

    // Runs command. returnText receives the answer (at most kMciReturnTextSize - 1 characters,
    // empty for commands without one). notifyWindow receives the completion of a command sent with
    // "notify". Returns 0 or an mci_error number.
    virtual int SendString(std::string_view command, std::string& returnText,
                           WindowHandle notifyWindow) = 0;
};

// The interpreter of this process: the GStreamer layer, created on first use, unless replaced.
MciInterpreter& CurrentMciInterpreter();

// Replaces the interpreter (the caller keeps ownership and must restore it before destroying it);
// null restores the GStreamer layer. Returns the one it replaces.
MciInterpreter* SetMciInterpreter(MciInterpreter* interpreter);
