#include "medialib/nvff_kind.h"

#include <cstdio>
#include <cstring>

NvffKind DetectKindOfBytes(const std::uint8_t* bytes, std::size_t count) {
    if (count < nvff::kMagicSize) return NvffKind::Plain;
    for (std::size_t kind = 0; kind < nvff::kMagics.size(); ++kind) {
        const std::string_view magic = nvff::kMagics[kind];
        if (std::memcmp(bytes, magic.data(), magic.size()) == 0) return static_cast<NvffKind>(kind);
    }
    return NvffKind::Plain;
}

NvffKind DetectKind(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (!file) return NvffKind::Plain;
    std::uint8_t head[nvff::kMagicSize];
    const std::size_t got = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
    return DetectKindOfBytes(head, got);
}

std::string_view KindMagic(NvffKind kind) {
    const int index = static_cast<int>(kind);
    if (index < 0 || index >= static_cast<int>(nvff::kMagics.size())) return {};
    return nvff::kMagics[static_cast<std::size_t>(index)];
}

std::string_view KindName(NvffKind kind) {
    switch (kind) {
        case NvffKind::Huffman:
            return "Huffman";
        case NvffKind::Lzss:
            return "LZSS";
        case NvffKind::Lzw:
            return "LZW";
        case NvffKind::Plain:
            break;
    }
    return "plain";
}
