#pragma once

// LZW code bytes to and from memory, for callers that hold a whole stream at once.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "medialib/nvff_byte_sink.h"

// Code bytes held in memory.
class NvffMemorySource : public NvffByteSource {
public:
    NvffMemorySource(const std::uint8_t* bytes, std::size_t count) : at_(bytes), left_(count) {}
    std::ptrdiff_t Fill(std::uint8_t* buffer, std::size_t capacity) override;

private:
    const std::uint8_t* at_;
    std::size_t left_;
};

// Collects code bytes in a vector.
class NvffVectorSink : public NvffByteSink {
public:
    explicit NvffVectorSink(std::vector<std::uint8_t>& out) : out_(out) {}
    bool Take(const std::uint8_t* bytes, std::size_t count) override;

private:
    std::vector<std::uint8_t>& out_;
};

// The LZW code bytes of data (no magic, no length words); nullopt when memory runs out.
std::optional<std::vector<std::uint8_t>> LzwCompressBytes(const std::uint8_t* data,
                                                          std::size_t count);

// The originalLength bytes that codes expand to, or nullopt with the reason in error. The output
// grows with the data produced, so a false original length allocates nothing up front.
std::optional<std::vector<std::uint8_t>> LzwExpandBytes(const std::uint8_t* codes,
                                                        std::size_t count,
                                                        std::uint64_t originalLength,
                                                        std::string* error = nullptr);
