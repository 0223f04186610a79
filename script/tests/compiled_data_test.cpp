#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "script/owner_text.h"
#include "script/script_reader.h"
#include "script/token_kind.h"

namespace {

namespace fs = std::filesystem;

class CompiledData : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tvdata_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        OwnerText() = kSuiteOwnerText;
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const char* name) const { return (dir_ / name).string(); }
    void WriteBytes(const char* name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    static std::string Int(int32_t v) {
        std::string s(4, '\0');
        for (int i = 0; i < 4; ++i) s[i] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xff);
        return s;
    }
    // A valid header with the owner text "ab".
    static std::string Header() { return Int(kCompiledDataMagic) + Int(2) + "ab" + Int('a' + 'b'); }
    static std::string Record(int32_t kind, int32_t value, const std::string& text) {
        return Int(kind) + Int(value) + Int(static_cast<int32_t>(text.size())) + text;
    }
    fs::path dir_;
};

const char kScript[] =
    "<APP NAME=\"Demo\" MEDIA=\"media\">\r\n"
    "// a comment\r\n"
    "<LEARN> <FRAME NAME=\"base\" SIZE=640,480> </LEARN>\r\n"
    "<DO> SCENE(start) Wait -5 END </DO>\r\n";

TEST_F(CompiledData, RoundTripKeepsKindsValuesAndTextsWithPositionsZero) {
    CScriptReader source;
    source.OpenScriptText(kScript);
    ASSERT_TRUE(source.WriteTokens(Path("TVData.bin"), true));

    OwnerText() = "something else";
    CScriptReader copy;
    ASSERT_TRUE(copy.OpenScript(Path("TVData.bin"), true));
    EXPECT_EQ(OwnerText(), kSuiteOwnerText);
    ASSERT_EQ(copy.Tokens().Count(), source.Tokens().Count());
    for (int i = 0; i < source.Tokens().Count(); ++i) {
        EXPECT_EQ(copy.Tokens()[i].kind, source.Tokens()[i].kind) << i;
        EXPECT_EQ(copy.Tokens()[i].value, source.Tokens()[i].value) << i;
        EXPECT_EQ(copy.Tokens()[i].text, source.Tokens()[i].text) << i;
        EXPECT_EQ(copy.Tokens()[i].start, 0);
        EXPECT_EQ(copy.Tokens()[i].end, 0);
    }
    // Positions are gone, so the listing shows 0.0 for every token.
    std::string listing = copy.TokenListing();
    EXPECT_EQ(listing.substr(0, 26), "0 0.0 (21) \"<\" 0 \"\"\r\n1 0.0");
}

TEST_F(CompiledData, BytesOfASmallList) {
    CScriptReader reader;
    OwnerText() = "ab";
    reader.OpenScriptText("x 7");
    EXPECT_EQ(reader.CompiledData(),
              Header() + Record(Kind::Identifier, 0, "x") + Record(Kind::Integer, 7, "") +
                  Record(Kind::End, 0, ""));
}

TEST_F(CompiledData, ListingIsByteForByte) {
    CScriptReader reader;
    reader.OpenScriptText("DO\n  \"a\nb\" END -3 // hi\nSCENE");
    EXPECT_EQ(reader.TokenListing(),
              "0 0.1 (35) \"DO\" 0 \"\"\r\n"
              "1 1.4 (3) \"STRING\" 0 \"a\r\nb\"\r\n"
              "2 2.4 (38) \"\r\nEnd\" 0 \"\"\r\n"
              "3 2.8 (4) \"INT\" -3 \"\"\r\n"
              "4 2.13 (188) \"ID=188\" 0 \" hi\"\r\n"
              "5 3.1 (53) \"SCENE\" 0 \"\"\r\n"
              "6 3.6 (0) \"EOF\" 0 \"\"\r\n");
}

struct BadFile {
    const char* name;
    std::string bytes;
    int32_t tokensKept;
};

TEST_F(CompiledData, MalformedFilesAreRefusedWithoutHugeAllocations) {
    const std::string end = Record(Kind::End, 0, "");
    const BadFile cases[] = {
        {"empty", "", 0},
        {"wrong magic", Int(199921) + Int(2) + "ab" + Int('a' + 'b') + end, 0},
        {"owner length zero", Int(kCompiledDataMagic) + Int(0) + Int(0) + end, 0},
        {"owner length negative", Int(kCompiledDataMagic) + Int(-5) + "ab" + end, 0},
        {"owner length past the end", Int(kCompiledDataMagic) + Int(0x7fffffff) + "ab", 0},
        {"wrong check word", Int(kCompiledDataMagic) + Int(2) + "ab" + Int(1) + end, 0},
        {"no records", Header(), 0},
        {"text length past the end", Header() + Int(2) + Int(0) + Int(0x7ffffff0) + "abc", 0},
        {"text length negative", Header() + Int(2) + Int(0) + Int(-1) + end, 0},
        {"record cut short", Header() + Record(Kind::Identifier, 0, "x") + Int(0) + Int(0), 1},
        {"ends before the end token", Header() + Record(Kind::Integer, 3, ""), 1},
    };
    for (const BadFile& c : cases) {
        WriteBytes("bad.bin", c.bytes);
        CScriptReader reader;
        EXPECT_FALSE(reader.OpenScript(Path("bad.bin"), true)) << c.name;
        EXPECT_EQ(reader.Tokens().Count(), c.tokensKept) << c.name;
    }
}

TEST_F(CompiledData, CheckWordCountsBytesAsSignedUpToTheFirstZero) {
    std::string owner = "\xff\x01";
    owner += '\0';
    owner += "zz";
    WriteBytes("ok.bin", Int(kCompiledDataMagic) + Int(5) + owner + Int(0) +
                             Record(Kind::End, 0, ""));
    CScriptReader reader;
    EXPECT_TRUE(reader.OpenScript(Path("ok.bin"), true));
    EXPECT_EQ(OwnerText(), "\xff\x01");
}

TEST_F(CompiledData, MissingFilesFailWithoutMessage) {
    CScriptReader reader;
    RecordingErrorReport report;
    reader.SetErrorReport(&report);
    EXPECT_FALSE(reader.OpenScript(Path("nothing.tvs"), false));
    EXPECT_FALSE(reader.OpenScript(Path("nothing.bin"), true));
    EXPECT_FALSE(report.HasError());
}

TEST_F(CompiledData, WriteFailureLeavesNoFile) {
    CScriptReader reader;
    reader.OpenScriptText("a");
    EXPECT_FALSE(reader.WriteTokens(Path("missing/dir/TVData.bin"), true));
    OwnerText() = "";
    EXPECT_FALSE(reader.WriteTokens(Path("TVData.bin"), true));
    EXPECT_FALSE(fs::exists(Path("TVData.bin")));
}

}  // namespace
