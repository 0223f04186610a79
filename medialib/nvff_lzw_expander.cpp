#include "medialib/nvff_lzw_expander.h"

#include <algorithm>
#include <cstring>
#include <new>

using namespace nvff;

std::unique_ptr<NvffLzwExpander> NvffLzwExpander::Create(NvffByteSource& source,
                                                         std::uint64_t originalLength) {
    std::unique_ptr<NvffLzwExpander> expander(new (std::nothrow)
                                                  NvffLzwExpander(source, originalLength));
    if (!expander) return nullptr;
    NvffLzwExpander& e = *expander;
    e.prefix_.reset(new (std::nothrow) std::uint16_t[kCodeLimit]);
    e.suffix_.reset(new (std::nothrow) std::uint8_t[kCodeLimit]);
    e.first_.reset(new (std::nothrow) std::uint8_t[kCodeLimit]);
    e.length_.reset(new (std::nothrow) std::uint16_t[kCodeLimit]);
    e.pending_.reset(new (std::nothrow) std::uint8_t[kLongestString]);
    e.input_.reset(new (std::nothrow) std::uint8_t[kInputSize]);
    if (!e.prefix_ || !e.suffix_ || !e.first_ || !e.length_ || !e.pending_ || !e.input_) {
        return nullptr;
    }
    for (std::uint32_t c = 0; c < 256; ++c) {
        e.prefix_[c] = 0;
        e.suffix_[c] = e.first_[c] = static_cast<std::uint8_t>(c);
        e.length_[c] = 1;
    }
    return expander;
}

NvffLzwExpander::NvffLzwExpander(NvffByteSource& source, std::uint64_t originalLength)
    : source_(source), original_(originalLength) {}

bool NvffLzwExpander::Fail(std::string message) {
    if (error_.empty()) error_ = std::move(message);
    return false;
}

void NvffLzwExpander::Restart() {
    next_ = kFirstFreeCode;
    width_ = kMinWidth;
    old_ = kNoCode;
}

bool NvffLzwExpander::ReadCode(std::uint32_t& code) {
    while (bitCount_ < width_) {
        if (inputAt_ == inputEnd_) {
            if (sourceDone_) {
                // The format pads with ones past the end, but no code the reader needs can lie
                // there: the stream ends with a code of at least nine bits that is never read.
                return Fail("the compressed data ends before the original length is reached");
            }
            const std::ptrdiff_t got = source_.Fill(input_.get(), kInputSize);
            if (got < 0) return Fail("the compressed data cannot be read");
            if (got == 0) sourceDone_ = true;
            inputAt_ = 0;
            inputEnd_ = static_cast<std::size_t>(got);
            continue;
        }
        accumulator_ = accumulator_ << 8 | input_[inputAt_++];
        bitCount_ += 8;
    }
    bitCount_ -= width_;
    code = static_cast<std::uint32_t>(accumulator_ >> bitCount_) & ((1u << width_) - 1);
    return true;
}

void NvffLzwExpander::Spell(std::uint32_t code, std::uint32_t length, std::uint8_t* out) const {
    std::uint8_t* at = out + length;
    while (code >= kFirstFreeCode) {
        *--at = suffix_[code];
        code = prefix_[code];
    }
    *--at = static_cast<std::uint8_t>(code);
}

std::ptrdiff_t NvffLzwExpander::Read(std::uint8_t* out, std::size_t count) {
    if (!error_.empty()) return -1;
    const std::size_t waiting = pendingEnd_ - pendingAt_;
    const std::uint64_t left = original_ - decoded_ + waiting;
    const std::size_t limit = static_cast<std::size_t>(std::min<std::uint64_t>(count, left));
    std::size_t done = std::min(limit, waiting);
    std::memcpy(out, pending_.get() + pendingAt_, done);
    pendingAt_ += done;

    while (done < limit) {
        std::uint32_t code;
        if (!ReadCode(code)) return -1;
        if (code == kEndCode) {
            Fail("the stream ends before its original length is reached");
            return -1;
        }
        if (code == kBumpCode) {
            if (width_ == kMaxWidth) {
                Fail("the stream widens its codes past 15 bits");
                return -1;
            }
            ++width_;
            continue;
        }
        if (code == kClearCode) {
            Restart();
            continue;
        }
        if (old_ == kNoCode) {
            if (code > 255) {
                Fail("the stream starts with a code that is not a byte");
                return -1;
            }
            out[done++] = static_cast<std::uint8_t>(code);
            ++decoded_;
            old_ = static_cast<int>(code);
            continue;
        }
        if (code > next_) {
            Fail("the stream uses a code that is not yet defined");
            return -1;
        }
        if (next_ == kCodeLimit) {
            Fail("the stream fills the dictionary without clearing it");
            return -1;
        }
        const std::uint32_t old = static_cast<std::uint32_t>(old_);
        // The code defined by this very step stands for the old string and its own first byte.
        const bool undefined = code == next_;
        const std::uint32_t length = undefined ? length_[old] + 1u : length_[code];
        if (length > original_ - decoded_) {
            Fail("the stream expands past its original length");
            return -1;
        }
        std::uint8_t* target = limit - done >= length ? out + done : pending_.get();
        if (undefined) {
            Spell(old, length - 1, target);
            target[length - 1] = first_[old];
        } else {
            Spell(code, length, target);
        }
        prefix_[next_] = static_cast<std::uint16_t>(old);
        suffix_[next_] = target[0];
        first_[next_] = first_[old];
        length_[next_] = static_cast<std::uint16_t>(length_[old] + 1u);
        ++next_;
        old_ = static_cast<int>(code);
        decoded_ += length;
        if (target == out + done) {
            done += length;
        } else {
            const std::size_t part = limit - done;
            std::memcpy(out + done, target, part);
            done += part;
            pendingAt_ = part;
            pendingEnd_ = length;
        }
    }
    produced_ += done;
    return static_cast<std::ptrdiff_t>(done);
}
