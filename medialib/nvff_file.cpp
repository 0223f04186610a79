#include "medialib/nvff_file.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <system_error>

#include "medialib/nvff_kind.h"
#include "medialib/nvff_lzw_compressor.h"
#include "medialib/nvff_lzw_expander.h"

using namespace nvff;

namespace {

// Both length words are 32 bits wide, so no stream may grow past this.
constexpr std::uint64_t kMaxLength = std::numeric_limits<std::uint32_t>::max();

}  // namespace

// The code bytes of one stream inside an open file, read from where the file stands.
class NvffFileSource : public NvffByteSource {
public:
    NvffFileSource(std::FILE* file, std::uint64_t length) : file_(file), left_(length) {}
    std::ptrdiff_t Fill(std::uint8_t* buffer, std::size_t capacity) override {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(capacity, left_));
        if (want == 0) return 0;
        const std::size_t got = std::fread(buffer, 1, want, file_);
        if (got < want && std::ferror(file_)) return -1;
        left_ -= got;
        if (got == 0) left_ = 0;
        return static_cast<std::ptrdiff_t>(got);
    }

private:
    std::FILE* file_;
    std::uint64_t left_;
};

// Hands the compressor's code bytes to the file's write-behind buffer.
class NvffFileBuffer : public NvffByteSink {
public:
    explicit NvffFileBuffer(NvffFile& file) : file_(file) {}
    bool Take(const std::uint8_t* bytes, std::size_t count) override {
        return file_.TakeCodeBytes(bytes, count);
    }

private:
    NvffFile& file_;
};

NvffFile::NvffFile(NvffKind kind) : writerKind_(kind), kind_(kind) {}

NvffFile::~NvffFile() {
    Close();
}

bool NvffFile::Fail(std::string message) {
    error_ = path_.string() + ": " + std::move(message);
    return false;
}

void NvffFile::Release() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    compressor_.reset();
    expander_.reset();
    source_.reset();
    std::vector<std::uint8_t>().swap(buffer_);
}

bool NvffFile::Open(const std::filesystem::path& path, NvffMode mode) {
    if (file_) Close();
    path_ = path;
    error_.clear();
    original_ = compressed_ = lengthWords_ = copied_ = 0;
    mode_ = mode;
    switch (mode) {
        case NvffMode::Read:
            return OpenForReading();
        case NvffMode::Append:
        case NvffMode::Create:
            return OpenForWriting(mode);
    }
    return Fail("unknown open mode " + std::to_string(static_cast<unsigned>(mode)));
}

bool NvffFile::OpenForReading() {
    kind_ = DetectKind(path_);
    if (kind_ == NvffKind::Huffman || kind_ == NvffKind::Lzss) {
        return Fail("NVFF " + std::string(KindName(kind_)) + " streams are not supported");
    }
    std::error_code failure;
    const std::uintmax_t size = std::filesystem::file_size(path_, failure);
    if (failure) return Fail("cannot open the file for reading (" + failure.message() + ")");
    file_ = std::fopen(path_.string().c_str(), "rb");
    if (!file_) return Fail("cannot open the file for reading");
    if (kind_ == NvffKind::Plain) {
        original_ = compressed_ = size;
        return true;
    }
    std::uint8_t header[kHeaderSize];
    if (size < kHeaderSize || std::fread(header, 1, kHeaderSize, file_) != kHeaderSize) {
        Release();
        return Fail("the NVFF header is incomplete");
    }
    original_ = ReadLe32(header + kMagicSize);
    compressed_ = ReadLe32(header + kMagicSize + 4);
    lengthWords_ = kMagicSize;
    if (compressed_ > size - kHeaderSize) {
        Release();
        return Fail("the compressed length passes the end of the file");
    }
    if (original_ > MaxOriginalLength(compressed_)) {
        Release();
        return Fail("the original length is more than the compressed data can hold");
    }
    source_ = std::make_unique<NvffFileSource>(file_, compressed_);
    expander_ = NvffLzwExpander::Create(*source_, original_);
    if (!expander_) {
        Release();
        return Fail("not enough memory for the LZW tables");
    }
    return true;
}

bool NvffFile::OpenForWriting(NvffMode mode) {
    if (mode == NvffMode::Append) {
        kind_ = DetectKind(path_);
        if (kind_ != NvffKind::Lzw)
            return Fail("cannot append: the file does not hold LZW streams");
    } else {
        kind_ = writerKind_;
        if (kind_ != NvffKind::Lzw) return Fail("only LZW streams can be written");
    }
    compressor_ = NvffLzwCompressor::Create();
    if (!compressor_) return Fail("not enough memory for the LZW dictionary");
    buffer_.reserve(kBufferSize);

    file_ = std::fopen(path_.string().c_str(), mode == NvffMode::Create ? "wb" : "r+b");
    if (!file_) {
        Release();
        return Fail("cannot open the file for writing");
    }
    std::uint8_t head[kHeaderSize] = {};
    std::size_t headSize = kLengthWordsSize;
    if (mode == NvffMode::Create) {
        const std::string_view magic = KindMagic(kind_);
        std::memcpy(head, magic.data(), magic.size());
        headSize = kHeaderSize;
        lengthWords_ = kMagicSize;
    } else {
        if (std::fseek(file_, 0, SEEK_END) != 0) {
            Release();
            return Fail("cannot move to the end of the file");
        }
        const long end = std::ftell(file_);
        if (end < 0) {
            Release();
            return Fail("cannot find the end of the file");
        }
        lengthWords_ = static_cast<std::uint64_t>(end);
    }
    if (std::fwrite(head, 1, headSize, file_) != headSize) {
        Release();
        return Fail("cannot write the stream header");
    }
    return true;
}

bool NvffFile::TakeCodeBytes(const std::uint8_t* bytes, std::size_t count) {
    if (compressed_ + count > kMaxLength) return Fail("the compressed stream passes 4 GB");
    compressed_ += count;
    while (count > 0) {
        const std::size_t part = std::min(count, kBufferSize - buffer_.size());
        buffer_.insert(buffer_.end(), bytes, bytes + part);
        bytes += part;
        count -= part;
        if (buffer_.size() == kBufferSize && !FlushBuffer()) return false;
    }
    return true;
}

bool NvffFile::FlushBuffer() {
    if (!buffer_.empty() &&
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
        return Fail("cannot write the compressed data");
    }
    buffer_.clear();
    return true;
}

bool NvffFile::Write(const void* bytes, std::size_t count) {
    if (!file_ || !compressor_) return Fail("the stream is not open for writing");
    if (!error_.empty()) return false;
    if (original_ + count > kMaxLength) return Fail("the original data passes 4 GB");
    original_ += count;
    NvffFileBuffer sink(*this);
    return compressor_->Put(static_cast<const std::uint8_t*>(bytes), count, sink) && error_.empty();
}

std::ptrdiff_t NvffFile::Read(void* buffer, std::size_t count) {
    if (!file_ || mode_ != NvffMode::Read) {
        Fail("the stream is not open for reading");
        return -1;
    }
    if (expander_) {
        const std::ptrdiff_t got = expander_->Read(static_cast<std::uint8_t*>(buffer), count);
        if (got < 0) Fail(expander_->Error());
        return got;
    }
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(count, original_ - copied_));
    const std::size_t got = std::fread(buffer, 1, want, file_);
    copied_ += got;
    if (got < want) {
        Fail("the file ends early or cannot be read");
        return -1;
    }
    return static_cast<std::ptrdiff_t>(got);
}

bool NvffFile::Close() {
    if (!file_) return error_.empty();
    if (!compressor_) {
        Release();
        return true;
    }
    bool ok = error_.empty();
    if (ok) {
        NvffFileBuffer sink(*this);
        ok = compressor_->Finish(sink) && error_.empty() && FlushBuffer();
    }
    if (ok) {
        std::uint8_t lengths[kLengthWordsSize];
        WriteLe32(lengths, static_cast<std::uint32_t>(original_));
        WriteLe32(lengths + 4, static_cast<std::uint32_t>(compressed_));
        ok = std::fseek(file_, static_cast<long>(lengthWords_), SEEK_SET) == 0 &&
             std::fwrite(lengths, 1, sizeof lengths, file_) == sizeof lengths;
        if (!ok) Fail("cannot write the stream's lengths");
    }
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (ok && !closed) ok = Fail("cannot finish writing the file");
    Release();
    return ok;
}

std::unique_ptr<NvffFile> CreateCompressor(NvffKind kind) {
    if (kind != NvffKind::Lzw) return nullptr;
    return std::unique_ptr<NvffFile>(new (std::nothrow) NvffFile(kind));
}
