#pragma once

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// A temporary folder whose path holds blanks, with helpers to make the small programs the tests
// start. Removed with everything in it at the end of the test.
class ShellTestFolder {
public:
    ShellTestFolder() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("tavrin shell " + std::to_string(getpid()) + " " + std::to_string(++counter));
        std::filesystem::create_directories(path_);
    }
    ~ShellTestFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ShellTestFolder(const ShellTestFolder&) = delete;
    ShellTestFolder& operator=(const ShellTestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

    void WriteFile(const std::string& name, const std::string& content,
                   std::filesystem::perms perms) const {
        const std::filesystem::path file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
        std::filesystem::permissions(file, perms);
    }

    // A program that writes the path it was run as and then each argument it receives, each as one
    // "[text]" line, to "args.txt" beside itself; written under another name first and renamed, so
    // that a reader never sees half a record.
    void WriteRecorder(const std::string& name) const {
        WriteFile(name,
                  "#!/bin/sh\n"
                  "out=\"$(dirname \"$0\")/args.txt\"\n"
                  "printf '[%s]\\n' \"$0\" > \"$out.part\"\n"
                  "for a in \"$@\"; do printf '[%s]\\n' \"$a\" >> \"$out.part\"; done\n"
                  "mv \"$out.part\" \"$out\"\n",
                  std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                      std::filesystem::perms::others_read);
    }

    // Waits up to a few seconds for a started recorder's record (a path inside the folder) and
    // returns its lines.
    std::optional<std::vector<std::string>> WaitForRecord(
        const std::string& record = "args.txt") const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        const std::filesystem::path file = path_ / record;
        while (std::chrono::steady_clock::now() < deadline) {
            if (std::filesystem::exists(file)) {
                std::vector<std::string> lines;
                std::ifstream in(file);
                for (std::string line; std::getline(in, line);) lines.push_back(line);
                return lines;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return std::nullopt;
    }

private:
    std::filesystem::path path_;
};
