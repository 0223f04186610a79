#include "medialib/nvff_lzw_compressor.h"

#include <algorithm>
#include <cstring>
#include <new>

using namespace nvff;

namespace {

inline void Prefetch([[maybe_unused]] const void* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
#endif
}

}  // namespace

std::unique_ptr<NvffLzwCompressor> NvffLzwCompressor::Create() {
    std::unique_ptr<NvffLzwCompressor> compressor(new (std::nothrow) NvffLzwCompressor);
    if (!compressor) return nullptr;
    compressor->dictionary_.reset(new (std::nothrow) Entry[kDictionarySize]);
    if (!compressor->dictionary_) return nullptr;
    compressor->ClearDictionary();
    return compressor;
}

void NvffLzwCompressor::ClearDictionary() {
    // All ones marks every key unused.
    std::memset(dictionary_.get(), 0xFF, sizeof(Entry) * kDictionarySize);
    next_ = kFirstFreeCode;
    width_ = kMinWidth;
    bumpLimit_ = kFirstBumpLimit;
}

void NvffLzwCompressor::PutCode(std::uint32_t code) {
    accumulator_ = accumulator_ << width_ | code;
    bitCount_ += width_;
    while (bitCount_ >= 8) {
        bitCount_ -= 8;
        staging_[staged_++] = static_cast<std::uint8_t>(accumulator_ >> bitCount_);
    }
}

bool NvffLzwCompressor::Deliver(NvffByteSink& sink) {
    if (staged_ == 0) return true;
    const bool taken = sink.Take(staging_.data(), staged_);
    staged_ = 0;
    return taken;
}

bool NvffLzwCompressor::Put(const std::uint8_t* bytes, std::size_t count, NvffByteSink& sink) {
    const std::uint8_t* const end = bytes + count;
    if (bytes != end && !started_) {
        current_ = *bytes++;
        started_ = true;
    }
    // The loop works on local copies of the state so that they stay in registers.
    Entry* const dictionary = dictionary_.get();
    std::uint32_t current = current_;
    std::uint32_t next = next_;
    std::uint32_t bumpLimit = bumpLimit_;
    int width = width_;
    std::uint64_t accumulator = accumulator_;
    int bitCount = bitCount_;
    const auto putCode = [&](std::uint32_t code, std::uint8_t*& out) {
        accumulator = accumulator << width | code;
        bitCount += width;
        while (bitCount >= 8) {
            bitCount -= 8;
            *out++ = static_cast<std::uint8_t>(accumulator >> bitCount);
        }
    };
    // Each byte adds at most two codes of at most 15 bits, so four staged bytes per input byte.
    constexpr std::size_t kRoom = kStagingSize - 8;
    while (bytes != end) {
        std::uint8_t* out = staging_.data() + staged_;
        const std::uint8_t* const stop =
            bytes + std::min<std::size_t>(end - bytes, (kRoom - staged_) / 4);
        for (; bytes != stop; ++bytes) {
            const std::uint32_t c = *bytes;
            // Should c end the current string, the next lookup is (c, following byte): fetch its
            // entry early, as the chain of lookups leaves the memory idle meanwhile.
            if (bytes + 1 != end) Prefetch(&dictionary[std::uint32_t{bytes[1]} << kCharShift ^ c]);
            const std::uint32_t key = current << 8 | c;
            std::uint32_t index = c << kCharShift ^ current;
            const std::uint32_t step = index == 0 ? 1 : kDictionarySize - index;
            Entry* entry = &dictionary[index];
            if (entry->key == key) {
                current = entry->code;
                continue;
            }
            if (entry->key != kUnused) {
                do {
                    index = index >= step ? index - step : index + kDictionarySize - step;
                    entry = &dictionary[index];
                } while (entry->key != key && entry->key != kUnused);
                if (entry->key == key) {
                    current = entry->code;
                    continue;
                }
            }
            entry->key = key;
            entry->code = next++;
            putCode(current, out);
            current = c;
            // At 15 bits the limit is 32767, so passing it means the codes are used up.
            if (next > bumpLimit) {
                if (next == kCodeLimit) {
                    putCode(kClearCode, out);
                    ClearDictionary();
                    next = next_;
                    width = width_;
                    bumpLimit = bumpLimit_;
                } else {
                    putCode(kBumpCode, out);
                    ++width;
                    bumpLimit = bumpLimit * 2 + 1;
                }
            }
        }
        staged_ = static_cast<std::size_t>(out - staging_.data());
        current_ = current;
        next_ = next;
        bumpLimit_ = bumpLimit;
        width_ = width;
        accumulator_ = accumulator;
        bitCount_ = bitCount;
        if (!Deliver(sink)) return false;
    }
    return true;
}

bool NvffLzwCompressor::Finish(NvffByteSink& sink) {
    // Without any data the current string is code 0, which a reader never asks for.
    PutCode(current_);
    PutCode(kEndCode);
    const bool delivered = Deliver(sink);
    accumulator_ = 0;
    bitCount_ = 0;
    current_ = 0;
    started_ = false;
    ClearDictionary();
    return delivered;
}
