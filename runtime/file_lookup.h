#pragma once

#include <string>

// Names written in scripts use "\" or "/" between folders, and authors on other systems did not
// have to match the letter case of the files. The path of the regular file folder + name, taking
// either separator and, where a part does not exist with its exact case, the one entry of that
// folder that matches it ignoring case (the first in name order when several do). Empty when
// there is no such file. REQUIRES: folder ends with a separator or is empty.
std::string FindExistingFile(const std::string& folder, const std::string& name);

// The text with every "\" turned into "/".
std::string WithForwardSlashes(std::string text);
