#include "platform/shell/program_start.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>

#include "shell_test_folder.h"

namespace {

using std::filesystem::perms;

constexpr perms kExecutable = perms::owner_all | perms::group_read | perms::others_read;
constexpr perms kReadable = perms::owner_read | perms::owner_write;

// Restores an environment variable when the test ends.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class ProgramStart : public ::testing::Test {
protected:
    ShellTestFolder folder;
};

TEST_F(ProgramStart, FailuresGiveTheSystemsResultCodes) {
    folder.WriteFile("notes.txt", "not a program\n", kReadable);
    folder.WriteFile("garbage", "\x01\x02 neither a binary nor a script\n", kExecutable);
    folder.WriteFile("plain file", "x", kReadable);
    const std::string quote = "\"";
    struct Case {
        std::string line;
        int result;
    };
    const std::vector<Case> cases = {
        {"", kStartFileNotFound},
        {"   ", kStartFileNotFound},
        {quote + (folder / "missing") + quote, kStartFileNotFound},
        {quote + (folder / "missing folder/prog") + quote + " arg", kStartPathNotFound},
        {quote + (folder / "plain file/prog") + quote, kStartPathNotFound},
        {quote + (folder / "notes.txt") + quote, kStartBadFormat},
        {quote + (folder / "garbage") + quote, kStartBadFormat},
        {quote + folder.path().string() + quote, kStartBadFormat},
        {"tavrin-no-such-program-anywhere", kStartFileNotFound},
        {std::string("\0/bin/sh", 8), kStartFileNotFound},  // the line ends at its first NUL
    };
    for (const Case& c : cases) EXPECT_EQ(StartProgram(c.line), c.result) << c.line;
}

TEST_F(ProgramStart, QuotedPathWithBlanksRunsWithItsSplitArguments) {
    folder.WriteRecorder("sub dir/record");
    const int result = StartProgram("\"" + (folder / "sub dir/record") +
                                    "\" one \"two words\" \"\" media\\pic.bmp");
    ASSERT_TRUE(StartSucceeded(result)) << result;
    const auto lines = folder.WaitForRecord("sub dir/args.txt");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (std::vector<std::string>{"[" + (folder / "sub dir/record") + "]", "[one]",
                                                "[two words]", "[]", "[media\\pic.bmp]"}));
}

TEST_F(ProgramStart, UnquotedProgramPathWithBlanksIsFoundAndTheQuotedArgumentStaysWhole) {
    folder.WriteRecorder("CD Root/Tavrin/Vistrel.dll");
    const std::string root = folder / "CD Root/";
    const int result = StartProgram(root + "Tavrin/Vistrel.dll \"" + root + "TVData.bin\"");
    ASSERT_TRUE(StartSucceeded(result)) << result;
    const auto lines = folder.WaitForRecord("CD Root/Tavrin/args.txt");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (std::vector<std::string>{"[" + root + "Tavrin/Vistrel.dll]",
                                                "[" + root + "TVData.bin]"}));
}

TEST_F(ProgramStart, BareNameIsLookedUpInPathAndNeverInTheCurrentFolder) {
    folder.WriteRecorder("bin/record");
    folder.WriteRecorder("here/record");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path() / "here");
    {
        ScopedEnv path("PATH", ":.:/nonexistent");
        EXPECT_EQ(StartProgram("record"), kStartFileNotFound);
        EXPECT_EQ(ResolveProgram("record").result, kStartFileNotFound);
    }
    {
        ScopedEnv path("PATH", "/nonexistent:" + (folder / "bin"));
        const ResolvedProgram resolved = ResolveProgram("record");
        EXPECT_EQ(resolved.result, kStartSucceeded);
        EXPECT_EQ(resolved.path, folder / "bin/record");
    }
    // Nor can its arguments make it a path in the current folder.
    folder.WriteRecorder("here/record x/y");
    {
        ScopedEnv path("PATH", "/nonexistent");
        EXPECT_EQ(ParseProgramCommand("record x/y").program.result, kStartFileNotFound);
    }
    // A relative path with a slash is explicit and does mean the current folder.
    EXPECT_EQ(ResolveProgram("./record").path, folder / "here/record");
    std::filesystem::current_path(previous);
}

TEST_F(ProgramStart, StartedProgramDoesNotStayBehindAsAChild) {
    folder.WriteRecorder("record");
    ASSERT_TRUE(StartSucceeded(StartProgram("\"" + (folder / "record") + "\"")));
    ASSERT_TRUE(folder.WaitForRecord().has_value());
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

}  // namespace

namespace {

TEST(ProgramCommand, UnquotedPathPrefersTheJoinedWordsThatNameAnExecutable) {
    ShellTestFolder folder;
    folder.WriteRecorder("My Tools/run it");
    // A plain file named like the first word must not shadow the program.
    folder.WriteFile("My", "data", perms::owner_read | perms::owner_write);
    const std::string line = (folder / "My Tools/run it") + "  a  \"b c\"";
    const ProgramCommand command = ParseProgramCommand(line);
    EXPECT_EQ(command.program.result, kStartSucceeded);
    EXPECT_EQ(command.program.path, folder / "My Tools/run it");
    EXPECT_EQ(command.arguments, (std::vector<std::string>{"a", "b c"}));

    // Nothing runnable: the file that exists decides the result, and the words after it are
    // arguments.
    const ProgramCommand data = ParseProgramCommand((folder / "My") + " Papers/x");
    EXPECT_EQ(data.program.result, kStartBadFormat);
    EXPECT_EQ(data.arguments, (std::vector<std::string>{"Papers/x"}));
}

}  // namespace
