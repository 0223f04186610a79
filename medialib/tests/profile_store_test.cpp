#include "medialib/profile_store.h"

#include <gtest/gtest.h>

#include "medialib/tests/nvff_test_support.h"

using nvff_test::ScratchFolder;

namespace {

std::string ReadText(const std::filesystem::path& path) {
    const auto bytes = nvff_test::ReadFile(path);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST(ProfileStore, ReadsLinesByTheFormatsRules) {
    const struct {
        const char* text;
        const char* section;
        const char* key;
        std::optional<std::string> value;
    } cases[] = {
        {"[General]\nEditor=vi\n", "General", "Editor", "vi"},
        {"  [General]  \n\tEditor = vi \t\n", "General", "Editor ", " vi"},
        {"[S]\r\nab=c\r\n", "S", "ab", "c"},
        {"[S]\nk=a=b", "S", "k", "a=b"},
        {"[S]\na=1\na=2\n", "S", "a", "2"},
        {"[S]\nA=1\n", "S", "a", std::nullopt},
        {"[S]\nA=1\n", "s", "A", std::nullopt},
        {"[S]\n;k=v\n", "S", ";k", std::nullopt},
        {"; [S]\nk=v\n", "S", "k", std::nullopt},
        {"k=v\n[S]\n", "S", "k", std::nullopt},
        {"[S]\nk=\n", "S", "k", std::nullopt},  // two characters: skipped
        {"[S]\nkk=\n", "S", "kk", ""},
        {"[S]\n k\n", "S", " k", std::nullopt},  // no "="
        {"[S]\nx=1\n[T]\nx=2\n[S]\ny=3", "S", "x", "1"},
        {"[S]\nx=1\n[T]\nx=2\n[S]\ny=3", "S", "y", "3"},
        {"[S] notes\nk=v\n", "S", "k", "v"},
        {"[Sec\nk=v\n", "Sec", "k", "v"},
        {"[S]\n=vv\n", "S", "", "vv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ProfileStore store;
        store.Parse(c.text);
        EXPECT_EQ(store.ReadString(c.section, c.key), c.value);
    }
}

TEST(ProfileStore, WritesSortedAndRemovesWithAnEmptyValue) {
    ProfileStore store;
    EXPECT_TRUE(store.WriteString("B", "z", "1"));
    EXPECT_TRUE(store.WriteString("B", "a", "2"));
    EXPECT_TRUE(store.WriteString("A", "k", "v"));
    EXPECT_TRUE(store.WriteString("C", "gone", "x"));
    EXPECT_TRUE(store.WriteString("C", "gone", ""));
    EXPECT_TRUE(store.WriteString("C", "never", ""));
    EXPECT_EQ(store.ToText(), "[A]\nk=v\n[B]\na=2\nz=1\n");
    EXPECT_EQ(store.ReadString("C", "gone"), std::nullopt);
    EXPECT_TRUE(store.IsDirty());
}

TEST(ProfileStore, RefusesNamesAndValuesThatWouldBreakTheFile) {
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"S", "k", "two\nlines"}, {"S", "k", "cr\ronly"}, {"S", "a=b", "v"},    {"S", ";k", "v"},
        {"S", "[k", "v"},         {"S", " k", "v"},       {"S", "", "v"},       {"", "k", "v"},
        {"a]b", "k", "v"},        {"a\nb", "k", "v"},     {"S", "k\n[T]", "v"},
    };
    for (const auto& c : cases) {
        ProfileStore store;
        EXPECT_FALSE(store.WriteString(c.section, c.key, c.value)) << c.section << "/" << c.key;
        EXPECT_TRUE(store.Data().empty());
        EXPECT_FALSE(store.IsDirty());
    }
}

TEST(ProfileStore, FoldsLineBreaksIntoGraveAccents) {
    ProfileStore store;
    ASSERT_TRUE(store.WriteString("S", "k", "one\r\ntwo\nthree", true));
    EXPECT_EQ(store.ToText(), "[S]\nk=one`two`three\n");
    ProfileStore reread;
    reread.Parse(store.ToText());
    EXPECT_EQ(reread.ReadString("S", "k", true), "one\ntwo\nthree");
    EXPECT_EQ(reread.ReadString("S", "k"), "one`two`three");
}

TEST(ProfileStore, ReadsNumbers) {
    ProfileStore store;
    store.Parse(
        "[S]\nn=-5\nbig=32768\nmin=-32768\nword=abc\ntail=12abc\nr=10, 20 ,30,40\nr3=1,2,3\n"
        "r5=1,2,3,4,5\nrx=1,x,3,4\nre=1,,3,4\n");
    EXPECT_EQ(store.ReadInt16("S", "n"), -5);
    EXPECT_EQ(store.ReadInt16("S", "min"), -32768);
    for (const char* key : {"big", "word", "tail", "missing"})
        EXPECT_EQ(store.ReadInt16("S", key), std::nullopt) << key;
    EXPECT_EQ(store.ReadFourInts("S", "r"), (std::array<int, 4>{10, 20, 30, 40}));
    for (const char* key : {"r3", "r5", "rx", "re", "missing"})
        EXPECT_EQ(store.ReadFourInts("S", key), std::nullopt) << key;

    ASSERT_TRUE(store.WriteInt16("T", "Confirm", -1));
    ASSERT_TRUE(store.WriteNumbered("T", 0, "a.tvs"));
    ASSERT_TRUE(store.WriteNumbered("T", 1, "b.tvs"));
    EXPECT_EQ(store.ReadString("T", "Confirm"), "-1");
    EXPECT_EQ(store.ReadNumbered("T", 1), "b.tvs");
    EXPECT_EQ(store.ReadNumbered("T", 2), std::nullopt);
}

TEST(ProfileStore, SavesOnlyWhenWritableAndChanged) {
    ScratchFolder folder;
    const auto path = folder / "Tavrin.ini";
    const std::string original = "; kept while unchanged\n[General]\nEditor=vi\n";
    nvff_test::WriteFile(path, original);

    ProfileStore readOnly;
    ASSERT_TRUE(readOnly.Open(path, false));
    readOnly.WriteString("General", "Editor", "emacs");
    EXPECT_FALSE(readOnly.Save());
    EXPECT_EQ(ReadText(path), original);

    ProfileStore unchanged;
    ASSERT_TRUE(unchanged.Open(path, true));
    unchanged.WriteString("General", "Editor", "vi");
    EXPECT_TRUE(unchanged.Save());
    EXPECT_EQ(ReadText(path), original);

    ProfileStore changed;
    ASSERT_TRUE(changed.Open(path, true));
    changed.WriteString("General", "Sound", "play");
    EXPECT_TRUE(changed.Save());
    EXPECT_EQ(ReadText(path), "[General]\nEditor=vi\nSound=play\n");
    EXPECT_FALSE(changed.IsDirty());

    ProfileStore fresh;
    EXPECT_FALSE(fresh.Open(folder / "new.ini", true));
    fresh.WriteString("Msg", "Str", "/home/a/b.tvs");
    EXPECT_TRUE(fresh.Save());
    EXPECT_EQ(ReadText(folder / "new.ini"), "[Msg]\nStr=/home/a/b.tvs\n");
}

TEST(ProfileStore, FailedSaveLeavesNoTraceAndKeepsTheFile) {
    ScratchFolder folder;
    // A folder that stands where the file should go cannot be replaced.
    std::filesystem::create_directories(folder / "Setup.ini" / "inner");
    ProfileStore store;
    store.Open(folder / "Setup.ini", true);
    store.WriteString("General", "Title", "Demo");
    EXPECT_FALSE(store.Save());
    EXPECT_TRUE(store.IsDirty());
    EXPECT_NE(store.Error().find("cannot be written"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Setup.ini" / "inner"));
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1u);

    ProfileStore missingFolder;
    missingFolder.Open(folder / "no" / "x.ini", true);
    missingFolder.WriteString("S", "k", "v");
    EXPECT_FALSE(missingFolder.Save());
}

TEST(ProfileStore, RefusesAnOversizedFile) {
    ScratchFolder folder;
    nvff_test::WriteFile(folder / "huge.ini", std::string("[S]\nk=v\n"));
    std::filesystem::resize_file(folder / "huge.ini", ProfileStore::kMaxFileSize + 1);
    ProfileStore store;
    EXPECT_FALSE(store.Open(folder / "huge.ini", false));
    EXPECT_TRUE(store.Data().empty());
}
