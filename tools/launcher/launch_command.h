#pragma once

#include <string>

// The two variants of the CD launcher and the command line each one runs.
enum class LauncherVariant {
    kSetup,         // starts the installer F + "Tavrin/Setup.exe"
    kPresentation,  // starts the runtime F + "Tavrin/Vistrel.dll" on F + "TVData.bin"
};

// The launcher's exit code, whether or not the program started.
inline constexpr int kLauncherExitCode = 10;

// The folder F of a program file: everything up to and including the last separator, or empty
// for a bare name.
std::string ProgramFolderOf(const std::string& programPath);

// The command line of the variant with the launcher's folder F. The presentation variant passes
// the data file as one quoted argument; the runtime's own path stays unquoted, as it always was.
// A folder whose name holds a double quote gets both paths quoted and escaped instead.
std::string LauncherCommandLine(LauncherVariant variant, const std::string& folder);
