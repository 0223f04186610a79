#pragma once

// Run-length coded DIB pixels (BI_RLE8 and BI_RLE4), decoded into one colour index per pixel.

#include <cstddef>
#include <cstdint>
#include <vector>

// Decodes rows bottom-up into indices (width × height, row 0 = bottom row). Pixels that the data
// does not reach stay 0; runs and deltas that leave the picture are cut at its edges, and
// decoding stops at the end marker or at the end of the data.
void DecodeDibRle(const std::uint8_t* data, std::size_t size, bool fourBit, int width, int height,
                  std::vector<std::uint8_t>& indices);
