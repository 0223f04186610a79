#include "medialib/nvff_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "medialib/nvff_kind.h"
#include "medialib/tests/nvff_test_support.h"

using namespace nvff_test;

namespace {

Bytes Header(const char* magic, std::uint32_t original, std::uint32_t compressed) {
    Bytes bytes(magic, magic + std::strlen(magic));
    for (std::uint32_t word : {original, compressed}) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(word >> (8 * i)));
    }
    return bytes;
}

// Writes data as one stream in chunks of the given size.
bool WriteStream(const std::filesystem::path& path, NvffMode mode, const Bytes& data,
                 std::size_t chunk) {
    auto file = CreateCompressor(NvffKind::Lzw);
    if (!file->Open(path, mode)) return false;
    for (std::size_t at = 0; at < data.size(); at += chunk) {
        if (!file->Write(data.data() + at, std::min(chunk, data.size() - at))) return false;
    }
    return file->Close();
}

std::optional<Bytes> ReadStream(const std::filesystem::path& path, std::size_t chunk,
                                std::string* error = nullptr) {
    NvffFile file;
    if (!file.Open(path, NvffMode::Read)) {
        if (error) *error = file.Error();
        return std::nullopt;
    }
    Bytes out;
    std::vector<std::uint8_t> buffer(chunk);
    for (;;) {
        const std::ptrdiff_t got = file.Read(buffer.data(), buffer.size());
        if (got < 0) {
            if (error) *error = file.Error();
            return std::nullopt;
        }
        if (got == 0) break;
        out.insert(out.end(), buffer.begin(), buffer.begin() + got);
    }
    return out;
}

}  // namespace

TEST(NvffKind, DetectKindComparesTheMagicsInOrder) {
    ScratchFolder folder;
    const struct {
        std::string content;
        NvffKind kind;
    } cases[] = {
        {"NVFFHUFF", NvffKind::Huffman},     {"NVFFLZSS....", NvffKind::Lzss},
        {"NVFFLZW \x01\x02", NvffKind::Lzw}, {"NVFFLZWX", NvffKind::Plain},
        {"NVFFLZW", NvffKind::Plain},        {"", NvffKind::Plain},
        {"nvfflzw ", NvffKind::Plain},
    };
    for (const auto& c : cases) {
        WriteFile(folder / "f", c.content);
        EXPECT_EQ(DetectKind(folder / "f"), c.kind) << c.content;
    }
    EXPECT_EQ(DetectKind(folder / "missing"), NvffKind::Plain);
    EXPECT_EQ(DetectKind(folder.path()), NvffKind::Plain);
}

TEST(NvffFile, CloseWithoutWriteGivesTheEmptyStream) {
    ScratchFolder folder;
    ASSERT_TRUE(WriteStream(folder / "empty.nv", NvffMode::Create, {}, 1));
    Bytes expected = Header("NVFFLZW ", 0, 2);
    expected.insert(expected.end(), {0x00, 0x40});
    EXPECT_EQ(ReadFile(folder / "empty.nv"), expected);
    EXPECT_EQ(ReadStream(folder / "empty.nv", 16), Bytes{});
}

TEST(NvffFile, OneByteStreamHasTwoCodeBytes) {
    ScratchFolder folder;
    ASSERT_TRUE(WriteStream(folder / "one.nv", NvffMode::Create, {'A'}, 1));
    Bytes expected = Header("NVFFLZW ", 1, 2);
    expected.insert(expected.end(), {0x20, 0xC0});
    EXPECT_EQ(ReadFile(folder / "one.nv"), expected);
}

TEST(NvffFile, RoundTripsThroughTheWriteBehindBuffer) {
    ScratchFolder folder;
    // Sizes whose code bytes end below, at and beyond the 32000-byte buffer, in odd chunks.
    const struct {
        Bytes data;
        std::size_t writeChunk, readChunk;
    } cases[] = {
        {RandomBytes(20000, 1), 20000, 1},      {RandomBytes(28500, 2), 777, 4096},
        {RandomBytes(60000, 3), 1, 100000},     {MixedBytes(300000, 4), 65536, 3},
        {MixedBytes(3 << 20, 5), 65536, 65536}, {Bytes(1 << 20, 0), 1 << 20, 1 << 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data.size());
        ASSERT_TRUE(WriteStream(folder / "s.nv", NvffMode::Create, c.data, c.writeChunk));
        const Bytes file = ReadFile(folder / "s.nv");
        ASSERT_GE(file.size(), 16u);
        EXPECT_EQ(nvff::ReadLe32(file.data() + 8), c.data.size());
        EXPECT_EQ(nvff::ReadLe32(file.data() + 12), file.size() - 16);
        EXPECT_EQ(ReadStream(folder / "s.nv", c.readChunk), c.data);
    }
}

TEST(NvffFile, AppendWritesLengthWordsWithoutMagicAtTheOldEnd) {
    ScratchFolder folder;
    const auto path = folder / "two.nv";
    const Bytes first = MixedBytes(5000, 1), second = RandomBytes(3000, 2);
    ASSERT_TRUE(WriteStream(path, NvffMode::Create, first, 5000));
    const std::size_t oldEnd = ReadFile(path).size();

    auto file = CreateCompressor(NvffKind::Lzw);
    ASSERT_TRUE(file->Open(path, NvffMode::Append));
    EXPECT_EQ(file->LengthWordsOffset(), oldEnd);
    ASSERT_TRUE(file->Write(second.data(), second.size()));
    ASSERT_TRUE(file->Close());

    const Bytes bytes = ReadFile(path);
    EXPECT_EQ(nvff::ReadLe32(bytes.data() + oldEnd), second.size());
    EXPECT_EQ(nvff::ReadLe32(bytes.data() + oldEnd + 4), bytes.size() - oldEnd - 8);
    // Reading a file gives its first stream.
    EXPECT_EQ(ReadStream(path, 999), first);
}

TEST(NvffFile, OpenRefusesWhatItCannotHandle) {
    ScratchFolder folder;
    WriteFile(folder / "plain.txt", std::string("just text"));
    WriteFile(folder / "huff", Header("NVFFHUFF", 4, 4));
    WriteFile(folder / "lzss", Header("NVFFLZSS", 4, 4));
    NvffFile file;
    EXPECT_FALSE(file.Open(folder / "plain.txt", NvffMode::Append));
    EXPECT_FALSE(file.Open(folder / "missing", NvffMode::Append));
    EXPECT_FALSE(file.Open(folder / "plain.txt", static_cast<NvffMode>(2)));
    EXPECT_FALSE(file.Open(folder / "no" / "such" / "folder.nv", NvffMode::Create));
    EXPECT_FALSE(file.Open(folder / "missing", NvffMode::Read));

    std::string error;
    EXPECT_EQ(ReadStream(folder / "huff", 10, &error), std::nullopt);
    EXPECT_NE(error.find("Huffman streams are not supported"), std::string::npos) << error;
    EXPECT_EQ(ReadStream(folder / "lzss", 10, &error), std::nullopt);
    EXPECT_NE(error.find("LZSS streams are not supported"), std::string::npos) << error;

    EXPECT_EQ(CreateCompressor(NvffKind::Huffman), nullptr);
    EXPECT_EQ(CreateCompressor(NvffKind::Plain), nullptr);
    NvffFile plainWriter(NvffKind::Plain);
    EXPECT_FALSE(plainWriter.Open(folder / "out", NvffMode::Create));
}

TEST(NvffFile, ReadsAPlainFileAsItIs) {
    ScratchFolder folder;
    const Bytes data = RandomBytes(70000, 5);
    WriteFile(folder / "plain.bin", data);
    NvffFile file;
    ASSERT_TRUE(file.Open(folder / "plain.bin", NvffMode::Read));
    EXPECT_EQ(file.Kind(), NvffKind::Plain);
    EXPECT_EQ(file.OriginalLength(), data.size());
    EXPECT_EQ(file.CompressedLength(), data.size());
    file.Close();
    EXPECT_EQ(ReadStream(folder / "plain.bin", 4096), data);
}

TEST(NvffFile, ReadRefusesDamagedStreams) {
    ScratchFolder folder;
    ASSERT_TRUE(WriteStream(folder / "good.nv", NvffMode::Create, MixedBytes(40000, 9), 40000));
    const Bytes good = ReadFile(folder / "good.nv");
    auto patched = [&](std::size_t at, std::uint32_t word) {
        Bytes b = good;
        nvff::WriteLe32(b.data() + at, word);
        return b;
    };
    const struct {
        const char* name;
        Bytes bytes;
        const char* error;
    } cases[] = {
        {"header cut short", Bytes(good.begin(), good.begin() + 12), "header is incomplete"},
        {"compressed length past the end", patched(12, static_cast<std::uint32_t>(good.size())),
         "passes the end"},
        {"code bytes cut short", Bytes(good.begin(), good.end() - 100), "passes the end"},
        {"original length too large for the codes", patched(8, 0xFFFFFFFFu), "can hold"},
        {"original length longer than the codes give", patched(8, 40001),
         "original length is reached"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(folder / "bad.nv", c.bytes);
        std::string error;
        EXPECT_EQ(ReadStream(folder / "bad.nv", 1000, &error), std::nullopt);
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

TEST(NvffFile, WrongDirectionFails) {
    ScratchFolder folder;
    ASSERT_TRUE(WriteStream(folder / "s.nv", NvffMode::Create, {'x'}, 1));
    NvffFile reader;
    ASSERT_TRUE(reader.Open(folder / "s.nv", NvffMode::Read));
    EXPECT_FALSE(reader.Write("y", 1));
    auto writer = CreateCompressor(NvffKind::Lzw);
    ASSERT_TRUE(writer->Open(folder / "t.nv", NvffMode::Create));
    char buffer[4];
    EXPECT_EQ(writer->Read(buffer, sizeof buffer), -1);
    // Reading a plain file does not change the kind that the object writes.
    WriteFile(folder / "plain", std::string("plain"));
    ASSERT_TRUE(writer->Open(folder / "plain", NvffMode::Read));
    EXPECT_TRUE(writer->Open(folder / "u.nv", NvffMode::Create));
    EXPECT_TRUE(writer->Close());
    EXPECT_EQ(DetectKind(folder / "u.nv"), NvffKind::Lzw);
}
