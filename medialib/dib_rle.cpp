#include "medialib/dib_rle.h"

void DecodeDibRle(const std::uint8_t* data, std::size_t size, bool fourBit, int width, int height,
                  std::vector<std::uint8_t>& indices) {
    indices.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    long x = 0, y = 0;
    std::size_t i = 0;
    auto put = [&](std::uint8_t value) {
        if (x >= 0 && x < width && y >= 0 && y < height)
            indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = value;
        ++x;
    };
    while (i + 1 < size && y < height) {
        const std::uint8_t count = data[i], value = data[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count && x < width; ++k)
                put(fourBit ? static_cast<std::uint8_t>((k % 2 == 0) ? (value >> 4) : (value & 0x0F)) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of picture
            return;
        } else if (value == 2) {  // delta
            if (i + 1 >= size) return;
            x += data[i];
            y += data[i + 1];
            i += 2;
        } else {  // absolute run of value pixels, padded to a 16-bit boundary
            const std::size_t bytes = fourBit ? (static_cast<std::size_t>(value) + 1) / 2 : value;
            if (i + bytes > size) return;
            for (int k = 0; k < value; ++k) {
                const std::uint8_t b = data[i + (fourBit ? static_cast<std::size_t>(k / 2) : static_cast<std::size_t>(k))];
                put(fourBit ? static_cast<std::uint8_t>((k % 2 == 0) ? (b >> 4) : (b & 0x0F)) : b);
            }
            i += bytes + (bytes & 1);
        }
    }
}
