#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "medialib/nvff_format.h"

class NvffLzwCompressor;
class NvffLzwExpander;
class NvffFileSource;

// How NvffFile::Open treats the file; the values are the file-class mode flags of the stream's
// original writer. Any other value makes Open fail.
enum class NvffMode : unsigned {
    Read = 0,         // read the stream at the start of the file
    Append = 1,       // write a stream without magic at the end of an existing NVFF file
    Create = 0x1001,  // create (or replace) the file and write a stream with magic
};

// One NVFF stream in a file. Writing compresses into a 32000-byte write-behind buffer and Close
// patches the stream's two length words; reading expands the stream (or copies a plain file).
// The bytes of a file being read are untrusted: a bad stream gives an error, never more output
// than its stated original length.
class NvffFile {
public:
    explicit NvffFile(NvffKind kind = NvffKind::Lzw);
    // Closes the file; a stream being written is finished as by Close.
    ~NvffFile();
    NvffFile(const NvffFile&) = delete;
    NvffFile& operator=(const NvffFile&) = delete;

    // Opens path in mode. Read and append first set the kind from the file's magic; reading refuses
    // the reserved Huffman and LZSS kinds, appending needs a file that starts with an LZW stream.
    bool Open(const std::filesystem::path& path, NvffMode mode);

    // REQUIRES: open in a write mode. Compresses count bytes.
    bool Write(const void* bytes, std::size_t count);

    // REQUIRES: open for reading. Produces up to count bytes; returns the number produced, 0 once
    // the original length has been reached, or -1 after an error.
    std::ptrdiff_t Read(void* buffer, std::size_t count);

    // Finishes a stream being written (end code, buffered bytes, the two length words) and closes
    // the file. False when anything could not be written; the stream is then unusable.
    bool Close();

    bool IsOpen() const { return file_ != nullptr; }
    NvffKind Kind() const { return kind_; }
    std::uint64_t OriginalLength() const { return original_; }
    std::uint64_t CompressedLength() const { return compressed_; }
    // Where the stream's length words are: 8 after create, the old end of the file after append.
    std::uint64_t LengthWordsOffset() const { return lengthWords_; }
    // Why the last operation failed.
    const std::string& Error() const { return error_; }

private:
    friend class NvffFileBuffer;
    bool Fail(std::string message);
    bool OpenForReading();
    bool OpenForWriting(NvffMode mode);
    bool FlushBuffer();
    bool TakeCodeBytes(const std::uint8_t* bytes, std::size_t count);
    void Release();

    NvffKind writerKind_;  // the kind that create mode writes
    NvffKind kind_;        // the kind of the stream open now
    std::filesystem::path path_;
    NvffMode mode_ = NvffMode::Read;
    std::FILE* file_ = nullptr;
    std::string error_;
    std::uint64_t original_ = 0;
    std::uint64_t compressed_ = 0;
    std::uint64_t lengthWords_ = 0;
    std::uint64_t copied_ = 0;  // plain files: bytes handed out so far

    std::vector<std::uint8_t> buffer_;
    std::unique_ptr<NvffLzwCompressor> compressor_;
    std::unique_ptr<NvffFileSource> source_;
    std::unique_ptr<NvffLzwExpander> expander_;
};

// A new file object that writes streams of kind; null for a kind without a writer (only LZW is
// written).
std::unique_ptr<NvffFile> CreateCompressor(NvffKind kind);
