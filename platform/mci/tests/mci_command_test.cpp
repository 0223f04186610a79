#include "platform/mci/mci_command.h"

#include <gtest/gtest.h>

#include "platform/mci/mci_errors.h"

namespace {

TEST(MciCommand, SplitsWordsAndQuotedNames) {
    int error = -1;
    const auto command = ParseMciCommand(
        "  OPEN \"C:\\my media\\a b.wav\"   alias Media0 parent 5 style child", error);
    ASSERT_TRUE(command);
    EXPECT_EQ(error, mci_error::kNone);
    EXPECT_EQ(command->verb, "open");
    EXPECT_EQ(command->device, "C:\\my media\\a b.wav");
    EXPECT_EQ(command->arguments,
              (std::vector<std::string>{"alias", "Media0", "parent", "5", "style", "child"}));
}

TEST(MciCommand, QuotedWordReadsBackExactly) {
    for (const std::string name :
         {"plain.wav", "with blanks.wav", "say \"hi\".wav", "\"", "\"\"", "", "a\tb"}) {
        int error = -1;
        const auto words = SplitMciWords("open " + QuoteMciArgument(name) + " alias X", error);
        ASSERT_TRUE(words) << name;
        ASSERT_EQ(words->size(), 4u) << name;
        EXPECT_EQ((*words)[1], name);
        EXPECT_EQ((*words)[2], "alias");
    }
}

TEST(MciCommand, MalformedCommandsAreErrors) {
    struct Case {
        std::string text;
        int error;
    };
    const Case cases[] = {
        {"", mci_error::kMissingCommandString},
        {"   \t ", mci_error::kMissingCommandString},
        {"play", mci_error::kMissingDeviceName},
        {"open \"unterminated.wav alias A", mci_error::kNoClosingQuote},
        {"open \"a\"\"", mci_error::kNoClosingQuote},
        {"play " + std::string(kMaxMciCommandLength, 'x'), mci_error::kParamOverflow},
    };
    for (const Case& c : cases) {
        int error = 0;
        EXPECT_FALSE(ParseMciCommand(c.text, error)) << c.text.substr(0, 40);
        EXPECT_EQ(error, c.error) << c.text.substr(0, 40);
    }
}

TEST(MciCommand, IntegersAreDecimalAndChecked) {
    const std::vector<std::string> words{
        "12", "-3", "+4", "x1", "1x", "", "99999999999999999999999"};
    MciArgumentReader reader(words);
    int error = 0;
    EXPECT_EQ(reader.TakeInteger(error), 12);
    EXPECT_EQ(reader.TakeInteger(error), -3);
    EXPECT_EQ(reader.TakeInteger(error), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(reader.TakeInteger(error));
        EXPECT_EQ(error, mci_error::kBadInteger);
        reader.TakeWord();
    }
    EXPECT_FALSE(reader.TakeInteger(error));
    EXPECT_EQ(error, mci_error::kNoInteger);
}

TEST(MciErrors, TextsComeFromOurTable) {
    char buffer[256];
    EXPECT_TRUE(MciGetErrorString(mci_error::kFileNotFound, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "The media file was not found.");
    char small[8];
    EXPECT_TRUE(MciGetErrorString(mci_error::kFileNotFound, small, sizeof small));
    EXPECT_STREQ(small, "The med");
    EXPECT_FALSE(MciGetErrorString(12345, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(MciErrorText(12345), "Unknown media error 12345.");
}

}  // namespace
