#include <gtest/gtest.h>

#include "script/keyword_table.h"
#include "script/script_reader.h"
#include "script/token_kind.h"

namespace {

struct Scan {
    CScriptReader reader;
    RecordingErrorReport report;
    explicit Scan(std::string_view text) {
        reader.SetErrorReport(&report);
        reader.OpenScriptText(text);
    }
    const CToken& operator[](int i) const { return reader.Tokens()[i]; }
    int Count() const { return reader.Tokens().Count(); }
};

struct TokenCase {
    const char* input;
    int32_t kind;
    const char* text;
    int32_t value;
};

class SingleToken : public ::testing::TestWithParam<TokenCase> {};

TEST_P(SingleToken, ScansToKindTextAndValue) {
    const TokenCase& c = GetParam();
    Scan scan(c.input);
    ASSERT_EQ(scan.Count(), 2) << c.input;
    EXPECT_EQ(scan[0].kind, c.kind) << c.input;
    EXPECT_EQ(scan[0].text, c.text) << c.input;
    EXPECT_EQ(scan[0].value, c.value) << c.input;
    EXPECT_EQ(scan[1].kind, Kind::End);
    EXPECT_FALSE(scan.report.HasError()) << c.input;
}

INSTANTIATE_TEST_SUITE_P(
    Lexis, SingleToken,
    ::testing::Values(TokenCase{"AnIm", Kind::Anim, "", 0},
                      TokenCase{"ANIMATION", Kind::Anim, "", 0},
                      TokenCase{"Anim_1", Kind::Identifier, "Anim_1", 0},
                      TokenCase{"colour", Kind::Colour, "", 0},
                      TokenCase{"KillText", Kind::Remove, "", 0},
                      TokenCase{"SlowEffect", Kind::SlowSlideDown, "", 0},
                      TokenCase{"-12", Kind::Integer, "", -12},
                      TokenCase{"+5", Kind::Integer, "", 5},
                      TokenCase{"007", Kind::Integer, "", 7},
                      TokenCase{"2147483648", Kind::Integer, "", INT32_MIN},
                      TokenCase{":=", Kind::Equal, "", 0},
                      TokenCase{":", Kind::Colon, "", 0},
                      TokenCase{"<>", Kind::NotEqual, "", 0},
                      TokenCase{"<=", Kind::LessEqual, "", 0},
                      TokenCase{">=", Kind::GreaterEqual, "", 0},
                      TokenCase{"<", Kind::Less, "", 0},
                      TokenCase{"&", Kind::Ampersand, "", 0},
                      TokenCase{"|", Kind::Bar, "", 0},
                      TokenCase{"/", Kind::Slash, "", 0},
                      TokenCase{"\"a\\tb\"", Kind::String, "a\tb", 0},
                      TokenCase{"\"q\\\"\\'\\\\\"", Kind::String, "q\"'\\", 0},
                      TokenCase{"\"two\r\nlines\"", Kind::String, "two\r\nlines", 0},
                      TokenCase{"\"\\a\\b\\f\\n\\r\"", Kind::String, "\a\b\f\n\r", 0},
                      TokenCase{"// note\r\n", Kind::Comment, " note", 0},
                      TokenCase{"/* a\r\nb */", Kind::Comment, " a  b ", 0},
                      TokenCase{"/**x**/", Kind::Comment, "*x*", 0}));

TEST(Scanner, DoubleEqualsIsTwoAssignments) {
    Scan scan("==");
    ASSERT_EQ(scan.Count(), 3);
    EXPECT_EQ(scan[0].kind, Kind::Equal);
    EXPECT_EQ(scan[1].kind, Kind::Equal);
}

TEST(Scanner, PositionsOfOperatorsWordsStringsAndComments) {
    //                 123456789012345678901
    Scan scan("<= ab \"xy\" /*c*/ 42");
    ASSERT_EQ(scan.Count(), 6);
    EXPECT_EQ(scan[0].start, 1);
    EXPECT_EQ(scan[0].end, 2);
    EXPECT_EQ(scan[1].start, 4);
    EXPECT_EQ(scan[1].end, 5);
    EXPECT_EQ(scan[2].start, 8);  // first character inside the quotes
    EXPECT_EQ(scan[2].end, 9);
    EXPECT_EQ(scan[3].start, 14);  // first character after the opening delimiter
    EXPECT_EQ(scan[3].end, 15);
    EXPECT_EQ(scan[4].start, 18);
    EXPECT_EQ(scan[4].end, 19);
    EXPECT_EQ(scan[5].start, 20);  // the end token stands on the read that found no byte
}

TEST(Scanner, EmptyFileGivesOneEndTokenAtOne) {
    Scan scan("");
    ASSERT_EQ(scan.Count(), 1);
    EXPECT_EQ(scan[0].kind, Kind::End);
    EXPECT_EQ(scan[0].start, 1);
    EXPECT_EQ(scan[0].end, 1);
}

TEST(Scanner, EndTokenRepeatsAtEndOfInput) {
    CScriptReader reader;
    reader.OpenScriptText("x");
    EXPECT_EQ(reader.NextToken()->kind, Kind::End);
    EXPECT_EQ(reader.NextToken()->kind, Kind::End);
}

TEST(Scanner, CommentClosedByLastCharactersReportsNothing) {
    Scan scan("APP /* done */");
    EXPECT_FALSE(scan.report.HasError());
    ASSERT_EQ(scan.Count(), 3);
    EXPECT_EQ(scan[1].text, " done ");
}

struct ErrorCase {
    const char* input;
    const char* message;
    int32_t position;
    int32_t tokensAfter;  // including the end token
};

class LexicalError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(LexicalError, IsReportedAtItsPositionAndScanningContinues) {
    const ErrorCase& c = GetParam();
    Scan scan(c.input);
    ASSERT_EQ(scan.report.errors.size(), 1u) << c.input;
    EXPECT_EQ(scan.report.errors[0].message, c.message) << c.input;
    EXPECT_EQ(scan.report.errors[0].position, c.position) << c.input;
    EXPECT_TRUE(scan.reader.HasError());
    EXPECT_EQ(scan.Count(), c.tokensAfter) << c.input;
    EXPECT_EQ(scan[scan.Count() - 1].kind, Kind::End);
}

INSTANTIATE_TEST_SUITE_P(
    Lexis, LexicalError,
    ::testing::Values(ErrorCase{"\"abc", "Error: unclosed string", 4, 2},
                      ErrorCase{"\"a\\qb\"", "Error: unsupported escape sequence", 3, 2},
                      ErrorCase{"/* open", "Error: unclosed comment", 7, 2},
                      ErrorCase{"APP !", "Error: unsupported sequence", 5, 2},
                      ErrorCase{"a ~ b", "Error: unsupported sequence", 3, 2},
                      ErrorCase{"x \xC3\xA9", "Error: unsupported sequence", 3, 2}));

TEST(Scanner, UnsupportedEscapeKeepsTheCharacter) {
    Scan scan("\"a\\qb\"");
    EXPECT_EQ(scan[0].text, "aqb");
}

TEST(Scanner, LineAndColumnOfErrors) {
    // An error on the first line reports line 1; the first character of line 5 reports 5.1.
    Scan first("!");
    EXPECT_EQ(first.report.errors.at(0).Text(), "1.1 Error: unsupported sequence");
    Scan fifth("a\nb\r\nc\n\n!");
    EXPECT_EQ(fifth.report.errors.at(0).Text(), "5.1 Error: unsupported sequence");
}

TEST(Scanner, LineColumnOfPositions) {
    CScriptReader reader;
    reader.OpenScriptText("ab\ncd\n\nx");  // newlines at 3, 6 and 7
    EXPECT_EQ(reader.LineColumn(2), std::make_pair(0, 2));
    EXPECT_EQ(reader.LineColumn(4), std::make_pair(1, 1));  // first character after a newline
    // A newline's own position is counted on the line after it, with the column raised to 1.
    EXPECT_EQ(reader.LineColumn(6), std::make_pair(2, 1));
    EXPECT_EQ(reader.LineColumn(7), std::make_pair(3, 1));
    EXPECT_EQ(reader.LineColumn(8), std::make_pair(3, 1));
}

TEST(Scanner, AbandoningReportClearsTheListAndThrows) {
    struct Abandon : ErrorReport {
        Outcome Report(const ScriptDiagnostic&) override { return Outcome::Abandon; }
    } report;
    CScriptReader reader;
    reader.SetErrorReport(&report);
    try {
        reader.OpenScriptText("APP \"open");
        FAIL() << "expected the load to be abandoned";
    } catch (const ScriptAbandoned& e) {
        EXPECT_EQ(e.diagnostic.message, "Error: unclosed string");
    }
    EXPECT_EQ(reader.Tokens().Count(), 0);
    EXPECT_EQ(reader.CurrentIndex(), -1);
}

TEST(KindNames, DisplayTextsAndCommandSection) {
    EXPECT_EQ(TokenKindName(Kind::EndWord), "\nEnd");
    EXPECT_EQ(TokenKindName(Kind::LeftParen), "( ");
    EXPECT_EQ(TokenKindName(Kind::DoScene), "DoScene");
    EXPECT_EQ(TokenKindName(Kind::On), "on");
    EXPECT_EQ(TokenKindName(Kind::Ampersand), "AND");
    EXPECT_EQ(TokenKindName(Kind::Comment), "ID=188");
    EXPECT_EQ(TokenKindName(61), "ID=61");
    EXPECT_EQ(TokenKindName(-7), "ID=-7");
    EXPECT_EQ(TokenKindName(Kind::Scene), "SCENE");
    EXPECT_EQ(TokenKindName(Kind::Scene, true), "\n\nScene");
    EXPECT_EQ(TokenKindName(Kind::Button, true), "Button");
    EXPECT_EQ(TokenKindName(Kind::Click, true), "Click");
    EXPECT_EQ(TokenKindName(Kind::Frame, true), "FRAME");
}

TEST(KindNames, EverySpellingScansToItsKind) {
    const auto& table = KeywordTable::Instance();
    for (const char* word : {"APPLICATION", "POS", "SRC", "ROLLOVER", "TRANS", "RUN", "YES", "OK",
                             "TRUE", "CANCEL", "CENTRE", "HALIGN", "HTML", "KILLSCENE"}) {
        Scan scan(word);
        EXPECT_EQ(scan[0].kind, table.Find(word).value()) << word;
    }
    EXPECT_EQ(table.Find("APPLICATION"), Kind::App);
    EXPECT_FALSE(table.Find("ARRAY").has_value());  // kinds without spelling are never scanned
}

}  // namespace
