// Expands arbitrary code bytes under a stated original length, and checks that the input itself
// survives a compress and expand round trip.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "medialib/nvff_format.h"
#include "medialib/nvff_lzw_compressor.h"
#include "medialib/nvff_memory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    // Up to 64 KB of output keeps each run short; the expander itself accepts any length.
    const std::uint32_t original = nvff::ReadLe32(data) % (1u << 16);
    (void)LzwExpandBytes(data + 4, size - 4, original);

    // One compressor serves every run (Finish starts a new stream), sparing the dictionary's
    // allocation each time.
    static const auto compressor = NvffLzwCompressor::Create();
    std::vector<std::uint8_t> codes;
    NvffVectorSink sink(codes);
    if (!compressor->Put(data, size, sink) || !compressor->Finish(sink)) std::abort();
    const auto back = LzwExpandBytes(codes.data(), codes.size(), size);
    if (!back || back->size() != size || !std::equal(back->begin(), back->end(), data))
        std::abort();
    return 0;
}
