#include "runtime/transitions/dc_transition_target.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace transitions {

namespace {

constexpr int kNarrowBlock = 8;
// Merged blocks stay within the largest bitmap side, so their sizes never overflow.
constexpr int kMaxMerged = 1 << 16;

// Cuts the copy to both bitmaps; false when nothing is left.
bool ClipToBitmaps(const gdi::Bitmap& src, const gdi::Bitmap& dst, int& srcX, int& srcY, int& dstX,
                   int& dstY, int& width, int& height) {
    // Wide arithmetic: the engine's callers may pass any origin.
    auto clip = [](int& s, int& d, int& length, int srcLimit, int dstLimit) {
        std::int64_t s64 = s, d64 = d, n = length;
        const std::int64_t cut = std::max<std::int64_t>({0, -s64, -d64});
        s64 += cut;
        d64 += cut;
        n = std::min<std::int64_t>({n - cut, srcLimit - s64, dstLimit - d64});
        if (n <= 0) return false;
        s = static_cast<int>(s64);
        d = static_cast<int>(d64);
        length = static_cast<int>(n);
        return true;
    };
    return clip(srcX, dstX, width, src.Width(), dst.Width()) &&
           clip(srcY, dstY, height, src.Height(), dst.Height());
}

gdi::RECT Union(const gdi::RECT& a, const gdi::RECT& b) {
    if (a.IsEmpty()) return b;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

}  // namespace

DCTransitionTarget::DCTransitionTarget(gdi::DC& dc, TransitionInputFilter* filter)
    : dc_(dc),
      filter_(filter),
      eventRounds_(filter ? filter->EventRounds() : 0),
      target_(dc.Target()) {
    Refresh();
}

void DCTransitionTarget::Refresh() {
    target_ = dc_.Target();
    // Taken once here rather than per block: the image can only be shared or replaced while
    // events run or the view repaints, and both are followed by a refresh.
    targetBits_ = target_ ? target_->Image().bits() : nullptr;
    targetLine_ = target_ ? target_->Image().bytesPerLine() : 0;
}

bool DCTransitionTarget::CopyBlock(const gdi::Bitmap& source, int srcX, int srcY, int dstX,
                                   int dstY, int width, int height) {
    if (!target_) return false;
    Pending& p = pending_;
    // A block that continues the pending one along a row or a column joins it: the pixels end up
    // the same and the copy runs over longer rows or more of them at once.
    if (p.source == &source && &source != target_.get() && width > 0 && height > 0) {
        if (srcY == p.srcY && dstY == p.dstY && height == p.height &&
            std::int64_t{srcX} - p.srcX == p.width && std::int64_t{dstX} - p.dstX == p.width &&
            p.width <= kMaxMerged - width) {
            p.width += width;
            return true;
        }
        if (srcX == p.srcX && dstX == p.dstX && width == p.width &&
            std::int64_t{srcY} - p.srcY == p.height && std::int64_t{dstY} - p.dstY == p.height &&
            p.height <= kMaxMerged - height) {
            p.height += height;
            return true;
        }
    }
    Flush();
    pending_ = Pending{&source, srcX, srcY, dstX, dstY, width, height};
    return true;
}

void DCTransitionTarget::Flush() {
    if (!pending_.source) return;
    const Pending p = pending_;
    pending_ = {};
    if (target_) CopyNow(*p.source, p.srcX, p.srcY, p.dstX, p.dstY, p.width, p.height);
}

void DCTransitionTarget::CopyNow(const gdi::Bitmap& source, int srcX, int srcY, int dstX, int dstY,
                                 int width, int height) {
    gdi::Bitmap& target = *target_;
    if (!ClipToBitmaps(source, target, srcX, srcY, dstX, dstY, width, height)) return;

    if (&source != sourceCached_) {
        sourceCached_ = &source;
        sourceBits_ = source.Image().constBits();
        sourceLine_ = source.Image().bytesPerLine();
    }
    const qsizetype fromLine = sourceLine_;
    const qsizetype toLine = targetLine_;
    const uchar* s = sourceBits_ + srcY * fromLine + srcX * 4;
    uchar* d = targetBits_ + dstY * toLine + dstX * 4;
    if (&source == &target) {
        for (int row = 0; row < height; ++row, s += fromLine, d += toLine)
            std::memmove(d, s, static_cast<size_t>(width) * 4);
    } else if (source.IsMonochrome() == target.IsMonochrome()) {
        // Most blocks are a few pixels wide (tall ones in the vertical slide), where a call per row
        // would cost more than the copy.
        if (width <= kNarrowBlock) {
            for (int row = 0; row < height; ++row, s += fromLine, d += toLine) {
                auto* in = reinterpret_cast<const std::uint32_t*>(s);
                auto* out = reinterpret_cast<std::uint32_t*>(d);
                for (int x = 0; x < width; ++x) out[x] = in[x];
            }
        } else {
            for (int row = 0; row < height; ++row, s += fromLine, d += toLine)
                std::memcpy(d, s, static_cast<size_t>(width) * 4);
        }
    } else {
        // Colours change between monochrome and colour bitmaps as a block transfer changes them:
        // white source pixels (the background of a fresh memory DC) become 1, others 0; 1 becomes
        // the target DC's background colour, 0 its text colour.
        const std::uint32_t white = gdi::ToPixel(gdi::RGB(255, 255, 255));
        const std::uint32_t black = gdi::ToPixel(gdi::RGB(0, 0, 0));
        const std::uint32_t one =
            target.IsMonochrome() ? white : gdi::ToPixel(dc_.Resolve(dc_.GetBkColor()));
        const std::uint32_t zero =
            target.IsMonochrome() ? black : gdi::ToPixel(dc_.Resolve(dc_.GetTextColor()));
        for (int row = 0; row < height; ++row, s += fromLine, d += toLine) {
            auto* in = reinterpret_cast<const std::uint32_t*>(s);
            auto* out = reinterpret_cast<std::uint32_t*>(d);
            for (int x = 0; x < width; ++x) out[x] = (in[x] | 0xFF000000u) == white ? one : zero;
        }
    }
    dirty_ = Union(dirty_, gdi::RECT{dstX, dstY, dstX + width, dstY + height});
}

void DCTransitionTarget::Present() {
    Flush();
    // A transition ends with a present; the next one may bring another picture at the same address.
    sourceCached_ = nullptr;
    const gdi::RECT area = dirty_;
    dirty_ = {};
    dc_.Changed(area);
    Refresh();
}

bool DCTransitionTarget::PollAbort() {
    if (!filter_) return false;
    // Events may repaint the view or replace its front buffer: what is copied must be there first.
    Flush();
    const bool abort = filter_->PollAbort();
    if (filter_->EventRounds() != eventRounds_) {
        eventRounds_ = filter_->EventRounds();
        Refresh();
    }
    return abort;
}

}  // namespace transitions
