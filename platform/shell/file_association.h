#pragma once

#include <optional>
#include <string>
#include <vector>

// The desktop's default program for a file or a web address, found the freedesktop.org way:
// the file's media type (or the address's scheme handler), the default applications of the
// mimeapps.list files, then the installed applications that declare the type.

// Where the desktop keeps its settings and applications. FromEnvironment() reads the XDG
// variables with their documented defaults; tests build their own.
struct XdgDirectories {
    std::string configHome;
    std::vector<std::string> configDirs;
    std::string dataHome;
    std::vector<std::string> dataDirs;

    static XdgDirectories FromEnvironment();
};

// The command that opens fileOrAddress, to which the caller appends a blank and the file or
// address: the program's absolute path (quoted when it holds blanks) followed by the fixed
// arguments of its desktop entry. None when the file does not exist, when its type has no
// program, or when the program is not installed.
std::optional<std::string> FindAssociatedProgram(const std::string& fileOrAddress,
                                                 const XdgDirectories& directories);
std::optional<std::string> FindAssociatedProgram(const std::string& fileOrAddress);

// The desktop's web browser: the handler of http addresses, else the program for HTML files.
std::optional<std::string> FindDefaultBrowser(const XdgDirectories& directories);
std::optional<std::string> FindDefaultBrowser();

// The program and fixed arguments of a desktop entry's Exec value: its escapes undone, field
// codes (%f, %U, ...) left out, and "%%" kept as "%". None for an empty or malformed value.
std::optional<std::vector<std::string>> ParseDesktopExec(const std::string& exec);
