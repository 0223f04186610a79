#pragma once

#include <cstddef>
#include <cstdint>

// Where the LZW compressor delivers its completed code bytes.
class NvffByteSink {
public:
    virtual ~NvffByteSink() = default;
    // Returns false when the bytes could not be taken; the compressor then stops.
    virtual bool Take(const std::uint8_t* bytes, std::size_t count) = 0;
};

// Where the LZW expander takes its code bytes from.
class NvffByteSource {
public:
    virtual ~NvffByteSource() = default;
    // Fills up to capacity bytes; returns the number given, 0 at the end of the data, or -1 when
    // the data could not be read.
    virtual std::ptrdiff_t Fill(std::uint8_t* buffer, std::size_t capacity) = 0;
};
