#include "medialib/dib_file.h"

#include "medialib/dib_convert.h"
#include "medialib/last_error.h"
#include "medialib/path_util.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

std::uint32_t Read32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
}

void Put16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

bool HasSignature(const std::uint8_t* header) { return (header[0] | (header[1] << 8)) == kBitmapSignature; }

// Checks the block and closes a gap that the file header's pixel offset puts before the rows.
std::optional<PackedDib> FinishBlock(PackedDib block, std::uint32_t pixelOffset) {
    if (!CheckDib(block)) {
        SetLastMediaError(media_error::kNotABitmap);
        return std::nullopt;
    }
    const auto layout = CheckDib(block);
    const std::uint64_t declared = pixelOffset >= kBitmapFileHeaderSize ? pixelOffset - kBitmapFileHeaderSize : 0;
    if (declared > layout->bitsOffset && declared < block.Size() &&
        layout->compression != BI_RLE8 && layout->compression != BI_RLE4) {
        const std::size_t rowsAvailable = block.Size() - static_cast<std::size_t>(declared);
        if (rowsAvailable >= layout->imageBytes) {
            auto& bytes = block.Bytes();
            bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(layout->bitsOffset),
                        bytes.begin() + static_cast<std::ptrdiff_t>(declared));
        }
    }
    return block;
}

}  // namespace

std::optional<PackedDib> ReadDibFromBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kBitmapFileHeaderSize || !HasSignature(bytes.data())) {
        SetLastMediaError(media_error::kNotABitmap);
        return std::nullopt;
    }
    auto block = PackedDib::Allocate(bytes.size() - kBitmapFileHeaderSize);
    if (!block) {
        SetLastMediaError(media_error::kOutOfMemory);
        return std::nullopt;
    }
    if (block->Size() > 0) std::memcpy(block->Data(), bytes.data() + kBitmapFileHeaderSize, block->Size());
    return FinishBlock(std::move(*block), Read32(bytes.data() + 10));
}

std::optional<PackedDib> ReadDibFile(const std::string& path) {
    std::ifstream file(std::filesystem::path(NativePath(path)), std::ios::binary);
    if (!file) {
        SetLastMediaError(media_error::kReadFailure);
        return std::nullopt;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    file.seekg(0, std::ios::beg);
    if (size < 0 || !file) {
        SetLastMediaError(media_error::kReadFailure);
        return std::nullopt;
    }
    std::uint8_t header[kBitmapFileHeaderSize];
    if (static_cast<std::uint64_t>(size) < kBitmapFileHeaderSize ||
        !file.read(reinterpret_cast<char*>(header), kBitmapFileHeaderSize) || !HasSignature(header)) {
        SetLastMediaError(media_error::kNotABitmap);
        return std::nullopt;
    }
    auto block = PackedDib::Allocate(static_cast<std::size_t>(static_cast<std::uint64_t>(size) - kBitmapFileHeaderSize));
    if (!block) {
        SetLastMediaError(media_error::kOutOfMemory);
        return std::nullopt;
    }
    if (block->Size() > 0 &&
        !file.read(reinterpret_cast<char*>(block->Data()), static_cast<std::streamsize>(block->Size()))) {
        SetLastMediaError(media_error::kReadFailure);
        return std::nullopt;
    }
    return FinishBlock(std::move(*block), Read32(header + 10));
}

bool WriteDibFile(const std::string& path, const PackedDib& dib) {
    const auto layout = CheckDib(dib);
    if (!layout || dib.Size() > 0xFFFFFFFFu - kBitmapFileHeaderSize) return false;
    std::uint8_t header[kBitmapFileHeaderSize] = {};
    Put16(header, kBitmapSignature);
    Put32(header + 2, static_cast<std::uint32_t>(dib.Size() + kBitmapFileHeaderSize));
    Put32(header + 10, static_cast<std::uint32_t>(kBitmapFileHeaderSize + layout->bitsOffset));

    const std::filesystem::path target(NativePath(path));
    std::filesystem::path temporary = target;
    temporary += ".tmp~";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(header), kBitmapFileHeaderSize);
        out.write(reinterpret_cast<const char*>(dib.Data()), static_cast<std::streamsize>(dib.Size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, target, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

bool LoadDibFileAsBitmap(const std::string& path, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette) {
    bitmap = nullptr;
    palette = nullptr;
    auto dib = ReadDibFile(path);
    if (!dib) return false;
    gdi::HPALETTE built = CreateDibPalette(*dib);
    gdi::HBITMAP converted = DibToBitmap(*dib, built);
    if (!converted) return false;
    bitmap = std::move(converted);
    palette = std::move(built);
    return true;
}
