#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// A whole-script check (the runtime's loader, which this layer cannot link): given the path, it
// prints any error on err and returns the exit code.
using TvscriptCheck = std::function<int(const std::string& path, std::ostream& err)>;

// The tvscript command: tokens, compile and check. Returns the process exit code: 0 on success,
// 101 after a script error, 2 for usage and file errors. "check" uses the given check, or reports
// lexical errors only without one.
int RunTvscript(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const TvscriptCheck& check = {});

// True when the file starts with the TVData.bin magic number.
bool IsCompiledDataFile(const std::string& path);
