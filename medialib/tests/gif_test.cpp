#include "medialib/gif_reader.h"
#include "medialib/tests/image_fixtures.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A plain GIF LZW encoder, so that the reader meets real compressed codes (including the code
// that is being defined, which runs of equal pixels produce).
std::vector<std::uint8_t> EncodeLzw(const std::vector<std::uint8_t>& indices, int minCodeSize) {
    std::vector<std::uint8_t> bytes;
    std::uint32_t bits = 0;
    int count = 0;
    int width = minCodeSize + 1;
    const int clear = 1 << minCodeSize;
    auto put = [&](int code) {
        bits |= static_cast<std::uint32_t>(code) << count;
        count += width;
        while (count >= 8) {
            bytes.push_back(static_cast<std::uint8_t>(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    std::map<std::pair<int, int>, int> table;
    int next = clear + 2;
    put(clear);
    int prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const auto key = std::make_pair(prefix, int{indices[i]});
        if (auto it = table.find(key); it != table.end()) {
            prefix = it->second;
            continue;
        }
        put(prefix);
        table[key] = next++;
        if (next > (1 << width) && width < 12) ++width;
        if (next == 4096) {
            put(clear);
            table.clear();
            next = clear + 2;
            width = minCodeSize + 1;
        }
        prefix = indices[i];
    }
    put(prefix);
    put(clear + 1);
    if (count > 0) bytes.push_back(static_cast<std::uint8_t>(bits & 0xFF));
    return bytes;
}

struct GifLayout {
    int width = 0;
    int height = 0;
    std::uint8_t screenFlags = 0;
    std::vector<std::uint8_t> globalTable;
    std::uint8_t imageFlags = 0;
    std::vector<std::uint8_t> localTable;
    std::vector<std::uint8_t> extensions;
    int minCodeSize = 8;
};

std::vector<std::uint8_t> MakeGif(const GifLayout& layout, const std::vector<std::uint8_t>& indicesInFileOrder) {
    std::vector<std::uint8_t> f = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, layout.screenFlags, 0, 0};
    Put16(f, 6, layout.width);
    Put16(f, 8, layout.height);
    f.insert(f.end(), layout.globalTable.begin(), layout.globalTable.end());
    f.insert(f.end(), layout.extensions.begin(), layout.extensions.end());
    std::vector<std::uint8_t> d = {',', 0, 0, 0, 0, 0, 0, 0, 0, layout.imageFlags};
    Put16(d, 5, layout.width);
    Put16(d, 7, layout.height);
    f.insert(f.end(), d.begin(), d.end());
    f.insert(f.end(), layout.localTable.begin(), layout.localTable.end());
    f.push_back(static_cast<std::uint8_t>(layout.minCodeSize));
    const std::vector<std::uint8_t> data = EncodeLzw(indicesInFileOrder, layout.minCodeSize);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        f.push_back(static_cast<std::uint8_t>(n));
        f.insert(f.end(), data.begin() + at, data.begin() + at + n);
    }
    f.push_back(0);
    f.push_back(';');
    return f;
}

std::vector<std::uint8_t> Table(int entries) {
    std::vector<std::uint8_t> t;
    for (int i = 0; i < entries; ++i) {
        t.push_back(static_cast<std::uint8_t>(i));
        t.push_back(static_cast<std::uint8_t>(255 - i));
        t.push_back(static_cast<std::uint8_t>(i / 2));
    }
    return t;
}

// Mostly long runs of one index with some variety: plenty of codes that repeat their own
// string.
std::vector<std::uint8_t> Picture(int width, int height, int colours) {
    std::vector<std::uint8_t> p(std::size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) p[std::size_t(y) * width + x] = static_cast<std::uint8_t>((x < width / 2 ? y : x * 7 + y) % colours);
    }
    return p;
}

std::uint8_t IndexAt(const PackedDib& dib, int x, int y) {
    const auto layout = CheckDib(dib);
    const std::uint8_t* row = dib.Data() + layout->bitsOffset + std::size_t(layout->height - 1 - y) * layout->stride;
    switch (layout->bitCount) {
        case 8: return row[x];
        case 4: return static_cast<std::uint8_t>(x % 2 ? row[x / 2] & 15 : row[x / 2] >> 4);
        default: return static_cast<std::uint8_t>((row[x / 8] >> (7 - x % 8)) & 1);
    }
}

TEST(GifReader, GlobalTableAndCompressedCodes) {
    // Large enough that the table fills and is cleared more than once.
    GifLayout layout{300, 120, 0x87, Table(256), 0, {}, {}, 8};
    const auto picture = Picture(300, 120, 256);
    std::optional<PackedDib> dib;
    ASSERT_EQ(DecodeGif(MakeGif(layout, picture), dib), gif::kOk);
    EXPECT_EQ(dib->Header().biBitCount, 8);
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 300; ++x) ASSERT_EQ(IndexAt(*dib, x, y), picture[std::size_t(y) * 300 + x]) << x << "," << y;
    }
    EXPECT_EQ(PixelAt(*dib, 299, 119), gdi::RGB(picture.back(), 255 - picture.back(), picture.back() / 2));
}

TEST(GifReader, WithoutTablesTheColoursAreAGreyRamp) {
    // Screen flags 3: sixteen colours, a 4-bit picture; no global and no local table.
    GifLayout layout{16, 2, 0x03, {}, 0, {}, {}, 4};
    std::vector<std::uint8_t> picture;
    for (int i = 0; i < 32; ++i) picture.push_back(static_cast<std::uint8_t>(i % 16));
    std::optional<PackedDib> dib;
    ASSERT_EQ(DecodeGif(MakeGif(layout, picture), dib), gif::kOk);
    EXPECT_EQ(dib->Header().biBitCount, 4);
    for (int x = 0; x < 16; ++x) EXPECT_EQ(PixelAt(*dib, x, 1), gdi::RGB(16 * x, 16 * x, 16 * x)) << x;
}

TEST(GifReader, LocalTableReplacesTheGlobalOneAndExtensionsAreSkipped) {
    // A global 2-colour table (1 bit), a graphic control block and a comment, then an image with
    // a local 256-colour table.
    const std::vector<std::uint8_t> extensions = {'!', 0xF9, 4, 1, 0, 0, 7, 0, '!', 0xFE, 3, 'a', 'b', 'c', 0};
    GifLayout layout{5, 3, 0x80, {1, 2, 3, 4, 5, 6}, 0x87, Table(256), extensions, 8};
    const auto picture = Picture(5, 3, 256);
    std::optional<PackedDib> dib;
    ASSERT_EQ(DecodeGif(MakeGif(layout, picture), dib), gif::kOk);
    EXPECT_EQ(dib->Header().biBitCount, 8);
    const int v = picture[2 * 5 + 4];
    EXPECT_EQ(PixelAt(*dib, 4, 2), gdi::RGB(v, 255 - v, v / 2));
}

TEST(GifReader, InterlacedRowsComeOutInPictureOrder) {
    constexpr int kRows = 11;
    std::vector<int> fileOrder;
    for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
        for (int y = start; y < kRows; y += step) fileOrder.push_back(y);
    }
    std::vector<std::uint8_t> indices;
    for (int y : fileOrder) {
        for (int x = 0; x < 3; ++x) indices.push_back(static_cast<std::uint8_t>(y * 10 + x));
    }
    GifLayout layout{3, kRows, 0x87, Table(256), 0x40, {}, {}, 8};
    std::optional<PackedDib> dib;
    ASSERT_EQ(DecodeGif(MakeGif(layout, indices), dib), gif::kOk);
    for (int y = 0; y < kRows; ++y) EXPECT_EQ(IndexAt(*dib, 1, y), y * 10 + 1) << y;
}

TEST(GifReader, RefusesWhatIsNotAWholeGif) {
    GifLayout layout{40, 30, 0x87, Table(256), 0, {}, {}, 8};
    const auto good = MakeGif(layout, Picture(40, 30, 256));
    std::optional<PackedDib> dib;
    // Cut inside the image data.
    EXPECT_EQ(DecodeGif(std::vector<std::uint8_t>(good.begin(), good.end() - 40), dib), gif::kBadData);
    // Not a GIF, or a GIF with no image.
    EXPECT_EQ(DecodeGif(std::vector<std::uint8_t>{'G', 'I', 'F', '7', '9', 'a'}, dib), gif::kNotGif);
    std::vector<std::uint8_t> empty(good.begin(), good.begin() + 13 + 768);
    empty.push_back(';');
    EXPECT_EQ(DecodeGif(empty, dib), gif::kNotGif);
    // A minimum code size that would overflow the 12-bit codes.
    std::vector<std::uint8_t> wide = good;
    wide[13 + 768 + 10] = 12;
    EXPECT_EQ(DecodeGif(wide, dib), gif::kBadData);
    // A huge picture over a few bytes of data.
    std::vector<std::uint8_t> huge = good;
    Put16(huge, 13 + 768 + 5, 16000);
    Put16(huge, 13 + 768 + 7, 16000);
    huge.resize(13 + 768 + 10 + 1 + 4);
    EXPECT_EQ(DecodeGif(huge, dib), gif::kBadData);
    EXPECT_FALSE(dib);
}

}  // namespace
