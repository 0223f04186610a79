// Feeds arbitrary bytes to the DIB file reader and converts whatever it accepts, so that every
// header the reader lets through is also decoded, turned into a palette and written back.

#include "medialib/dib.h"
#include "medialib/dib_convert.h"
#include "medialib/dib_file.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto dib = ReadDibFromBytes(std::span<const std::uint8_t>(data, size));
    if (!dib) return 0;
    CreateDibPalette(*dib);
    const auto layout = CheckDib(*dib);
    if (!layout) __builtin_trap();  // the reader promised a well-formed block
    // Run-length pictures may be large for their bytes; their decoding is the same at any size,
    // so the fuzzer skips the big ones to keep its pace.
    if (static_cast<std::uint64_t>(layout->width) * static_cast<std::uint64_t>(layout->height) > (1u << 22)) return 0;
    gdi::HBITMAP bitmap = DibToBitmap(*dib, nullptr);
    if (bitmap) BitmapToDib(bitmap, nullptr);
    return 0;
}
