#pragma once

// Small path helpers used across the library and by its callers.

#include <string>
#include <string_view>

// The folder of the running executable with a trailing separator ("/" here).
std::string ModuleFolder();

// One part of a path: 0 the drive ("C:" or empty), 1 the directory with its trailing separator,
// 2 the file name without extension, 3 the extension without the dot (empty when there is none).
// "\" and "/" both separate; another part number gives an empty text.
std::string SplitPath(std::string_view path, int part);

// True when something exists at the path (a file-status query).
bool FileExists(std::string_view path);

// The path with "\" turned into "/" where that is the separator, so that names written for the
// original platform reach the same file.
std::string NativePath(std::string_view path);
