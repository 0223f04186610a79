#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "script/script_reader.h"
#include "script/tvscript_tool.h"

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int code;
    std::string out, err;
};

ToolRun RunTool(std::vector<std::string> args) {
    std::ostringstream out, err;
    int code = RunTvscript(args, out, err);
    return {code, out.str(), err.str()};
}

class Tvscript : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tvscript_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Write(const char* name, const std::string& text) {
        std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    fs::path dir_;
};

TEST_F(Tvscript, CompileThenListGivesTheSameListingAsTheScriptWithoutPositions) {
    std::string script = Write("a.tvs", "<APP NAME=\"x\">\n");
    std::string bin = (dir_ / "TVData.bin").string();
    EXPECT_EQ(RunTool({"compile", script, bin}).code, 0);
    ToolRun listed = RunTool({"tokens", bin});
    EXPECT_EQ(listed.code, 0);
    EXPECT_EQ(listed.out,
              "0 0.0 (21) \"<\" 0 \"\"\r\n1 0.0 (45) \"APP\" 0 \"\"\r\n"
              "2 0.0 (46) \"NAME\" 0 \"\"\r\n3 0.0 (27) \"=\" 0 \"\"\r\n"
              "4 0.0 (3) \"STRING\" 0 \"x\"\r\n5 0.0 (23) \">\" 0 \"\"\r\n"
              "6 0.0 (0) \"EOF\" 0 \"\"\r\n");
    // The listing of a script is the same bytes WriteTokens writes as Debug.txt.
    CScriptReader reader;
    reader.OpenScript(script, false);
    std::string debug = (dir_ / "Debug.txt").string();
    ASSERT_TRUE(reader.WriteTokens(debug, false));
    std::ifstream in(debug, std::ios::binary);
    std::string written((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(RunTool({"tokens", script}).out, written);
}

TEST_F(Tvscript, CheckReportsTheFirstErrorAndExits101) {
    EXPECT_EQ(RunTool({"check", Write("ok.tvs", "<APP>")}).code, 0);
    ToolRun bad = RunTool({"check", Write("bad.tvs", "<APP>\n  \"open")});
    EXPECT_EQ(bad.code, 101);
    EXPECT_EQ(bad.err, "2.7 Error: unclosed string\n");
    ToolRun noCompile = RunTool({"compile", (dir_ / "bad.tvs").string(), (dir_ / "o.bin").string()});
    EXPECT_EQ(noCompile.code, 101);
    EXPECT_FALSE(fs::exists(dir_ / "o.bin"));
}

TEST_F(Tvscript, UsageAndFileErrorsExit2) {
    EXPECT_EQ(RunTool({}).code, 2);
    EXPECT_EQ(RunTool({"frobnicate", "x"}).code, 2);
    EXPECT_EQ(RunTool({"check", (dir_ / "missing.tvs").string()}).code, 2);
    std::string bad = Write("bad.bin", std::string("\xf0\x0c\x03\x00\x00\x00\x00\x00", 8));
    ToolRun r = RunTool({"tokens", bad});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("not a valid compiled data file"), std::string::npos);
    EXPECT_EQ(RunTool({"--help"}).code, 0);
}

}  // namespace
