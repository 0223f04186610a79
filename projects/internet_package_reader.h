#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct PackageMember {
    std::string name;  // relative to the Setup folder, with backslashes
    std::uint32_t originalLength = 0;
    std::uint32_t compressedLength = 0;
    std::uint64_t dataOffset = 0;  // where the member's code bytes start
};

// Reads an Internet package. The file is untrusted: Open checks the trailer, the directory and
// every member's place against the file before it reports success, and expanding a member stops
// with an error at the first bad code.
class InternetPackageReader {
public:
    // Receives expanded bytes in order; returning false stops the expansion.
    using Sink = std::function<bool(const std::uint8_t* bytes, std::size_t count)>;

    bool Open(const std::filesystem::path& path);

    const std::vector<PackageMember>& Members() const { return members_; }
    std::uint32_t DirectoryOffset() const { return directoryOffset_; }

    // REQUIRES: Open succeeded and index < Members().size().
    bool Expand(std::size_t index, const Sink& sink);
    std::optional<std::vector<std::uint8_t>> ExpandToMemory(std::size_t index);

    const std::string& Error() const { return error_; }

private:
    bool Fail(std::string message);
    bool ReadAt(std::uint64_t offset, void* bytes, std::size_t count);

    std::filesystem::path path_;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_{nullptr, &std::fclose};
    std::uint64_t size_ = 0;
    std::uint32_t directoryOffset_ = 0;
    std::vector<PackageMember> members_;
    std::string error_;
};
