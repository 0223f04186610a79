#pragma once

// Constants shared by the NVFF stream writer and reader. The byte layout of a stream:
//   [magic, 8 bytes, only at the start of a file] [original length] [compressed length] [codes]
// with both lengths 32-bit little endian.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The kind numbers are the indices of the magic table; a file that matches none is plain.
enum class NvffKind : int { Plain = -1, Huffman = 0, Lzss = 1, Lzw = 2 };

namespace nvff {

inline constexpr std::size_t kMagicSize = 8;
inline constexpr std::array<std::string_view, 3> kMagics = {"NVFFHUFF", "NVFFLZSS", "NVFFLZW "};

inline constexpr std::size_t kLengthWordsSize = 8;
inline constexpr std::size_t kHeaderSize = kMagicSize + kLengthWordsSize;

// Code bytes collect in a buffer of this size before they go to the file.
inline constexpr std::size_t kBufferSize = 32000;

// LZW codes: 0 to 255 are single bytes, then three control codes, then the dictionary strings.
inline constexpr std::uint32_t kEndCode = 256;
inline constexpr std::uint32_t kBumpCode = 257;
inline constexpr std::uint32_t kClearCode = 258;
inline constexpr std::uint32_t kFirstFreeCode = 259;
inline constexpr int kMinWidth = 9;
inline constexpr int kMaxWidth = 15;
inline constexpr std::uint32_t kFirstBumpLimit = 511;
// Once the next code reaches this, the 15-bit codes are used up and the dictionary starts over.
inline constexpr std::uint32_t kCodeLimit = 32768;

// The compressor's hashed dictionary. The size is prime, so the probe sequence visits every entry.
inline constexpr std::uint32_t kDictionarySize = 35023;
inline constexpr int kCharShift = 7;

// The longest string one code can stand for: entry k holds at most k - 257 bytes.
inline constexpr std::uint32_t kLongestString = kCodeLimit - 1 - (kFirstFreeCode - 2);

inline constexpr std::uint32_t ReadLe32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

inline constexpr void WriteLe32(std::uint8_t* p, std::uint32_t value) {
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
    p[2] = static_cast<std::uint8_t>(value >> 16);
    p[3] = static_cast<std::uint8_t>(value >> 24);
}

// The most bytes that compressedLength code bytes can expand to. Every data code is at least
// kMinWidth bits wide, so a stated original length above this cannot be honest.
inline constexpr std::uint64_t MaxOriginalLength(std::uint64_t compressedLength) {
    return (compressedLength * 8 / kMinWidth + 1) * kLongestString;
}

}  // namespace nvff
