#pragma once

// The JPEG glue over libjpeg. Its failures are the only ones among the image readers that the
// user sees as messages (through the program's message display): the file that cannot be
// opened, the library's fatal errors (a cut-short file counts as one) and a picture too large to
// hold.

#include "medialib/dib.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Decodes the JPEG into a bottom-up 24-bit DIB (blue, green, red). One-component pictures are
// expanded to grey, four-component (CMYK) ones converted to RGB. Nothing on failure.
std::optional<PackedDib> DecodeJpeg(std::span<const std::uint8_t> data);

// Reads the file and decodes it; a file that cannot be opened shows "JPEG :\nCan't open PATH\n".
std::optional<PackedDib> ReadJpegFile(const std::string& path);
