#pragma once

#include <string>

// The result of loading a script or TVData.bin the way the runtime does, without a window.
struct ScriptCheck {
    enum class Status { Loaded, ScriptError, Unreadable };
    Status status = Status::Loaded;
    // ScriptError: the first error as "line.column message"; Unreadable: why the file was not read.
    std::string message;
};

// Scans and parses the file with the runtime's grammar, recording the first error instead of
// showing it. Shared by "Vistrel.dll --check" and "tvscript check".
ScriptCheck CheckScriptFile(const std::string& path);
