#include "platform/gdi/raster_ops.h"

#include "platform/gdi/pattern_source.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace gdi {

namespace {

constexpr std::uint32_t kAlpha = 0xFF000000u;

// Bit i of the operation index is the result for pattern bit (i & 4), source bit (i & 2) and
// destination bit (i & 1); applied bitwise, this is every ternary operation.
inline std::uint32_t Rop3(unsigned index, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    std::uint32_t r = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (index & (1u << i))
            r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return r | kAlpha;
}

// Combines one row. s is the converted source row (or null), p the pattern row (or null),
// opaque marks the pattern pixels that take part (null when all do).
void ApplyRow(unsigned index, std::uint32_t* d, const std::uint32_t* s, const std::uint32_t* p,
              const std::uint8_t* opaque, int n) {
    if (opaque) {
        for (int i = 0; i < n; ++i)
            if (opaque[i]) d[i] = Rop3(index, p[i], s ? s[i] : 0, d[i]);
        return;
    }
    switch (index) {
    case 0xCC:
        std::memcpy(d, s, static_cast<size_t>(n) * 4);
        return;
    case 0x88:
        for (int i = 0; i < n; ++i) d[i] &= s[i];
        return;
    case 0x66:
        for (int i = 0; i < n; ++i) d[i] = (d[i] ^ s[i]) | kAlpha;
        return;
    case 0xEE:
        for (int i = 0; i < n; ++i) d[i] |= s[i];
        return;
    case 0x33:
        for (int i = 0; i < n; ++i) d[i] = ~s[i] | kAlpha;
        return;
    case 0xF0:
        std::memcpy(d, p, static_cast<size_t>(n) * 4);
        return;
    case 0x5A:
        for (int i = 0; i < n; ++i) d[i] = (d[i] ^ p[i]) | kAlpha;
        return;
    case 0x55:
        for (int i = 0; i < n; ++i) d[i] = ~d[i] | kAlpha;
        return;
    case 0x00:
        std::fill(d, d + n, kAlpha);
        return;
    case 0xFF:
        std::fill(d, d + n, 0xFFFFFFFFu);
        return;
    case 0xAA:
        return;
    default:
        for (int i = 0; i < n; ++i) d[i] = Rop3(index, p ? p[i] : 0, s ? s[i] : 0, d[i]);
    }
}

// Turns source pixels into the destination's format by the conversion rules of the header.
class SourceConverter {
public:
    SourceConverter(const DC& dst, const Bitmap& target, const DC* src, const Bitmap* source) {
        if (!source || source->IsMonochrome() == target.IsMonochrome()) return;
        if (source->IsMonochrome()) {
            mode_ = Mode::MonoToColour;
            zero_ = ToPixel(dst.Resolve(dst.GetTextColor()));
            one_ = ToPixel(dst.Resolve(dst.GetBkColor()));
        } else {
            mode_ = Mode::ColourToMono;
            key_ = ToPixel(src->Resolve(src->GetBkColor())) & 0x00FFFFFFu;
        }
    }
    bool Needed() const { return mode_ != Mode::None; }
    void Convert(const std::uint32_t* in, std::uint32_t* out, int n) const {
        if (mode_ == Mode::MonoToColour) {
            for (int i = 0; i < n; ++i) out[i] = (in[i] & 0x00FFFFFFu) ? one_ : zero_;
        } else {
            for (int i = 0; i < n; ++i) out[i] = ((in[i] & 0x00FFFFFFu) == key_) ? 0xFFFFFFFFu : kAlpha;
        }
    }

private:
    enum class Mode { None, MonoToColour, ColourToMono };
    Mode mode_ = Mode::None;
    std::uint32_t zero_ = 0, one_ = 0, key_ = 0;
};

// Cuts a span so that it lies inside the destination (and the source, when sourceLimit >= 0).
void ClipAxis(std::int64_t& d, std::int64_t& s, std::int64_t& n, std::int64_t destLimit,
              std::int64_t sourceLimit) {
    if (d < 0) {
        s -= d;
        n += d;
        d = 0;
    }
    if (sourceLimit >= 0 && s < 0) {
        d -= s;
        n += s;
        s = 0;
    }
    n = std::min(n, destLimit - d);
    if (sourceLimit >= 0) n = std::min(n, sourceLimit - s);
}

bool Transfer(DC& dst, int x, int y, int width, int height, const DC* src, int srcX, int srcY,
              std::uint32_t rop, const Brush& brush) {
    HBITMAP target = dst.Target();
    if (!target) return false;
    const unsigned index = (rop >> 16) & 0xFF;
    const bool useSource = RopUsesSource(rop);
    const bool usePattern = RopUsesPattern(rop);
    HBITMAP source;
    if (useSource) {
        if (!src) return false;
        source = src->Target();
        if (!source) return false;
    }
    if (width <= 0 || height <= 0) return true;

    std::int64_t dx = x, dy = y, sx = srcX, sy = srcY, cw = width, ch = height;
    ClipAxis(dx, sx, cw, target->Width(), useSource ? source->Width() : -1);
    ClipAxis(dy, sy, ch, target->Height(), useSource ? source->Height() : -1);
    if (cw <= 0 || ch <= 0) return true;

    PatternSource pattern(dst, brush, target->IsMonochrome());
    if (usePattern && pattern.IsNull()) return true;

    const QImage* sourceImage = useSource ? &source->Image() : nullptr;
    QImage overlapCopy;
    if (useSource && source == target) {
        overlapCopy = source->Image().copy(static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(cw),
                                           static_cast<int>(ch));
        sourceImage = &overlapCopy;
        sx = 0;
        sy = 0;
    }
    const SourceConverter converter(dst, *target, src, source.get());
    const int n = static_cast<int>(cw);
    std::vector<std::uint32_t> converted(converter.Needed() ? n : 0);
    std::vector<std::uint32_t> patternRow(usePattern ? n : 0);
    std::vector<std::uint8_t> opaque(usePattern ? n : 0);

    QImage& image = target->Image();
    for (int r = 0; r < ch; ++r) {
        auto* d = reinterpret_cast<std::uint32_t*>(image.scanLine(static_cast<int>(dy) + r)) + dx;
        const std::uint32_t* s = nullptr;
        if (useSource) {
            s = reinterpret_cast<const std::uint32_t*>(sourceImage->constScanLine(static_cast<int>(sy) + r)) + sx;
            if (converter.Needed()) {
                converter.Convert(s, converted.data(), n);
                s = converted.data();
            }
        }
        const std::uint32_t* p = nullptr;
        const std::uint8_t* mask = nullptr;
        if (usePattern) {
            const bool allOpaque =
                pattern.FillRow(static_cast<int>(dx), static_cast<int>(dy) + r, n, patternRow.data(), opaque.data());
            p = patternRow.data();
            mask = allOpaque ? nullptr : opaque.data();
        }
        ApplyRow(index, d, s, p, mask, n);
    }
    dst.Changed(RECT{static_cast<int>(dx), static_cast<int>(dy), static_cast<int>(dx + cw), static_cast<int>(dy + ch)});
    return true;
}

// Destination span [first, last) of a stretched axis that lies inside both bitmaps, with the
// source coordinate of each destination pixel in it.
struct AxisMap {
    int destStart = 0;
    std::vector<int> source;
};

AxisMap MapAxis(int dest, int destExtent, int src, int srcExtent, int destLimit, int srcLimit) {
    AxisMap map;
    const bool flip = (destExtent < 0) != (srcExtent < 0);
    const std::int64_t dl = destExtent < 0 ? std::int64_t{dest} + destExtent + 1 : dest;
    const std::int64_t dn = destExtent < 0 ? -std::int64_t{destExtent} : destExtent;
    const std::int64_t sl = srcExtent < 0 ? std::int64_t{src} + srcExtent + 1 : src;
    const std::int64_t sn = srcExtent < 0 ? -std::int64_t{srcExtent} : srcExtent;
    const std::int64_t first = std::max<std::int64_t>(0, -dl);
    const std::int64_t last = std::min<std::int64_t>(dn, destLimit - dl);
    for (std::int64_t i = first; i < last; ++i) {
        const std::int64_t j = flip ? dn - 1 - i : i;
        const std::int64_t s = sl + ((2 * j + 1) * sn) / (2 * dn);
        if (s < 0 || s >= srcLimit) {
            if (!map.source.empty()) break;  // the valid part is contiguous: it has ended
            continue;
        }
        if (map.source.empty()) map.destStart = static_cast<int>(dl + i);
        map.source.push_back(static_cast<int>(s));
    }
    return map;
}

}  // namespace

bool RopUsesSource(std::uint32_t rop) { return (((rop >> 2) ^ rop) & 0x00330000u) != 0; }
bool RopUsesPattern(std::uint32_t rop) { return (((rop >> 4) ^ rop) & 0x000F0000u) != 0; }

bool BitBlt(DC& dst, int x, int y, int width, int height, const DC* src, int srcX, int srcY,
            std::uint32_t rop) {
    return Transfer(dst, x, y, width, height, src, srcX, srcY, rop, dst.GetBrush());
}

bool PatBlt(DC& dst, int x, int y, int width, int height, std::uint32_t rop) {
    return PatBltWithBrush(dst, RECT{x, y, x + width, y + height}, dst.GetBrush(), rop);
}

bool PatBltWithBrush(DC& dst, const RECT& rect, const Brush& brush, std::uint32_t rop) {
    if (RopUsesSource(rop)) return false;
    const int left = std::min(rect.left, rect.right), top = std::min(rect.top, rect.bottom);
    const int width = std::abs(rect.right - rect.left), height = std::abs(rect.bottom - rect.top);
    return Transfer(dst, left, top, width, height, nullptr, 0, 0, rop, brush);
}

bool StretchBlt(DC& dst, int x, int y, int width, int height, const DC* src, int srcX, int srcY,
                int srcWidth, int srcHeight, std::uint32_t rop) {
    if (!RopUsesSource(rop)) return PatBlt(dst, x, y, width, height, rop);
    if (width == srcWidth && height == srcHeight && width > 0 && height > 0)
        return BitBlt(dst, x, y, width, height, src, srcX, srcY, rop);
    HBITMAP target = dst.Target();
    if (!target || !src) return false;
    HBITMAP source = src->Target();
    if (!source) return false;
    if (width == 0 || height == 0 || srcWidth == 0 || srcHeight == 0) return true;

    const AxisMap columns = MapAxis(x, width, srcX, srcWidth, target->Width(), source->Width());
    const AxisMap rows = MapAxis(y, height, srcY, srcHeight, target->Height(), source->Height());
    if (columns.source.empty() || rows.source.empty()) return true;
    const bool usePattern = RopUsesPattern(rop);
    PatternSource pattern(dst, dst.GetBrush(), target->IsMonochrome());
    if (usePattern && pattern.IsNull()) return true;

    const QImage sourceImage = source == target ? source->Image().copy() : source->Image();
    const SourceConverter converter(dst, *target, src, source.get());
    const unsigned index = (rop >> 16) & 0xFF;
    const int n = static_cast<int>(columns.source.size());
    std::vector<std::uint32_t> sampled(n), converted(n), patternRow(usePattern ? n : 0);
    std::vector<std::uint8_t> opaque(usePattern ? n : 0);
    QImage& image = target->Image();
    for (size_t r = 0; r < rows.source.size(); ++r) {
        const int dy = rows.destStart + static_cast<int>(r);
        const auto* s = reinterpret_cast<const std::uint32_t*>(sourceImage.constScanLine(rows.source[r]));
        for (int i = 0; i < n; ++i) sampled[i] = s[columns.source[i]];
        const std::uint32_t* row = sampled.data();
        if (converter.Needed()) {
            converter.Convert(row, converted.data(), n);
            row = converted.data();
        }
        const std::uint32_t* p = nullptr;
        const std::uint8_t* mask = nullptr;
        if (usePattern) {
            const bool allOpaque = pattern.FillRow(columns.destStart, dy, n, patternRow.data(), opaque.data());
            p = patternRow.data();
            mask = allOpaque ? nullptr : opaque.data();
        }
        auto* d = reinterpret_cast<std::uint32_t*>(image.scanLine(dy)) + columns.destStart;
        ApplyRow(index, d, row, p, mask, n);
    }
    dst.Changed(RECT{columns.destStart, rows.destStart, columns.destStart + n,
                     rows.destStart + static_cast<int>(rows.source.size())});
    return true;
}

}  // namespace gdi
