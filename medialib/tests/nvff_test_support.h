#pragma once

// Helpers shared by the NVFF tests: sample data, a code packer and a scratch folder.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace nvff_test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes RandomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    return bytes;
}

inline Bytes RepeatedBytes(std::size_t size, const std::string& pattern) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(pattern[i % pattern.size()]);
    return bytes;
}

// Words drawn from a small vocabulary with some random bytes between them, like a script with
// an embedded picture.
inline Bytes MixedBytes(std::size_t size, std::uint32_t seed) {
    static const char* const kWords[] = {
        "SCENE ",           "BUTTON ",         "IMAGE ", "= ",      "\"Media\\pic.bmp\"\r\n",
        "POSITION 10, 20 ", "SIZE 64, 48\r\n", "\t",     "WAIT\r\n"};
    std::mt19937 random(seed);
    Bytes bytes;
    bytes.reserve(size);
    while (bytes.size() < size) {
        if (random() % 8 == 0) {
            for (int i = 0; i < 40 && bytes.size() < size; ++i)
                bytes.push_back(static_cast<std::uint8_t>(random()));
        } else {
            for (const char* c = kWords[random() % std::size(kWords)]; *c && bytes.size() < size;
                 ++c) {
                bytes.push_back(static_cast<std::uint8_t>(*c));
            }
        }
    }
    return bytes;
}

// Codes packed most significant bit first, the unfilled last byte dropped, as the format has it.
inline Bytes PackCodes(const std::vector<std::pair<std::uint32_t, int>>& codes) {
    Bytes bytes;
    std::uint64_t accumulator = 0;
    int bits = 0;
    for (auto [code, width] : codes) {
        accumulator = accumulator << width | code;
        bits += width;
        while (bits >= 8) {
            bits -= 8;
            bytes.push_back(static_cast<std::uint8_t>(accumulator >> bits));
        }
    }
    return bytes;
}

inline Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
    WriteFile(path, Bytes(text.begin(), text.end()));
}

// A fresh folder under the temporary folder, removed again at the end of the test.
class ScratchFolder {
public:
    ScratchFolder() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("tavrin_nvff_" + std::to_string(std::random_device{}()) + "_" +
                 std::to_string(++counter));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace nvff_test
