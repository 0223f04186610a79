#pragma once

// Limits every image reader applies to untrusted input before it allocates anything, and the
// whole-file read that the file readers share.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

constexpr std::uint64_t kMaxImageSide = 16384;
constexpr std::uint64_t kMaxImagePixels = std::uint64_t{256} << 20;
// Image files larger than this are refused before they are read.
constexpr std::uint64_t kMaxImageFileBytes = std::uint64_t{512} << 20;

// True when a picture of width × height may be decoded: both sides from 1 to kMaxImageSide and
// at most kMaxImagePixels pixels.
constexpr bool ImageSizeAllowed(std::uint64_t width, std::uint64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

enum class FileReadResult { Ok, CannotOpen, ReadFailure, TooLarge };

// Reads the whole file (the path takes '\' or '/' separators).
FileReadResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);
