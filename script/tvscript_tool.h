#pragma once

#include <ostream>
#include <string>
#include <vector>

// The tvscript command: tokens, compile and check. Returns the process exit code: 0 on success,
// 101 after a script error, 2 for usage and file errors.
int RunTvscript(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// True when the file starts with the TVData.bin magic number.
bool IsCompiledDataFile(const std::string& path);
