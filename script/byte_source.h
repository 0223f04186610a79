#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Hands the scanner one byte per call from a file read in large blocks, or from text in memory.
class ByteSource {
public:
    ByteSource() = default;
    ByteSource(const ByteSource&) = delete;
    ByteSource& operator=(const ByteSource&) = delete;
    ~ByteSource() { Close(); }

    // False when the file does not exist or cannot be opened for reading.
    bool OpenFile(const std::string& path);
    // REQUIRES: text outlives the reading.
    void OpenText(std::string_view text);
    void Close();
    // Size of the open file in bytes; 0 for text or when unknown.
    size_t FileSize() const { return fileSize_; }

    // False at end of input; a read failure counts as the end.
    bool Get(unsigned char& byte) {
        if (pos_ == len_ && !Refill()) return false;
        byte = data_[pos_++];
        return true;
    }

private:
    bool Refill();

    std::FILE* file_ = nullptr;
    std::vector<unsigned char> buffer_;
    const unsigned char* data_ = nullptr;
    size_t pos_ = 0;
    size_t len_ = 0;
    size_t fileSize_ = 0;
};
