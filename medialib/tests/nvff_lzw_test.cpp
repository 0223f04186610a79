#include <gtest/gtest.h>

#include <cstring>

#include "medialib/nvff_format.h"
#include "medialib/nvff_lzw_expander.h"
#include "medialib/nvff_memory.h"
#include "medialib/tests/nvff_test_support.h"

using namespace nvff_test;

namespace {

Bytes Compress(const Bytes& data) {
    return *LzwCompressBytes(data.data(), data.size());
}

std::optional<Bytes> Expand(const Bytes& codes, std::uint64_t original,
                            std::string* error = nullptr) {
    return LzwExpandBytes(codes.data(), codes.size(), original, error);
}

// Walks a code stream as a reader does and records what it meets.
struct CodeWalk {
    std::size_t dataCodes = 0;
    std::vector<std::uint32_t> controls;
    std::vector<std::size_t> dataCodesBeforeClear;
    std::vector<std::uint32_t> firstCodeAfterClear;
};

CodeWalk WalkCodes(const Bytes& codes) {
    CodeWalk walk;
    int width = 9;
    std::uint64_t bitPos = 0;
    const std::uint64_t bitEnd = codes.size() * 8ull;
    bool afterClear = false;
    while (bitPos + static_cast<std::uint64_t>(width) <= bitEnd) {
        std::uint32_t code = 0;
        for (int i = 0; i < width; ++i, ++bitPos) {
            code = code << 1 | ((codes[bitPos / 8] >> (7 - bitPos % 8)) & 1u);
        }
        if (afterClear) walk.firstCodeAfterClear.push_back(code);
        afterClear = false;
        if (code == nvff::kEndCode) break;
        if (code == nvff::kBumpCode || code == nvff::kClearCode) {
            walk.controls.push_back(code);
            if (code == nvff::kBumpCode) ++width;
            if (code == nvff::kClearCode) {
                walk.dataCodesBeforeClear.push_back(walk.dataCodes);
                walk.dataCodes = 0;
                width = 9;
                afterClear = true;
            }
            continue;
        }
        ++walk.dataCodes;
    }
    return walk;
}

}  // namespace

TEST(NvffLzw, EmptyInputIsCodeZeroAndEndCodeInTwoBytes) {
    // 000000000 100000000: the last two bits of the end code are not written.
    EXPECT_EQ(Compress({}), (Bytes{0x00, 0x40}));
    EXPECT_EQ(Expand({0x00, 0x40}, 0), Bytes{});
}

TEST(NvffLzw, OneByteIsItsCodeAndEndCodeInTwoBytes) {
    // 'A' = 001000001, then 100000000.
    EXPECT_EQ(Compress({'A'}), (Bytes{0x20, 0xC0}));
    EXPECT_EQ(Expand({0x20, 0xC0}, 1), Bytes{'A'});
}

TEST(NvffLzw, RunDefinesStringsAndUsesTheCodeBeingDefined) {
    // "AAAA": A, then 259 = "AA" (defined by the first miss), then A, then the end code.
    const Bytes codes = PackCodes({{'A', 9}, {259, 9}, {'A', 9}, {256, 9}});
    EXPECT_EQ(Compress(RepeatedBytes(4, "A")), codes);
    EXPECT_EQ(Expand(codes, 4), RepeatedBytes(4, "A"));
    // A reader meets 259 while it is being defined: it stands for the old string and its first
    // byte.
    EXPECT_EQ(Expand(PackCodes({{'A', 9}, {259, 9}, {260, 9}, {256, 9}}), 6),
              RepeatedBytes(6, "A"));
}

TEST(NvffLzw, CodesWidenAfterEachLimitAndClearAt32768) {
    const Bytes data = RandomBytes(300000, 7);
    const Bytes codes = Compress(data);
    const CodeWalk walk = WalkCodes(codes);
    ASSERT_GE(walk.dataCodesBeforeClear.size(), 2u);
    // Six widenings (9 to 15 bits), then the clear once codes 259 to 32767 are defined.
    const std::vector<std::uint32_t> cycle = {257, 257, 257, 257, 257, 257, 258};
    EXPECT_EQ(std::vector<std::uint32_t>(walk.controls.begin(), walk.controls.begin() + 7), cycle);
    EXPECT_EQ(std::vector<std::uint32_t>(walk.controls.begin() + 7, walk.controls.begin() + 14),
              cycle);
    EXPECT_EQ(walk.dataCodesBeforeClear[0], 32768u - 259u);
    // After the clear the codes are nine bits wide again and start with a single byte.
    EXPECT_LT(walk.firstCodeAfterClear[0], 256u);
    EXPECT_EQ(Expand(codes, data.size()), data);
}

TEST(NvffLzw, RoundTripsDataOfManySizes) {
    const std::size_t sizes[] = {2, 3, 255, 256, 511, 4095, 32000, 32001, 100000, 1 << 20};
    for (std::size_t size : sizes) {
        const std::vector<std::pair<std::string, Bytes>> samples = {
            {"random", RandomBytes(size, static_cast<std::uint32_t>(size))},
            {"zeros", Bytes(size, 0)},
            {"pattern", RepeatedBytes(size, "abcabcabd")},
            {"mixed", MixedBytes(size, 3)},
        };
        for (const auto& [name, data] : samples) {
            SCOPED_TRACE(name + " " + std::to_string(size));
            const Bytes codes = Compress(data);
            EXPECT_EQ(Expand(codes, data.size()), data);
        }
    }
}

TEST(NvffLzw, LongestStringsComeThroughSmallReads) {
    // Each code is the one being defined, so every string is one byte longer than the last, up to
    // the longest a code can stand for (code 32767).
    std::vector<std::pair<std::uint32_t, int>> codes = {{'z', 9}};
    int width = 9;
    for (std::uint32_t code = 259; code < 32768; ++code) {
        codes.push_back({code, width});
        if (code + 1 > (1u << width) - 1 && width < 15) codes.push_back({257, width++});
    }
    codes.push_back({256, width});
    const Bytes packed = PackCodes(codes);
    const std::uint64_t total = 32510ull * 32511ull / 2;
    NvffMemorySource source(packed.data(), packed.size());
    auto expander = NvffLzwExpander::Create(source, total);
    std::vector<std::uint8_t> chunk(1 << 16);
    const std::vector<std::uint8_t> zs(chunk.size(), 'z');
    std::uint64_t seen = 0;
    bool allZ = true;
    for (int read = 0; !expander->Finished(); ++read) {
        // Mostly large reads, with odd small ones that split strings.
        const std::size_t step = read % 7 == 0 ? 13 : chunk.size();
        const std::ptrdiff_t got = expander->Read(chunk.data(), step);
        ASSERT_GT(got, 0) << expander->Error();
        allZ = allZ && std::memcmp(chunk.data(), zs.data(), static_cast<std::size_t>(got)) == 0;
        seen += static_cast<std::uint64_t>(got);
    }
    EXPECT_TRUE(allZ);
    EXPECT_EQ(seen, total);
}

TEST(NvffLzw, ExpanderRefusesBadStreams) {
    std::vector<std::pair<std::uint32_t, int>> tooWide = {{'A', 9}};
    for (int width = 9; width <= 15; ++width) tooWide.push_back({257, width});
    tooWide.push_back({0, 16});
    std::vector<std::pair<std::uint32_t, int>> neverCleared(32511, {'A', 9});
    neverCleared.push_back({0, 16});

    struct Case {
        const char* name;
        Bytes codes;
        std::uint64_t original;
        const char* error;
    } const cases[] = {
        {"undefined code", PackCodes({{'A', 9}, {300, 9}, {256, 9}}), 10, "not yet defined"},
        {"code past the one being defined", PackCodes({{'A', 9}, {260, 9}, {256, 9}}), 10,
         "not yet defined"},
        {"first code not a byte", PackCodes({{300, 9}, {256, 9}}), 10, "not a byte"},
        {"first code after clear not a byte", PackCodes({{'A', 9}, {258, 9}, {259, 9}, {256, 9}}),
         10, "not a byte"},
        {"width past 15 bits", PackCodes(tooWide), 10, "past 15 bits"},
        {"end code too early", PackCodes({{'A', 9}, {256, 9}, {0, 9}}), 5,
         "before its original length"},
        {"data ends too early", PackCodes({{'A', 9}, {'B', 9}}), 3, "ends before"},
        {"no data at all", {}, 1, "ends before"},
        {"string past the original length", PackCodes({{'A', 9}, {259, 9}, {256, 9}}), 2,
         "past its original length"},
        {"dictionary never cleared", PackCodes(neverCleared), 1u << 29, "without clearing"},
        {"original length the codes cannot hold", {0, 0}, 1u << 30, "can hold"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        EXPECT_EQ(Expand(c.codes, c.original, &error), std::nullopt);
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

TEST(NvffLzw, ExpanderStopsAtTheOriginalLength) {
    // Codes after the original length (here an undefined one) are never read.
    EXPECT_EQ(Expand(PackCodes({{'A', 9}, {'B', 9}, {400, 9}}), 2), (Bytes{'A', 'B'}));
}
