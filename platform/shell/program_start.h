#pragma once

#include <string>
#include <string_view>
#include <vector>

// Starting another program from a command line, the way the suite's programs start each other.
// Nothing goes through a shell: the line is split into the program and its arguments
// (command_line.h), the program is resolved to an absolute path and executed directly.

// The results the suite's programs test for. Success is any value above 31.
inline constexpr int kStartOutOfResources = 0;
inline constexpr int kStartFileNotFound = 2;
inline constexpr int kStartPathNotFound = 3;
inline constexpr int kStartBadFormat = 11;  // the file is not an executable program
inline constexpr int kStartSucceeded = 33;

inline bool StartSucceeded(int result) {
    return result > 31;
}

// Where a program named on a command line was found, or why it was not.
struct ResolvedProgram {
    std::string path;  // absolute path, empty when result is not kStartSucceeded
    int result = kStartFileNotFound;
};

// Resolves one program name. A name with a slash is a path (relative to the current folder);
// a bare name is looked up in the absolute folders of PATH only, never in the current folder.
ResolvedProgram ResolveProgram(const std::string& program);

// The program and arguments of a command line. An unquoted program path (a first word with a
// slash) that holds blanks is found by joining the following unquoted words: the shortest joined
// text that names an executable file wins. The line ends at its first NUL character.
struct ProgramCommand {
    ResolvedProgram program;
    std::vector<std::string> arguments;  // after the program, quotes removed
};
ProgramCommand ParseProgramCommand(std::string_view commandLine);

// Starts the program of commandLine with its arguments, shown normally and without waiting for
// it. The program runs in a session of its own and does not stay behind as a child of the
// caller. Returns kStartSucceeded, or kStartFileNotFound, kStartPathNotFound, kStartBadFormat or
// kStartOutOfResources from the cause of the failure.
int StartProgram(std::string_view commandLine);
