#include <gtest/gtest.h>

#include "doc_fixture.h"
#include "runtime/vbutton.h"
#include "runtime/vframe.h"
#include "script/script_rewrite.h"

namespace {

using LayoutSync = DocFixture;

TEST_F(LayoutSync, WriteBackChangesOnlyTheNumbersOfTheObjectsTag) {
    ASSERT_TRUE(Load(InFrame("<BUTTON NAME = \"b\" POS = 10, 20 TEXT = \"old\">\n"
                             "<BUTTON NAME = \"c\" POS = 10, 20 SIZE = 5, 5>")));
    const std::string before = RewriteText(doc->Reader().Tokens());
    auto& button = Object<CVButton>("b");
    button.MoveTo(30, 40);
    button.SetSize(70, 80);  // resized, but the declaration writes no SIZE
    button.text_ = "new";
    button.SyncLayout(doc->Reader(), true);

    std::string expected = before;
    const std::string oldTag = "POSITION = 10 , 20 TEXT = \"old\"";
    ASSERT_NE(expected.find(oldTag), std::string::npos) << expected;
    expected.replace(expected.find(oldTag), oldTag.size(), "POSITION = 30 , 40 TEXT = \"new\"");
    EXPECT_EQ(RewriteText(doc->Reader().Tokens()), expected);
}

TEST_F(LayoutSync, RevertReadsTheDeclarationsNumbersBack) {
    ASSERT_TRUE(Load(InFrame("<BUTTON NAME = \"b\" POS = 10, 20 SIZE = 100, 50 TEXT = \"t\">")));
    auto& button = Object<CVButton>("b");
    button.rect_ = {300, 300, 301, 302};
    button.text_ = "changed";
    button.SyncLayout(doc->Reader(), false);
    EXPECT_EQ(button.rect_, (VRect{10, 20, 110, 70}));
    EXPECT_EQ(button.text_, "t");

    // A frame is no button: its POSITION and SIZE are synchronised, nothing else.
    auto& frame = Object<CVFrame>("f");
    frame.MoveTo(7, 8);
    frame.SyncLayout(doc->Reader(), true);
    EXPECT_EQ(RewriteText(doc->Reader().Tokens()).find("POSITION = 7"), std::string::npos);
}

TEST_F(LayoutSync, SearchStartsAfterTheFirstTokenWithTheName) {
    // The comment "b" comes first, so the search starts inside the frame's tag that follows it.
    ASSERT_TRUE(Load("<APP>\n<LEARN>\n//b\n<FRAME NAME = \"f\" POS = 1, 2>\n"
                     "<BUTTON NAME = \"b\" POS = 10, 20>\n</FRAME>\n</LEARN>\n<DO>\n</DO>"));
    auto& button = Object<CVButton>("b");
    button.MoveTo(30, 40);
    button.SyncLayout(doc->Reader(), true);
    const std::string text = RewriteText(doc->Reader().Tokens());
    EXPECT_NE(text.find("< FRAME NAME = \"f\" POSITION = 30 , 40 >"), std::string::npos) << text;
    EXPECT_NE(text.find("POSITION = 10 , 20"), std::string::npos) << text;
}

TEST(LayoutSyncTokens, UnknownOrUnnamedObjectsAndMalformedPairsAreLeftAlone) {
    // Token lists from TVData.bin or a script with errors can hold pairs the grammar would refuse.
    CScriptReader reader;
    reader.OpenScriptText("<BUTTON NAME = \"b\" POS = 10 SIZE = 3, /* c */ 4> <IMAGE TEXT = \"x\">");
    const std::string before = RewriteText(reader.Tokens());
    CVButton stranger;
    stranger.SetName("nobody");
    stranger.SyncLayout(reader, true);
    CVButton unnamed;
    unnamed.MoveTo(5, 5);
    unnamed.SyncLayout(reader, true);
    CVButton button;
    button.SetName("b");
    button.rect_ = {50, 60, 70, 80};
    button.SyncLayout(reader, true);
    EXPECT_EQ(RewriteText(reader.Tokens()), before);
    button.SyncLayout(reader, false);
    EXPECT_EQ(button.rect_, (VRect{50, 60, 70, 80}));
}

}  // namespace
