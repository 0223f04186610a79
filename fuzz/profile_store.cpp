// Reads arbitrary text as an INI file, reads every value in each of its forms, and reads the
// saved text back.
#include "medialib/profile_store.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ProfileStore store;
    store.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& [section, keys] : store.Data()) {
        for (const auto& [key, value] : keys) {
            (void)store.ReadString(section, key, true);
            (void)store.ReadInt16(section, key);
            (void)store.ReadFourInts(section, key);
        }
    }
    ProfileStore reread;
    reread.Parse(store.ToText());
    return 0;
}
