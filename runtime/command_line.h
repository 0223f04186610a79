#pragma once

#include <string>
#include <vector>

// The runtime takes the whole text after its program name as the path: the arguments joined by
// single blanks (so a path with blanks needs no quotes), then one pair of surrounding double
// quotes removed. platform/shell has a command-line helper of its own for the other programs;
// the runtime keeps this one so that it does not depend on the shell layer.
std::string CommandLinePath(const std::vector<std::string>& arguments);
