#include <gtest/gtest.h>

#include "script/script_reader.h"
#include "script/token_kind.h"

namespace {

struct Reader {
    CScriptReader reader;
    RecordingErrorReport report;
    explicit Reader(std::string_view text) {
        reader.SetErrorReport(&report);
        reader.OpenScriptText(text);
    }
};

TEST(TokenList, OnlyCommentsMeansFirstNextFindsTheEnd) {
    Reader r("// one\n/* two */");
    EXPECT_FALSE(r.reader.Next());
    ASSERT_NE(r.reader.Current(), nullptr);
    EXPECT_EQ(r.reader.Current()->kind, Kind::End);
    EXPECT_EQ(r.reader.CurrentIndex(), 2);  // indices count comments
    EXPECT_FALSE(r.reader.Next());           // and Next stays on the end token
    EXPECT_EQ(r.reader.CurrentIndex(), 2);
}

TEST(TokenList, NextAndUnreadSkipComments) {
    Reader r("a // c\n b");
    ASSERT_TRUE(r.reader.Next());
    EXPECT_EQ(r.reader.Current()->text, "a");
    ASSERT_TRUE(r.reader.Next());
    EXPECT_EQ(r.reader.Current()->text, "b");
    EXPECT_EQ(r.reader.CurrentIndex(), 2);
    ASSERT_TRUE(r.reader.Unread());
    EXPECT_EQ(r.reader.Current()->text, "a");
    EXPECT_FALSE(r.reader.Unread());  // at the first token
    EXPECT_EQ(r.reader.CurrentIndex(), 0);
}

TEST(TokenList, MarkRestoreAndSeek) {
    Reader r("a b c");
    r.reader.Next();
    r.reader.Next();
    r.reader.Mark();
    r.reader.Next();
    r.reader.Restore();
    EXPECT_EQ(r.reader.CurrentIndex(), 1);
    EXPECT_EQ(r.reader.Seek(2)->text, "c");
    EXPECT_EQ(r.reader.Current()->text, "c");
    EXPECT_EQ(r.reader.Seek(9), nullptr);
    EXPECT_EQ(r.reader.CurrentIndex(), 2);
    EXPECT_EQ(r.reader.Seek(-1), nullptr);
}

TEST(TokenList, ExpectMessagesNameIdentifiersButNotKeywords) {
    Reader r("a b c d e f g h i j k l Foo\n  APP");
    for (int i = 0; i < 12; ++i) r.reader.Next();
    EXPECT_FALSE(r.reader.Expect(Kind::Equal));
    ASSERT_EQ(r.report.errors.size(), 1u);
    EXPECT_EQ(r.report.errors[0].Text(), "1.25 (12) Got 'ID' (Foo) symbol, expected '='");
    EXPECT_FALSE(r.reader.Expect(Kind::LeftParen));
    EXPECT_EQ(r.report.errors[1].Text(), "2.3 (13) Got 'APP' symbol, expected '( '");
    EXPECT_TRUE(r.reader.Expect(Kind::End) == true);
}

TEST(TokenList, FindPairFindsLessFollowedByLearn) {
    Reader r("< APP > < < LEARN >");
    EXPECT_TRUE(r.reader.FindPair(Kind::Less, Kind::Learn));
    EXPECT_EQ(r.reader.CurrentIndex(), 5);
    Reader none("< APP > <");
    EXPECT_FALSE(none.reader.FindPair(Kind::Less, Kind::Learn));
    EXPECT_EQ(none.reader.Current()->kind, Kind::End);
}

TEST(TokenList, SkipToStopsAtTheEnd) {
    Reader r("a , b");
    r.reader.SkipTo(Kind::Comma);
    EXPECT_EQ(r.reader.CurrentIndex(), 1);
    r.reader.SkipTo(Kind::Comma);
    EXPECT_EQ(r.reader.Current()->kind, Kind::End);
}

TEST(CursorArray, RawMovesLeaveTheCursorWhereTheyStepped) {
    CCursorArray<int> array;
    array.Add(std::make_unique<int>(7));
    EXPECT_EQ(array.CurrentIndex(), -1);
    EXPECT_EQ(*array.RawNext(), 7);
    EXPECT_EQ(array.RawNext(), nullptr);
    EXPECT_EQ(array.CurrentIndex(), 1);
    EXPECT_EQ(*array.RawPrevious(), 7);
    EXPECT_EQ(array.RawPrevious(), nullptr);
    EXPECT_EQ(array.CurrentIndex(), -1);
    array.Clear();
    EXPECT_EQ(array.Count(), 0);
}

}  // namespace
