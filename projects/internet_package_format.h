#pragma once

// The layout of an Internet package (.tvi), shared by its builder and its reader:
//   member 0      a complete NVFF LZW stream (magic, original length, compressed length, codes)
//   members 1..   streams without magic (original length, compressed length, codes), end to end
//   directory     count n, then per member: name length L, L name bytes (no terminator)
//   trailer       the offset of the directory
// All integers are 32-bit little endian. Member names are relative to the Setup folder and use
// backslashes.

#include <cstddef>
#include <cstdint>

namespace tvi {

inline constexpr char kSeparator = '\\';
inline constexpr const char* kDataMember = "TVData.bin";
inline constexpr const char* kMediaFolder = "Media";
inline constexpr const char* kExtension = ".tvi";

// Bounds a reader holds a package to before it allocates anything; the builder keeps to them too.
inline constexpr std::uint32_t kMaxMembers = 65536;
inline constexpr std::uint32_t kMaxNameLength = 1024;

// The percentage shown after member i (from 0) of n has been written.
inline constexpr int ProgressPercent(std::size_t i, std::size_t n) {
    return static_cast<int>((i * 100 + 100) / n);
}

}  // namespace tvi
