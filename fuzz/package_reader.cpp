// Opens arbitrary bytes as an Internet package and expands every member it accepts.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "projects/internet_package_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The reader works on files; each fuzzing process has its own.
    static const std::string path = "/tmp/tavrin_fuzz_package_" + std::to_string(getpid()) + ".tvi";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    InternetPackageReader reader;
    if (reader.Open(path)) {
        for (std::size_t i = 0; i < reader.Members().size(); ++i) {
            reader.Expand(i, [](const std::uint8_t*, std::size_t) { return true; });
        }
    }
    std::remove(path.c_str());
    return 0;
}
