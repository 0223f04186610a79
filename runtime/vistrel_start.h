#pragma once

#include <ostream>
#include <string>
#include <vector>

// What the runtime's command line asks for.
struct VistrelArguments {
    bool check = false;  // "--check SCRIPT": load headless and report the first error
    std::string path;    // the presentation: script or TVData.bin; empty when none was given
};

// "--check" followed by the script, or else the whole command line as the path.
VistrelArguments ParseVistrelArguments(const std::vector<std::string>& arguments);

// The --check mode: loads the file; prints the first error as "line.column message" (or why the
// file could not be read) on err. 0 when the script loads, kExitScriptError otherwise.
int RunCheckMode(const std::string& path, std::ostream& err);
