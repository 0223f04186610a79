#pragma once

// Small DIBs and files written by hand for the tests.

#include "medialib/dib.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

inline PackedDib MakeDib(int width, int height, int bits, std::vector<RGBQUAD> colours,
                         std::vector<std::uint8_t> pixels, std::uint32_t compression = BI_RGB,
                         std::uint32_t clrUsed = 0) {
    PackedDib dib(40 + colours.size() * 4 + pixels.size());
    BITMAPINFOHEADER h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = static_cast<std::uint16_t>(bits);
    h.biCompression = compression;
    h.biClrUsed = clrUsed;
    dib.SetHeader(h);
    for (size_t i = 0; i < colours.size(); ++i) dib.SetColour(i, colours[i]);
    std::copy(pixels.begin(), pixels.end(), dib.Data() + 40 + colours.size() * 4);
    return dib;
}

inline std::vector<std::uint8_t> FileBytes(const PackedDib& dib, std::uint32_t pixelOffset) {
    std::vector<std::uint8_t> file(14, 0);
    file[0] = 'B';
    file[1] = 'M';
    const std::uint32_t size = static_cast<std::uint32_t>(dib.Size() + 14);
    for (int i = 0; i < 4; ++i) {
        file[2 + i] = static_cast<std::uint8_t>(size >> (8 * i));
        file[10 + i] = static_cast<std::uint8_t>(pixelOffset >> (8 * i));
    }
    file.insert(file.end(), dib.Bytes().begin(), dib.Bytes().end());
    return file;
}

inline std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteAll(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder under the temporary folder, removed with the object.
struct TempFolder {
    TempFolder() {
        path = std::filesystem::temp_directory_path() /
               ("tavrin_medialib_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "_" +
                std::to_string(counter()++));
        std::filesystem::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string File(const std::string& name) const { return (path / name).string(); }
    static int& counter() {
        static int n = 0;
        return n;
    }
    std::filesystem::path path;
};
