#include <gtest/gtest.h>

#include "projects/internet_package_builder.h"
#include "projects/internet_package_format.h"
#include "projects/internet_package_reader.h"
#include "projects/tests/package_test_support.h"

using namespace nvff_test;
using package_test::AssemblePackage;
namespace fs = std::filesystem;

namespace {

// A Setup folder with TVData.bin and the given media files (paths with "/").
struct SetupFolder {
    ScratchFolder root;
    fs::path setup = root / "Setup";
    fs::path internet = root / "Internet";

    explicit SetupFolder(const std::vector<std::pair<std::string, Bytes>>& media) {
        fs::create_directories(setup);
        fs::create_directories(internet);
        WriteFile(setup / "TVData.bin", MixedBytes(3000, 1));
        for (const auto& [name, data] : media) {
            fs::create_directories((setup / "Media" / name).parent_path());
            WriteFile(setup / "Media" / name, data);
        }
    }
};

}  // namespace

TEST(InternetPackage, ProjectWithoutMediaHasTheDataFileOnly) {
    SetupFolder folder({});
    std::vector<int> progress;
    const auto result = BuildInternetPackage(folder.setup, "Demo", folder.internet,
                                             [&](int percent) { progress.push_back(percent); });
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.package, folder.internet / "Demo.tvi");
    EXPECT_EQ(ReadFile(result.package),
              AssemblePackage({{"TVData.bin", ReadFile(folder.setup / "TVData.bin")}}));
    EXPECT_EQ(progress, std::vector<int>{100});
    EXPECT_FALSE(fs::exists(folder.internet / "Demo.tvi.part"));
}

TEST(InternetPackage, NestedMediaComeFilesFirstInNameOrder) {
    SetupFolder folder({{"b.wav", RandomBytes(5000, 2)},
                        {"A.bmp", Bytes(70000, 7)},
                        {"sub/z.gif", RandomBytes(100, 3)},
                        {"sub/deeper/x.txt", MixedBytes(40000, 4)},
                        {"Other/y", {}},
                        {"c.avi", MixedBytes(1, 5)}});
    std::vector<int> progress;
    const auto result = BuildInternetPackage(folder.setup, "Demo", folder.internet,
                                             [&](int percent) { progress.push_back(percent); });
    ASSERT_TRUE(result.ok) << result.error;

    const std::vector<std::string> names = {"TVData.bin",
                                            "Media\\A.bmp",
                                            "Media\\b.wav",
                                            "Media\\c.avi",
                                            "Media\\Other\\y",
                                            "Media\\sub\\z.gif",
                                            "Media\\sub\\deeper\\x.txt"};
    std::vector<std::pair<std::string, Bytes>> members;
    for (const std::string& name : names)
        members.push_back({name, ReadFile(MemberFile(folder.setup, name))});
    EXPECT_EQ(ReadFile(result.package), AssemblePackage(members));
    // (i * 100 + 100) / n for n = 7.
    EXPECT_EQ(progress, (std::vector<int>{14, 28, 42, 57, 71, 85, 100}));

    InternetPackageReader reader;
    ASSERT_TRUE(reader.Open(result.package)) << reader.Error();
    ASSERT_EQ(reader.Members().size(), names.size());
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const PackageMember& member = reader.Members()[i];
        EXPECT_EQ(member.name, names[i]);
        EXPECT_EQ(member.originalLength, members[i].second.size());
        sum += (i == 0 ? 16 : 8) + member.compressedLength;
        EXPECT_EQ(reader.ExpandToMemory(i), members[i].second) << names[i];
    }
    EXPECT_EQ(reader.DirectoryOffset(), sum);
}

TEST(InternetPackage, SkipsLinkedFoldersAndSpecialFiles) {
    SetupFolder folder({{"a.bmp", Bytes(10, 1)}});
    fs::create_directory_symlink(folder.setup / "Media", folder.setup / "Media" / "loop");
    fs::create_symlink(folder.setup / "Media" / "a.bmp", folder.setup / "Media" / "alias.bmp");
    std::string error;
    const auto members = CollectPackageMembers(folder.setup, error);
    ASSERT_TRUE(members) << error;
    EXPECT_EQ(*members,
              (std::vector<std::string>{"TVData.bin", "Media\\a.bmp", "Media\\alias.bmp"}));
}

TEST(InternetPackage, UnreadableMemberFailsAndLeavesTheOldPackage) {
    SetupFolder folder({{"a.bmp", Bytes(10, 1)}});
    ASSERT_TRUE(BuildInternetPackage(folder.setup, "Demo", folder.internet).ok);
    const Bytes before = ReadFile(folder.internet / "Demo.tvi");

    fs::remove(folder.setup / "TVData.bin");
    const auto result = BuildInternetPackage(folder.setup, "Demo", folder.internet);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("TVData.bin"), std::string::npos) << result.error;
    EXPECT_EQ(ReadFile(folder.internet / "Demo.tvi"), before);
    EXPECT_FALSE(fs::exists(folder.internet / "Demo.tvi.part"));

    // A member that is a folder cannot be read either.
    InternetPackageBuilder builder;
    builder.AddMember("Media");
    std::string error;
    EXPECT_FALSE(builder.Write(folder.setup, folder.internet / "x.tvi", {}, error));
    EXPECT_FALSE(fs::exists(folder.internet / "x.tvi"));
    EXPECT_FALSE(fs::exists(folder.internet / "x.tvi.part"));
}

TEST(InternetPackage, MissingOutputFolderIsAnError) {
    SetupFolder folder({});
    const auto result = BuildInternetPackage(folder.setup, "Demo", folder.root / "nowhere");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("does not exist"), std::string::npos);
}

TEST(InternetPackageReader, RefusesDamagedPackages) {
    const Bytes good =
        AssemblePackage({{"TVData.bin", MixedBytes(2000, 1)}, {"Media\\a", RandomBytes(500, 2)}});
    const std::uint32_t directory = nvff::ReadLe32(good.data() + good.size() - 4);
    const auto patched = [&](std::size_t at, std::uint32_t word) {
        Bytes b = good;
        nvff::WriteLe32(b.data() + at, word);
        return b;
    };
    Bytes longer = good;
    longer.insert(longer.end() - 4, 0);
    Bytes shortMember = AssemblePackage({{"TVData.bin", MixedBytes(2000, 1)}});
    nvff::WriteLe32(shortMember.data() + 12, nvff::ReadLe32(shortMember.data() + 12) - 1);
    Bytes huffman = good;
    std::copy_n("NVFFHUFF", 8, huffman.begin());

    const struct {
        const char* name;
        Bytes bytes;
        const char* error;
    } cases[] = {
        {"empty file", {}, "too short"},
        {"not a package", Bytes(100, 'x'), "not an Internet package"},
        {"Huffman member", huffman, "Huffman streams are not supported"},
        {"trailer past the end", patched(good.size() - 4, static_cast<std::uint32_t>(good.size())),
         "outside the file"},
        {"trailer inside the header", patched(good.size() - 4, 3), "outside the file"},
        {"count zero", patched(directory, 0), "count 0"},
        {"count negative", patched(directory, 0xFFFFFFFFu), "count -1"},
        {"count too large", patched(directory, 1000), "count 1000"},
        {"count more than the names", patched(directory, 3), "directory ends early"},
        {"name length negative", patched(directory + 4, 0x80000000u), "name length of -2147483648"},
        {"name length past the directory", patched(directory + 4, 1000), "name length of 1000"},
        {"name length zero", patched(directory + 4, 0), "name length of 0"},
        {"directory longer than its names", longer, "does not end at the trailer"},
        {"member past the directory", patched(12, directory), "passes the start of the directory"},
        {"members short of the directory", shortMember, "do not end where the directory begins"},
        {"original length beyond the codes", patched(8, 0xFFFFFFF0u), "original length"},
    };
    ScratchFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(folder / "bad.tvi", c.bytes);
        InternetPackageReader reader;
        EXPECT_FALSE(reader.Open(folder / "bad.tvi"));
        EXPECT_NE(reader.Error().find(c.error), std::string::npos) << reader.Error();
    }
}

TEST(InternetPackageReader, DamagedCodesFailOnlyTheirMember) {
    Bytes package =
        AssemblePackage({{"TVData.bin", MixedBytes(2000, 1)}, {"Media\\a", MixedBytes(500, 2)}});
    package[16] ^= 0xFF;  // the first code of member 0 is no longer a byte
    ScratchFolder folder;
    WriteFile(folder / "p.tvi", package);
    InternetPackageReader reader;
    ASSERT_TRUE(reader.Open(folder / "p.tvi"));
    EXPECT_EQ(reader.ExpandToMemory(0), std::nullopt);
    EXPECT_NE(reader.Error().find("TVData.bin"), std::string::npos);
    EXPECT_EQ(reader.ExpandToMemory(1), MixedBytes(500, 2));
}
