#include "script/byte_source.h"

#include <filesystem>
#include <system_error>

namespace {
constexpr size_t kBlockSize = 1 << 16;
}

bool ByteSource::OpenFile(const std::string& path) {
    Close();
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) return false;
    buffer_.resize(kBlockSize);
    std::error_code error;
    auto size = std::filesystem::file_size(path, error);
    fileSize_ = error ? 0 : static_cast<size_t>(size);
    return true;
}

void ByteSource::OpenText(std::string_view text) {
    Close();
    data_ = reinterpret_cast<const unsigned char*>(text.data());
    len_ = text.size();
}

void ByteSource::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    data_ = nullptr;
    pos_ = len_ = 0;
    fileSize_ = 0;
}

bool ByteSource::Refill() {
    if (!file_) return false;
    size_t got = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (got == 0) return false;
    data_ = buffer_.data();
    pos_ = 0;
    len_ = got;
    return true;
}
