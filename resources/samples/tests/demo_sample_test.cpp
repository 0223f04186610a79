#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "resources/samples/demo_media.h"
#include "script/script_reader.h"

namespace {

const std::string kDemo = std::string(TAVRIN_SOURCE_DIR) + "/resources/samples/Demo/";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(DemoSample, CommittedMediaIsWhatOurGeneratorMakes) {
    EXPECT_EQ(ReadFile(kDemo + "Media/sunset.bmp"), MakeSunsetBmp());
    EXPECT_EQ(ReadFile(kDemo + "Media/chime.wav"), MakeChimeWav());
}

TEST(DemoSample, ScriptScansWithoutError) {
    CScriptReader reader;
    RecordingErrorReport report;
    reader.SetErrorReport(&report);
    ASSERT_TRUE(reader.OpenScript(kDemo + "demo.tvs", false));
    EXPECT_FALSE(report.HasError()) << report.errors.front().Text();
    EXPECT_GT(reader.Tokens().Count(), 200);
}

}  // namespace
