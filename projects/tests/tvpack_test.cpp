#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "projects/internet_package_reader.h"
#include "projects/package_extraction.h"
#include "projects/tests/package_test_support.h"
#include "projects/tvpack_command.h"

using namespace nvff_test;
using package_test::AssemblePackage;
namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int code;
    std::string out, err;
};

ToolRun Tvpack(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = RunTvpack(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace

TEST(PackageExtraction, MemberNamesStayInsideTheFolder) {
    const struct {
        const char* name;
        const char* path;  // nullptr: refused
    } cases[] = {
        {"TVData.bin", "TVData.bin"},
        {"Media\\sub\\a.bmp", "Media/sub/a.bmp"},
        {"Media/a..b", "Media/a..b"},
        {"", nullptr},
        {"\\abs", nullptr},
        {"/abs", nullptr},
        {"C:\\x", nullptr},
        {"C:x", nullptr},
        {"..", nullptr},
        {"Media\\..\\..\\x", nullptr},
        {"Media/../x", nullptr},
        {".\\a", nullptr},
        {"a\\\\b", nullptr},
        {"a\\", nullptr},
    };
    for (const auto& c : cases) {
        std::string why;
        const auto path = MemberRelativePath(c.name, why);
        if (c.path) {
            EXPECT_EQ(path, fs::path(c.path)) << c.name;
        } else {
            EXPECT_EQ(path, std::nullopt) << c.name;
            EXPECT_FALSE(why.empty());
        }
    }
}

TEST(PackageExtraction, RefusesAWayThroughALink) {
    ScratchFolder folder;
    WriteFile(folder / "p.tvi", AssemblePackage({{"TVData.bin", {'t'}}, {"Media\\a.bmp", {'a'}}}));
    fs::create_directories(folder / "outside");
    fs::create_directories(folder / "dir");
    fs::create_directory_symlink(folder / "outside", folder / "dir" / "Media");
    InternetPackageReader reader;
    ASSERT_TRUE(reader.Open(folder / "p.tvi"));
    std::string error;
    EXPECT_FALSE(ExtractPackage(reader, folder / "dir", error));
    EXPECT_NE(error.find("link"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_empty(folder / "outside"));

    // A link standing where the file goes is refused as well.
    fs::remove(folder / "dir" / "Media");
    fs::create_directories(folder / "dir" / "Media");
    fs::create_symlink(folder / "outside" / "target", folder / "dir" / "Media" / "a.bmp");
    EXPECT_FALSE(ExtractPackage(reader, folder / "dir", error));
    EXPECT_FALSE(fs::exists(folder / "outside" / "target"));
}

TEST(Tvpack, BuildListAndExtractRoundTrip) {
    ScratchFolder folder;
    const Bytes data = MixedBytes(10000, 1), picture = RandomBytes(3000, 2);
    fs::create_directories(folder / "Setup" / "Media" / "pics");
    WriteFile(folder / "Setup" / "TVData.bin", data);
    WriteFile(folder / "Setup" / "Media" / "pics" / "p.bmp", picture);
    const std::string package = (folder / "out.tvi").string();

    const ToolRun build = Tvpack({"build", (folder / "Setup").string(), package});
    ASSERT_EQ(build.code, 0) << build.err;
    EXPECT_NE(build.out.find("2 members"), std::string::npos);

    const ToolRun list = Tvpack({"list", package});
    ASSERT_EQ(list.code, 0) << list.err;
    InternetPackageReader reader;
    ASSERT_TRUE(reader.Open(package));
    char row[80];
    std::snprintf(row, sizeof row, "%10u  %10u  Media\\pics\\p.bmp\n", 3000u,
                  reader.Members()[1].compressedLength);
    EXPECT_NE(list.out.find(row), std::string::npos) << list.out;
    EXPECT_EQ(list.out.rfind("  Original  Compressed  Name\n", 0), 0u);

    const ToolRun extract = Tvpack({"extract", package, (folder / "x").string()});
    ASSERT_EQ(extract.code, 0) << extract.err;
    EXPECT_EQ(ReadFile(folder / "x" / "TVData.bin"), data);
    EXPECT_EQ(ReadFile(folder / "x" / "Media" / "pics" / "p.bmp"), picture);
}

TEST(Tvpack, FailsWithAClearMessage) {
    ScratchFolder folder;
    WriteFile(folder / "junk.tvi", std::string(100, 'j'));
    WriteFile(folder / "escape.tvi",
              AssemblePackage({{"TVData.bin", {'t'}}, {"Media\\..\\..\\evil", {'e'}}}));
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{}, "usage: tvpack"},
        {{"pack", "a", "b"}, "usage: tvpack"},
        {{"list"}, "usage: tvpack"},
        {{"list", (folder / "missing.tvi").string()}, "cannot be read"},
        {{"list", (folder / "junk.tvi").string()}, "not an Internet package"},
        {{"build", (folder / "nosetup").string(), (folder / "o.tvi").string()},
         "TVData.bin: cannot be opened"},
        {{"extract", (folder / "escape.tvi").string(), (folder / "x").string()}, "is refused"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tvpack(c.args);
        EXPECT_EQ(run.code, 1);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    // Nothing of the refused package was written.
    EXPECT_FALSE(fs::exists(folder / "x" / "TVData.bin"));
    EXPECT_FALSE(fs::exists(folder / "evil"));
    EXPECT_FALSE(fs::exists(folder / "o.tvi"));
}

TEST(Tvpack, ProgramExitsWithOneOnBadUse) {
    const std::string program = std::string(TAVRIN_BIN_DIR) + "/tvpack";
    ASSERT_TRUE(fs::exists(program));
    const int status = std::system((program + " >/dev/null 2>&1").c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}
