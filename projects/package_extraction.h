#pragma once

#include <filesystem>
#include <optional>
#include <string>

class InternetPackageReader;

// The path below a folder that a member name stands for, its backslashes (and slashes) turned into
// folder separators; nullopt with the reason in why when the name could lead outside the folder:
// empty, absolute, with a drive, or with an empty, "." or ".." part.
std::optional<std::filesystem::path> MemberRelativePath(const std::string& name, std::string& why);

// Writes every member of an open package below folder (created when missing). Every name is
// checked before anything is written; a member whose way passes through a link is refused, and
// a member that fails to expand leaves no file of its own behind.
bool ExtractPackage(InternetPackageReader& reader, const std::filesystem::path& folder,
                    std::string& error);
