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
    e.nodes_.reset(new (std::nothrow) Node[kCodeLimit]);
    e.pending_.reset(new (std::nothrow) std::uint8_t[kLongestString]);
    e.input_.reset(new (std::nothrow) std::uint8_t[kInputSize]);
    if (!e.nodes_ || !e.pending_ || !e.input_) return nullptr;
    for (std::uint32_t c = 0; c < 256; ++c) {
        const auto byte = static_cast<std::uint8_t>(c);
        e.nodes_[c] = Node{0, 1, byte, byte};
    }
    return expander;
}

NvffLzwExpander::NvffLzwExpander(NvffByteSource& source, std::uint64_t originalLength)
    : source_(source), original_(originalLength) {}

bool NvffLzwExpander::Fail(std::string message) {
    if (error_.empty()) error_ = std::move(message);
    return false;
}

bool NvffLzwExpander::Refill() {
    if (sourceDone_) {
        // The format pads with ones past the end, but no code the reader needs can lie there: the
        // stream ends with a code of at least nine bits that is never read.
        return Fail("the compressed data ends before the original length is reached");
    }
    const std::ptrdiff_t got = source_.Fill(input_.get(), kInputSize);
    if (got < 0) return Fail("the compressed data cannot be read");
    if (got == 0) sourceDone_ = true;
    inputAt_ = 0;
    inputEnd_ = static_cast<std::size_t>(got);
    return true;
}

std::ptrdiff_t NvffLzwExpander::Read(std::uint8_t* out, std::size_t count) {
    if (!error_.empty()) return -1;
    const std::size_t waiting = pendingEnd_ - pendingAt_;
    const std::uint64_t left = original_ - decoded_ + waiting;
    const std::size_t limit = static_cast<std::size_t>(std::min<std::uint64_t>(count, left));
    std::size_t done = std::min(limit, waiting);
    std::memcpy(out, pending_.get() + pendingAt_, done);
    pendingAt_ += done;

    // The loop works on local copies of the state so that they stay in registers; they go back
    // to the members whenever the input is refilled and at the end.
    Node* const nodes = nodes_.get();
    const std::uint8_t* input = input_.get();
    std::size_t inputAt = inputAt_, inputEnd = inputEnd_;
    std::uint64_t accumulator = accumulator_;
    int bitCount = bitCount_;
    std::uint32_t next = next_;
    int width = width_;
    int old = old_;
    std::uint64_t decoded = decoded_;
    const auto fail = [&](const char* message) {
        Fail(message);
        return -1;
    };

    while (done < limit) {
        while (bitCount < width) {
            if (inputEnd - inputAt >= 4) {
                accumulator = accumulator << 32 | std::uint64_t{input[inputAt]} << 24 |
                              std::uint64_t{input[inputAt + 1]} << 16 |
                              std::uint64_t{input[inputAt + 2]} << 8 | input[inputAt + 3];
                inputAt += 4;
                bitCount += 32;
            } else if (inputAt < inputEnd) {
                accumulator = accumulator << 8 | input[inputAt++];
                bitCount += 8;
            } else {
                if (!Refill()) return -1;
                inputAt = inputAt_;
                inputEnd = inputEnd_;
            }
        }
        bitCount -= width;
        const std::uint32_t code =
            static_cast<std::uint32_t>(accumulator >> bitCount) & ((1u << width) - 1);

        if (code == kEndCode) return fail("the stream ends before its original length is reached");
        if (code == kBumpCode) {
            if (width == kMaxWidth) return fail("the stream widens its codes past 15 bits");
            ++width;
            continue;
        }
        if (code == kClearCode) {
            next = kFirstFreeCode;
            width = kMinWidth;
            old = kNoCode;
            continue;
        }
        if (old == kNoCode) {
            if (code > 255) return fail("the stream starts with a code that is not a byte");
            out[done++] = static_cast<std::uint8_t>(code);
            ++decoded;
            old = static_cast<int>(code);
            continue;
        }
        if (code > next) return fail("the stream uses a code that is not yet defined");
        if (next == kCodeLimit) return fail("the stream fills the dictionary without clearing it");

        const Node& oldNode = nodes[old];
        // The code defined by this very step stands for the old string and its own first byte.
        const bool undefined = code == next;
        const std::uint32_t length = undefined ? oldNode.length + 1u : nodes[code].length;
        if (length > original_ - decoded)
            return fail("the stream expands past its original length");
        std::uint8_t* const target = limit - done >= length ? out + done : pending_.get();
        std::uint8_t* at = target + length;
        std::uint32_t walk = code;
        if (undefined) {
            *--at = oldNode.first;
            walk = static_cast<std::uint32_t>(old);
        }
        while (walk >= kFirstFreeCode) {
            *--at = nodes[walk].suffix;
            walk = nodes[walk].prefix;
        }
        *--at = static_cast<std::uint8_t>(walk);

        nodes[next] =
            Node{static_cast<std::uint16_t>(old), static_cast<std::uint16_t>(oldNode.length + 1u),
                 target[0], oldNode.first};
        ++next;
        old = static_cast<int>(code);
        decoded += length;
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

    inputAt_ = inputAt;
    accumulator_ = accumulator;
    bitCount_ = bitCount;
    next_ = next;
    width_ = width;
    old_ = old;
    decoded_ = decoded;
    produced_ += done;
    return static_cast<std::ptrdiff_t>(done);
}
