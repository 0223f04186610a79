#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Receives the percentage of the package written after each member; the project manager shows it
// in its caption (command 1225).
using PackageProgress = std::function<void(int percent)>;

// Builds an Internet package from the files of a Setup folder, each compressed as an NVFF stream.
class InternetPackageBuilder {
public:
    // Appends a member, named relative to the Setup folder with backslashes.
    void AddMember(const std::string& relativeName);
    const std::vector<std::string>& Members() const { return members_; }

    // Writes every member, read from setupFolder, into the package at packagePath. The package is
    // written beside its final name and renamed into place at the end, so a member that cannot be
    // read (or any other failure) gives false with the reason in error and leaves no package.
    bool Write(const std::filesystem::path& setupFolder, const std::filesystem::path& packagePath,
               const PackageProgress& progress, std::string& error) const;

private:
    std::vector<std::string> members_;
};

// The members of a Setup folder: "TVData.bin", then every file under its "Media" folder, the files
// of a folder (sorted by name, as the system lists them, without regard to case) before its
// subfolders. Links to folders are not followed and anything but a regular file is left out.
// nullopt with the reason in error when the folder cannot be listed or a name cannot be stored.
std::optional<std::vector<std::string>> CollectPackageMembers(
    const std::filesystem::path& setupFolder, std::string& error);

struct PackageBuildResult {
    bool ok = false;
    std::filesystem::path package;  // outputFolder / (title + ".tvi")
    std::string error;
};

// The Internet version of a Make: packs setupFolder into outputFolder / (title + ".tvi"). The
// output folder must exist.
PackageBuildResult BuildInternetPackage(const std::filesystem::path& setupFolder,
                                        const std::string& title,
                                        const std::filesystem::path& outputFolder,
                                        const PackageProgress& progress = {});

// The file of a member name inside folder (backslashes become folder separators).
std::filesystem::path MemberFile(const std::filesystem::path& folder, const std::string& name);
