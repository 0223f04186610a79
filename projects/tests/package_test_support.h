#pragma once

// Setup folders and hand-assembled packages for the package tests.

#include <string>
#include <utility>
#include <vector>

#include "medialib/nvff_format.h"
#include "medialib/nvff_memory.h"
#include "medialib/tests/nvff_test_support.h"

namespace package_test {

using nvff_test::Bytes;

inline void PutLe32(Bytes& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// The package the format describes for these members, assembled byte by byte.
inline Bytes AssemblePackage(const std::vector<std::pair<std::string, Bytes>>& members) {
    Bytes package;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const Bytes& data = members[i].second;
        const Bytes codes = *LzwCompressBytes(data.data(), data.size());
        if (i == 0) package.insert(package.end(), nvff::kMagics[2].begin(), nvff::kMagics[2].end());
        PutLe32(package, static_cast<std::uint32_t>(data.size()));
        PutLe32(package, static_cast<std::uint32_t>(codes.size()));
        package.insert(package.end(), codes.begin(), codes.end());
    }
    const auto directory = static_cast<std::uint32_t>(package.size());
    PutLe32(package, static_cast<std::uint32_t>(members.size()));
    for (const auto& [name, data] : members) {
        PutLe32(package, static_cast<std::uint32_t>(name.size()));
        package.insert(package.end(), name.begin(), name.end());
    }
    PutLe32(package, directory);
    return package;
}

}  // namespace package_test
