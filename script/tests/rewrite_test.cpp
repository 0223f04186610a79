#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "script/owner_text.h"
#include "script/script_reader.h"
#include "script/script_rewrite.h"
#include "script/token_kind.h"

namespace {

namespace fs = std::filesystem;

struct Shape {
    int32_t kind;
    int32_t value;
    std::string text;
    friend bool operator==(const Shape&, const Shape&) = default;
};

std::vector<Shape> Shapes(const CCursorArray<CToken>& tokens) {
    std::vector<Shape> shapes;
    for (const auto& token : tokens) shapes.push_back({token->kind, token->value, token->text});
    return shapes;
}

std::vector<Shape> ShapesOf(const std::string& text) {
    CScriptReader reader;
    reader.OpenScriptText(text);
    EXPECT_FALSE(reader.HasError()) << text;
    return Shapes(reader.Tokens());
}

std::string Rewritten(const std::string& script) {
    CScriptReader reader;
    reader.OpenScriptText(script);
    return RewriteText(reader.Tokens());
}

const char kScript[] =
    "<APPLICATION NAME = \"Demo\" VERSION = 1.05 AUTO = YES>\n"
    "// a short comment\n"
    "<LEARN>\n"
    "<TEXTSTYLE> NAME = \"T\" COLOR = 1, 2, 3 </TEXTSTYLE>\n"
    "<FRAME NAME = \"base\" SIZE = 640, 480 COLOUR = black>\n"
    "<SCENE NAME = \"Intro\" EFFECT = FastDissolve>\n"
    "<BUTTON NAME = \"Go\" POS = -20, 400 SRC = \"C:\\\\pics\\\\go.bmp\" ACTION = DoScene(\"Intro\") "
    "ROLLACTION = DoSound(\"s\")>\n"
    "<PROGRAM NAME = \"P\" SRC = \"calc.exe\" </PROGRAM>\n"
    "</FRAME>\n"
    "</LEARN>\n"
    "<DO>\n"
    "SCENE(Intro) BUTTON(Go) RUN(P) Pause(20) KILL(Go) DoScene(Intro) END\n"
    "</DO>\n";

TEST(Rewrite, TextReadsBackToTheSameKindsValuesAndTexts) {
    const std::string text = Rewritten(kScript);
    EXPECT_EQ(ShapesOf(text), ShapesOf(kScript)) << text;
}

TEST(Rewrite, LayoutOfTheWrittenText) {
    const std::string text = Rewritten(kScript);
    // Display spellings, blanks between tokens, tags on their own lines by level.
    for (const char* piece : {
             "\n< APP NAME = \"Demo\" VERSION = 1 . 5 AUTO = on >\n// a short comment\n\n\n< LEARN >",
             "\n\n< FRAME NAME = \"base\" SIZE = 640 , 480 COLOUR = black  >\n\t< SCENE NAME",
             "\n\t\t< BUTTON NAME = \"Go\" POSITION = -20 , 400 SOURCE = \"C:\\\\pics\\\\go.bmp\"",
             // Attributes of a declaration whose tag closes at once each start a line.
             "\n\n< TEXTSTYLE >\n\t NAME = \"T\"\n\t COLOUR = 1 , 2 , 3\n< / TEXTSTYLE >",
             // An ACTION's command stays on its line; commands of the DO section start lines.
             "ACTION = DoScene (  \"Intro\" ) ROLLACTION = DoSound (  \"s\" ) >",
             "\n\nScene (  Intro  )\n\t Button (  Go  ) DoProgram (  P  )\n\t Pause (  20 )",
             "\n\t DoScene (  Intro  ) \nEnd\n< / DO >"}) {
        EXPECT_NE(text.find(piece), std::string::npos) << piece << "\n---\n" << text;
    }
}

TEST(Rewrite, OperatorsAreWrittenAsTheyScan) {
    const std::string script = "& <> <= >= | * ; : := [ ] { } .";
    EXPECT_EQ(ShapesOf(Rewritten(script)), ShapesOf(script)) << Rewritten(script);
}

TEST(Rewrite, CommentsComeBackAsLineOrBlockComments) {
    const std::string seventyOne(71, 'x');
    EXPECT_EQ(Rewritten("//" + seventyOne + "\n"), "\n/*" + seventyOne + "*/\n");
    EXPECT_EQ(Rewritten("/*0123456789*/"), "\n//0123456789\n");
    // A long comment holding "*/" cannot be a block comment; it stays a line comment.
    const std::string tricky = std::string(70, 'y') + "*/ z";
    EXPECT_EQ(Rewritten("//" + tricky + "\n"), "\n//" + tricky + "\n");
    EXPECT_EQ(ShapesOf(Rewritten("//" + tricky + "\n")), ShapesOf("//" + tricky + "\n"));
}

TEST(Rewrite, StringsKeepBackslashesQuotesAndLineBreaks) {
    const std::string script = "\"a\\\\b\" \"say \\\"hi\\\"\" \"one\\ntwo\\r\" \"\"";
    std::vector<Shape> shapes = ShapesOf(script);
    ASSERT_EQ(shapes.size(), 5u);
    EXPECT_EQ(shapes[0].text, "a\\b");
    EXPECT_EQ(shapes[1].text, "say \"hi\"");
    EXPECT_EQ(shapes[2].text, "one\ntwo\r");
    const std::string text = Rewritten(script);
    EXPECT_EQ(text, " \"a\\\\b\" \"say \\\"hi\\\"\" \"one\\ntwo\\r\" \"\"");
    EXPECT_EQ(ShapesOf(text), shapes);
}

TEST(Rewrite, DeclarationAndCommandKindsAndIndentLevels) {
    for (int32_t kind : {Kind::App, Kind::TextStyle, Kind::Frame, Kind::Scene, Kind::Button, Kind::Anim,
                         Kind::Image, Kind::Browser, Kind::Textbox}) {
        EXPECT_TRUE(IsDeclarationKind(kind)) << kind;
    }
    for (int32_t kind : {Kind::Sound, Kind::Page, Kind::Program, Kind::Learn, Kind::Do}) {
        EXPECT_FALSE(IsDeclarationKind(kind)) << kind;
    }
    EXPECT_TRUE(IsCommandKind(Kind::Remove));
    EXPECT_TRUE(IsCommandKind(Kind::DoRandomImage));
    EXPECT_FALSE(IsCommandKind(Kind::DoProgram));
    EXPECT_FALSE(IsCommandKind(Kind::Scene));
    EXPECT_EQ(IndentLevel(Kind::App), 0);
    EXPECT_EQ(IndentLevel(Kind::Learn), 0);
    EXPECT_EQ(IndentLevel(Kind::Slash), -1);
    EXPECT_EQ(IndentLevel(Kind::Scene), 1);
    EXPECT_EQ(IndentLevel(Kind::Sound), 2);
}

TEST(TokenSearch, FindTokenByTextAndFindPatternStayInsideTheTag) {
    CScriptReader reader;
    reader.OpenScriptText("//Go\n<BUTTON NAME = \"Go\" SIZE = 1, 2> <X POSITION = 3, 4>");
    EXPECT_EQ(reader.FindTokenByText("Go"), 0);  // comments count
    EXPECT_EQ(reader.FindTokenByText("Gone"), -1);
    int32_t at = -1;
    CToken* size = reader.FindPattern(1, {Kind::Size, Kind::Equal, Kind::Integer}, &at);
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->value, 1);
    EXPECT_EQ(reader.Tokens()[at + 2].value, 2);
    EXPECT_EQ(reader.FindPattern(1, {Kind::Position, Kind::Equal, Kind::Integer}), nullptr);
    EXPECT_NE(reader.FindPattern(12, {Kind::Position, Kind::Equal, Kind::Integer}), nullptr);
    EXPECT_EQ(reader.FindPattern(1, {Kind::Size, Kind::Integer, Kind::Integer, Kind::Integer,
                                     Kind::Integer, Kind::Integer}), nullptr);  // more than five
}

class RewriteFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("rewrite_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Write(const char* name, const std::string& bytes) {
        std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    fs::path dir_;
};

TEST_F(RewriteFile, WritesCrLfLinesOverTheScript) {
    const std::string path = Write("a.tvs", "<APP>\n<LEARN>\n</LEARN>");
    CScriptReader reader;
    ASSERT_TRUE(reader.OpenScript(path, false));
    ASSERT_TRUE(reader.RewriteScript());
    EXPECT_EQ(Read(path), "\r\n\r\n< APP >\r\n\r\n< LEARN >\r\n< / LEARN >");
    EXPECT_FALSE(fs::exists(path + ".part~"));
}

TEST_F(RewriteFile, AFailedWriteLeavesTheScriptAsItWas) {
    const std::string original = "<APP>  <LEARN> </LEARN>";
    const std::string path = Write("a.tvs", original);
    CScriptReader reader;
    ASSERT_TRUE(reader.OpenScript(path, false));
    fs::create_directory(path + ".part~");  // the file beside it cannot be made
    EXPECT_FALSE(reader.RewriteScript());
    EXPECT_EQ(Read(path), original);
}

TEST_F(RewriteFile, CompiledDataAndTextInMemoryAreNeverRewritten) {
    OwnerText() = kSuiteOwnerText;
    CScriptReader script;
    script.OpenScriptText("<APP>");
    const std::string compiled = (dir_ / "TVData.bin").string();
    ASSERT_TRUE(script.WriteTokens(compiled, true));
    const std::string bytes = Read(compiled);
    EXPECT_FALSE(script.RewriteScript());

    CScriptReader reader;
    ASSERT_TRUE(reader.OpenScript(compiled, true));
    EXPECT_TRUE(reader.IsCompiledData());
    EXPECT_FALSE(reader.RewriteScript());
    EXPECT_EQ(Read(compiled), bytes);
}

}  // namespace
