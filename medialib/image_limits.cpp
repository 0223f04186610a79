#include "medialib/image_limits.h"

#include "medialib/path_util.h"

#include <filesystem>
#include <fstream>
#include <new>

FileReadResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    std::ifstream file(std::filesystem::path(NativePath(path)), std::ios::binary);
    if (!file) return FileReadResult::CannotOpen;
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    file.seekg(0, std::ios::beg);
    if (size < 0 || !file) return FileReadResult::ReadFailure;
    if (static_cast<std::uint64_t>(size) > kMaxImageFileBytes) return FileReadResult::TooLarge;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return FileReadResult::TooLarge;
    }
    if (size > 0 && !file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        bytes.clear();
        return FileReadResult::ReadFailure;
    }
    return FileReadResult::Ok;
}
