#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "medialib/nvff_byte_sink.h"
#include "medialib/nvff_format.h"

// The variable-width LZW compressor of NVFF streams. Codes go out most significant bit first, 9 to
// 15 bits wide; code 257 announces the next width and 258 a fresh dictionary. The bits of a last,
// unfilled byte are never delivered.
class NvffLzwCompressor {
public:
    // Null when the dictionary cannot be allocated.
    static std::unique_ptr<NvffLzwCompressor> Create();

    NvffLzwCompressor(const NvffLzwCompressor&) = delete;
    NvffLzwCompressor& operator=(const NvffLzwCompressor&) = delete;

    // Compresses count bytes; completed code bytes go to sink. False when the sink refused them.
    bool Put(const std::uint8_t* bytes, std::size_t count, NvffByteSink& sink);

    // Emits the current string and the end code and delivers every complete byte. Afterwards the
    // compressor starts a new stream.
    bool Finish(NvffByteSink& sink);

private:
    struct Entry {
        std::uint32_t key;  // parent << 8 | character, or kUnused
        std::uint32_t code;
    };
    static constexpr std::uint32_t kUnused = 0xFFFFFFFFu;
    static constexpr std::size_t kStagingSize = 8192;

    NvffLzwCompressor() = default;
    void ClearDictionary();
    void PutCode(std::uint32_t code);
    bool Deliver(NvffByteSink& sink);

    std::unique_ptr<Entry[]> dictionary_;
    std::uint32_t next_ = nvff::kFirstFreeCode;
    int width_ = nvff::kMinWidth;
    std::uint32_t bumpLimit_ = nvff::kFirstBumpLimit;
    std::uint32_t current_ = 0;
    bool started_ = false;

    // Bit writer: the low bitCount_ bits of accumulator_ wait for completion into bytes.
    std::uint64_t accumulator_ = 0;
    int bitCount_ = 0;
    std::array<std::uint8_t, kStagingSize> staging_{};
    std::size_t staged_ = 0;
};
