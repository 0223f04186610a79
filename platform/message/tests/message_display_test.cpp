#include "platform/message/message_display.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

TEST(MessageDisplay, InstalledDisplayReceivesTitleAndTextAndCanBeRestored) {
    std::vector<std::pair<std::string, std::string>> shown;
    MessageDisplay previous = SetMessageDisplay(
        [&](const std::string& title, const std::string& text) { shown.emplace_back(title, text); });
    ShowMessage("Error", "(263): The specified device is not open.");
    MessageDisplay mine = SetMessageDisplay(previous);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, "Error");
    EXPECT_EQ(shown[0].second, "(263): The specified device is not open.");
    EXPECT_TRUE(static_cast<bool>(mine));
}
