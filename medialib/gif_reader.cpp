#include "medialib/gif_reader.h"

#include "medialib/image_limits.h"

#include <array>
#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr int kMaxCodes = 4096;
constexpr int kMaxCodeBits = 12;

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}
    bool AtEnd() const { return pos_ >= data_.size(); }
    std::size_t Remaining() const { return data_.size() - pos_; }
    bool Byte(std::uint8_t& b) {
        if (pos_ >= data_.size()) return false;
        b = data_[pos_++];
        return true;
    }
    bool Word(std::uint16_t& w) {
        if (pos_ + 2 > data_.size()) return false;
        w = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return true;
    }
    bool Read(std::uint8_t* out, std::size_t n) {
        if (n > Remaining()) return false;
        std::memcpy(out, data_.data() + pos_, n);
        pos_ += n;
        return true;
    }
    bool Skip(std::size_t n) {
        if (n > Remaining()) return false;
        pos_ += n;
        return true;
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

int DepthFor(std::uint8_t flags) {
    if ((flags & 7) == 0) return 1;
    return (flags & 4) ? 8 : 4;
}

// Codes taken least significant bit first from the data sub-blocks.
class CodeReader {
public:
    explicit CodeReader(ByteReader& in) : in_(in) {}

    enum class Status { Ok, Terminator, Truncated };

    Status Next(int width, int& code) {
        while (bitCount_ < width) {
            if (blockLeft_ == 0) {
                std::uint8_t size;
                if (!in_.Byte(size)) return Status::Truncated;
                if (size == 0) {
                    terminated_ = true;
                    return Status::Terminator;
                }
                blockLeft_ = size;
            }
            std::uint8_t b;
            if (!in_.Byte(b)) return Status::Truncated;
            --blockLeft_;
            bits_ |= std::uint32_t{b} << bitCount_;
            bitCount_ += 8;
        }
        code = static_cast<int>(bits_ & ((1u << width) - 1));
        bits_ >>= width;
        bitCount_ -= width;
        return Status::Ok;
    }

    // Skips what is left of the data sub-blocks.
    void SkipRest() {
        if (terminated_) return;
        if (!in_.Skip(blockLeft_)) return;
        blockLeft_ = 0;
        std::uint8_t size;
        while (in_.Byte(size) && size != 0) {
            if (!in_.Skip(size)) return;
        }
    }

private:
    ByteReader& in_;
    std::uint32_t bits_ = 0;
    int bitCount_ = 0;
    std::size_t blockLeft_ = 0;
    bool terminated_ = false;
};

// LZW decoding into pixels; false when the data ends before the picture is complete and no end
// code or terminator was met.
bool DecodeLzw(ByteReader& in, int minCodeSize, std::uint8_t* pixels, std::size_t count) {
    std::array<std::uint16_t, kMaxCodes> prefix{};
    std::array<std::uint8_t, kMaxCodes> suffix{};
    std::array<std::uint8_t, kMaxCodes> first{};
    std::array<std::uint16_t, kMaxCodes> length{};
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    for (int i = 0; i < clear; ++i) {
        suffix[i] = static_cast<std::uint8_t>(i);
        first[i] = static_cast<std::uint8_t>(i);
        length[i] = 1;
    }
    int width = minCodeSize + 1;
    int next = clear + 2;
    int previous = -1;
    std::size_t out = 0;
    CodeReader codes(in);

    // Writes the string of code at out (clipped at count).
    auto emit = [&](int code) {
        const std::size_t n = length[code];
        std::size_t at = out + n;
        int c = code;
        while (at > out) {
            --at;
            if (at < count) pixels[at] = suffix[c];
            c = prefix[c];
        }
        out += n;
    };

    while (true) {
        int code;
        const CodeReader::Status status = codes.Next(width, code);
        if (status == CodeReader::Status::Truncated) return out >= count;
        if (status == CodeReader::Status::Terminator) return true;
        if (code == clear) {
            width = minCodeSize + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end) break;
        if (previous < 0) {
            // The first code after a clear is a literal.
            if (code >= clear) break;
            emit(code);
            previous = code;
            continue;
        }
        if (code > next) break;
        int added = -1;
        if (next < kMaxCodes) {
            // The new entry: the previous string plus the first byte of this one (of the previous
            // one itself when this code is the entry being made).
            const std::uint8_t head = code < next ? first[code] : first[previous];
            prefix[next] = static_cast<std::uint16_t>(previous);
            suffix[next] = head;
            first[next] = first[previous];
            length[next] = static_cast<std::uint16_t>(length[previous] + 1);
            added = next++;
            if (next == (1 << width) && width < kMaxCodeBits) ++width;
        } else if (code == next) {
            break;  // the table is full and cannot hold the string this code needs
        }
        (void)added;
        emit(code);
        previous = code;
        if (out >= count) {
            // The picture is complete; further codes would only be discarded.
            break;
        }
    }
    codes.SkipRest();
    return true;
}

void PackRow(const std::uint8_t* in, std::uint8_t* out, std::size_t width, int depth) {
    switch (depth) {
        case 8: std::memcpy(out, in, width); break;
        case 4:
            for (std::size_t x = 0; x < width; ++x) {
                const std::uint8_t v = in[x] & 0x0F;
                out[x / 2] |= (x % 2 == 0) ? static_cast<std::uint8_t>(v << 4) : v;
            }
            break;
        default:
            for (std::size_t x = 0; x < width; ++x) {
                if (in[x] & 1) out[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
            break;
    }
}

}  // namespace

int DecodeGif(std::span<const std::uint8_t> data, std::optional<PackedDib>& dib) {
    dib.reset();
    ByteReader in(data);
    std::uint8_t signature[6];
    if (!in.Read(signature, 6) || std::memcmp(signature, "GIF8", 4) != 0) return gif::kNotGif;
    std::uint16_t screenWidth, screenHeight;
    std::uint8_t flags, background, aspect;
    if (!in.Word(screenWidth) || !in.Word(screenHeight) || !in.Byte(flags) || !in.Byte(background) || !in.Byte(aspect)) {
        return gif::kBadData;
    }
    int depth = DepthFor(flags);
    std::array<std::uint8_t, 768> table{};
    if (flags & 0x80) {
        if (!in.Read(table.data(), (std::size_t{1} << ((flags & 7) + 1)) * 3)) return gif::kBadData;
    } else {
        const int entries = 1 << depth;
        const int step = depth == 1 ? 255 : depth == 4 ? 16 : 1;
        for (int i = 0; i < entries; ++i) {
            const auto v = static_cast<std::uint8_t>(i * step);
            table[i * 3] = table[i * 3 + 1] = table[i * 3 + 2] = v;
        }
    }

    // The blocks up to the first image.
    while (true) {
        std::uint8_t b;
        if (!in.Byte(b) || b == ';') return gif::kNotGif;
        if (b == ',') break;
        if (b != '!') continue;
        std::uint8_t label;
        if (!in.Byte(label)) return gif::kNotGif;
        if (label == 0xF9) {
            // Graphic control: size, flags, delay, transparent index; not used. Its terminating
            // zero is skipped with the stray bytes.
            if (!in.Skip(5)) return gif::kNotGif;
            continue;
        }
        std::uint8_t size;
        while (in.Byte(size) && size != 0) {
            if (!in.Skip(size)) return gif::kNotGif;
        }
    }

    std::uint16_t left, top, width, height;
    std::uint8_t imageFlags;
    if (!in.Word(left) || !in.Word(top) || !in.Word(width) || !in.Word(height) || !in.Byte(imageFlags)) {
        return gif::kBadData;
    }
    if (imageFlags & 0x80) {
        depth = DepthFor(imageFlags);
        table.fill(0);
        if (!in.Read(table.data(), (std::size_t{1} << ((imageFlags & 7) + 1)) * 3)) return gif::kBadData;
    }
    if (!ImageSizeAllowed(width, height)) return gif::kBadData;
    std::uint8_t minCodeSize;
    if (!in.Byte(minCodeSize) || minCodeSize < 1 || minCodeSize > kMaxCodeBits - 1) return gif::kBadData;
    const std::uint64_t count = std::uint64_t{width} * height;
    // One code of at least minCodeSize + 1 bits gives at most 4096 pixels: refuse pictures the
    // data cannot fill before allocating for them.
    if (count > (std::uint64_t{in.Remaining()} * 8 / (minCodeSize + 1) + 1) * kMaxCodes) return gif::kBadData;

    const int colours = 1 << depth;
    const std::uint64_t stride = DibStride(width, depth);
    const std::uint64_t tableBytes = std::uint64_t(colours) * 4;
    auto block = PackedDib::Allocate(static_cast<std::size_t>(kBitmapInfoHeaderSize + tableBytes + stride * height));
    if (!block) return gif::kOutOfMemory;
    std::vector<std::uint8_t> pixels;
    try {
        pixels.assign(static_cast<std::size_t>(count) + 256, 0);
    } catch (const std::bad_alloc&) {
        return gif::kOutOfMemory;
    }
    BITMAPINFOHEADER info;
    info.biWidth = width;
    info.biHeight = height;
    info.biBitCount = static_cast<std::uint16_t>(depth);
    info.biClrUsed = static_cast<std::uint32_t>(colours);
    block->SetHeader(info);
    for (int i = 0; i < colours; ++i) block->SetColour(i, {table[i * 3 + 2], table[i * 3 + 1], table[i * 3], 0});

    if (!DecodeLzw(in, minCodeSize, pixels.data(), static_cast<std::size_t>(count))) return gif::kBadData;

    // Decoded row r is picture row order[r]: the four passes of an interlaced image, else r.
    std::vector<std::uint32_t> order(height);
    if (imageFlags & 0x40) {
        std::size_t r = 0;
        for (const auto& [start, step] : {std::pair{0u, 8u}, {4u, 8u}, {2u, 4u}, {1u, 2u}}) {
            for (std::uint32_t y = start; y < height; y += step) order[r++] = y;
        }
    } else {
        for (std::uint32_t y = 0; y < height; ++y) order[y] = y;
    }
    std::uint8_t* bits = block->Data() + kBitmapInfoHeaderSize + tableBytes;
    for (std::uint32_t r = 0; r < height; ++r) {
        const std::uint32_t pictureRow = order[r];
        PackRow(pixels.data() + std::size_t{r} * width, bits + (height - 1 - pictureRow) * stride, width, depth);
    }
    dib = std::move(block);
    return gif::kOk;
}

int ReadGifFile(const std::string& path, std::optional<PackedDib>& dib) {
    dib.reset();
    std::vector<std::uint8_t> bytes;
    switch (ReadWholeFile(path, bytes)) {
        case FileReadResult::Ok: break;
        case FileReadResult::CannotOpen: return gif::kCannotOpen;
        case FileReadResult::ReadFailure: return gif::kBadData;
        case FileReadResult::TooLarge: return gif::kOutOfMemory;
    }
    return DecodeGif(bytes, dib);
}
