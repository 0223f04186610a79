#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "medialib/nvff_byte_sink.h"
#include "medialib/nvff_format.h"

// The inverse of NvffLzwCompressor. The code bytes are untrusted: a code that is not yet defined
// (beyond the one the format allows), a width past 15 bits, a string that would pass the original
// length, an end code or the end of the data before the original length is reached all stop the
// expansion with an error.
class NvffLzwExpander {
public:
    // Null when the tables cannot be allocated. The source must outlive the expander.
    static std::unique_ptr<NvffLzwExpander> Create(NvffByteSource& source,
                                                   std::uint64_t originalLength);

    NvffLzwExpander(const NvffLzwExpander&) = delete;
    NvffLzwExpander& operator=(const NvffLzwExpander&) = delete;

    // Produces up to count bytes, never more than remain of the original length. Returns the
    // number produced (0 once the original length has been reached) or -1 after an error.
    std::ptrdiff_t Read(std::uint8_t* out, std::size_t count);

    std::uint64_t Produced() const { return produced_; }
    bool Finished() const { return produced_ == original_; }
    const std::string& Error() const { return error_; }

private:
    static constexpr std::size_t kInputSize = nvff::kBufferSize;
    static constexpr int kNoCode = -1;

    NvffLzwExpander(NvffByteSource& source, std::uint64_t originalLength);
    bool Fail(std::string message);
    // Refills the input buffer; false at the end of the data or a read error.
    bool Refill();

    NvffByteSource& source_;
    std::uint64_t original_;
    std::uint64_t produced_ = 0;  // delivered to the caller
    std::uint64_t decoded_ = 0;   // delivered or pending
    std::string error_;

    // Per code: the code of its string without the last byte, the length, that last byte and the
    // first byte. Codes below 256 are single bytes.
    struct Node {
        std::uint16_t prefix;
        std::uint16_t length;
        std::uint8_t suffix;
        std::uint8_t first;
    };
    std::unique_ptr<Node[]> nodes_;
    std::uint32_t next_ = nvff::kFirstFreeCode;
    int width_ = nvff::kMinWidth;
    int old_ = kNoCode;

    // The part of a decoded string that did not fit into the caller's buffer.
    std::unique_ptr<std::uint8_t[]> pending_;
    std::size_t pendingAt_ = 0;
    std::size_t pendingEnd_ = 0;

    // Bit reader over buffered input.
    std::unique_ptr<std::uint8_t[]> input_;
    std::size_t inputAt_ = 0;
    std::size_t inputEnd_ = 0;
    bool sourceDone_ = false;
    std::uint64_t accumulator_ = 0;
    int bitCount_ = 0;
};
