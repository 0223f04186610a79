#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "medialib/nvff_format.h"

// The kind whose magic starts bytes, compared in table order over each magic's length; Plain when
// none matches or fewer than eight bytes are given.
NvffKind DetectKindOfBytes(const std::uint8_t* bytes, std::size_t count);

// The kind of the stream at the start of the file at path; Plain when the file cannot be opened,
// holds fewer than eight bytes or starts with no known magic.
NvffKind DetectKind(const std::filesystem::path& path);

// The eight magic bytes of a kind; empty for Plain.
std::string_view KindMagic(NvffKind kind);

// A short name of the kind for messages ("LZW", "Huffman", ...).
std::string_view KindName(NvffKind kind);
