#include "medialib/nvff_memory.h"

#include <algorithm>
#include <cstring>

#include "medialib/nvff_format.h"
#include "medialib/nvff_lzw_compressor.h"
#include "medialib/nvff_lzw_expander.h"

std::ptrdiff_t NvffMemorySource::Fill(std::uint8_t* buffer, std::size_t capacity) {
    const std::size_t part = std::min(capacity, left_);
    if (part) std::memcpy(buffer, at_, part);
    at_ += part;
    left_ -= part;
    return static_cast<std::ptrdiff_t>(part);
}

bool NvffVectorSink::Take(const std::uint8_t* bytes, std::size_t count) {
    out_.insert(out_.end(), bytes, bytes + count);
    return true;
}

std::optional<std::vector<std::uint8_t>> LzwCompressBytes(const std::uint8_t* data,
                                                          std::size_t count) {
    auto compressor = NvffLzwCompressor::Create();
    if (!compressor) return std::nullopt;
    std::vector<std::uint8_t> codes;
    // At worst every byte costs a 15-bit code and every other byte a control code as well.
    codes.reserve(count * 2 + 16);
    NvffVectorSink sink(codes);
    compressor->Put(data, count, sink);
    compressor->Finish(sink);
    return codes;
}

std::optional<std::vector<std::uint8_t>> LzwExpandBytes(const std::uint8_t* codes,
                                                        std::size_t count,
                                                        std::uint64_t originalLength,
                                                        std::string* error) {
    auto fail = [&](std::string message) -> std::optional<std::vector<std::uint8_t>> {
        if (error) *error = std::move(message);
        return std::nullopt;
    };
    if (originalLength > nvff::MaxOriginalLength(count)) {
        return fail("the original length is more than the compressed data can hold");
    }
    NvffMemorySource source(codes, count);
    auto expander = NvffLzwExpander::Create(source, originalLength);
    if (!expander) return fail("not enough memory for the LZW tables");
    std::vector<std::uint8_t> out;
    constexpr std::size_t kStep = 1 << 16;
    while (!expander->Finished()) {
        const std::size_t at = out.size();
        out.resize(at +
                   static_cast<std::size_t>(std::min<std::uint64_t>(kStep, originalLength - at)));
        const std::ptrdiff_t got = expander->Read(out.data() + at, out.size() - at);
        if (got < 0) return fail(expander->Error());
        out.resize(at + static_cast<std::size_t>(got));
    }
    return out;
}
