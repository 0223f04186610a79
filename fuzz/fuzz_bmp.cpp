#include "fuzz/fuzz_image_readers.h"
#include "medialib/dib_file.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilenceMessages();
    const std::span<const std::uint8_t> bytes(data, size);
    ConvertDecoded(ReadDibFromBytes(bytes));
    return 0;
}
