#include "platform/shell/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SplitCase {
    const char* line;
    std::vector<std::string> arguments;
};

TEST(CommandLine, SplitsWithTheUsualQuotingRules) {
    const std::vector<SplitCase> cases = {
        {"", {}},
        {"   \t ", {}},
        {"prog", {"prog"}},
        {"  prog   a  b ", {"prog", "a", "b"}},
        {"\"/cd root/Tavrin/Vistrel.dll\" \"/cd root/TVData.bin\"",
         {"/cd root/Tavrin/Vistrel.dll", "/cd root/TVData.bin"}},
        {"prog \"\"", {"prog", ""}},
        {"prog a\"b c\"d", {"prog", "ab cd"}},
        {"prog \"say \"\"hi\"\"\"", {"prog", "say \"hi\""}},
        {"prog media\\pic.bmp c:\\dir\\", {"prog", "media\\pic.bmp", "c:\\dir\\"}},
        {"prog \\\"x\\\"", {"prog", "\"x\""}},
        {"prog \"a\\\\\" b", {"prog", "a\\", "b"}},
        {"prog \"unterminated quote", {"prog", "unterminated quote"}},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(SplitCommandLine(c.line), c.arguments) << c.line;
    }
}

TEST(CommandLine, WordsRememberWhereTheyStandAndWhetherTheyWereQuoted) {
    const std::vector<CommandLineWord> words = SplitCommandLineWords("/a b/c  \"d\"");
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0].begin, 0u);
    EXPECT_EQ(words[0].end, 2u);
    EXPECT_EQ(words[1].begin, 3u);
    EXPECT_EQ(words[1].end, 6u);
    EXPECT_FALSE(words[1].hadQuote);
    EXPECT_EQ(words[2].text, "d");
    EXPECT_TRUE(words[2].hadQuote);
}

TEST(CommandLine, QuotedArgumentsSplitBackUnchanged) {
    const std::vector<std::string> arguments = {
        "plain",         "",           "with blank",          "tab\there",
        "quote\"inside", "trailing\\", "both \\\" kinds\\\\", "c:\\dir\\"};
    std::string line = "prog";
    for (const std::string& argument : arguments) line += " " + QuoteArgument(argument);
    std::vector<std::string> expected = {"prog"};
    expected.insert(expected.end(), arguments.begin(), arguments.end());
    EXPECT_EQ(SplitCommandLine(line), expected) << line;
    EXPECT_EQ(QuoteArgument("plain"), "plain");
    EXPECT_EQ(QuoteArgument("with blank"), "\"with blank\"");
}

TEST(CommandLine, TakenWholeJoinsWithSingleBlanksAndDropsOnePairOfQuotes) {
    struct Case {
        std::vector<std::string> arguments;
        std::string whole;
    };
    const std::vector<Case> cases = {
        {{}, ""},
        {{"/cd/TVData.bin"}, "/cd/TVData.bin"},
        {{"/my", "scripts/demo.tvs"}, "/my scripts/demo.tvs"},
        {{"\"/my scripts/demo.tvs\""}, "/my scripts/demo.tvs"},
        {{"\"/my", "scripts/demo.tvs\""}, "/my scripts/demo.tvs"},
        {{"\"\"x\"\""}, "\"x\""},
        {{"\""}, "\""},
        {{"\"only opening"}, "\"only opening"},
    };
    for (const Case& c : cases) EXPECT_EQ(CommandLineTakenWhole(c.arguments), c.whole);

    const char* argv[] = {"Vistrel.dll", "/cd", "root/TVData.bin", nullptr};
    EXPECT_EQ(CommandLineTakenWhole(3, argv), "/cd root/TVData.bin");
    EXPECT_EQ(CommandLineTakenWhole(1, argv), "");
}

}  // namespace
