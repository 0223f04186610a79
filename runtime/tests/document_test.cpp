#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "doc_fixture.h"
#include "platform/shell/command_line.h"
#include "runtime/script_check.h"
#include "runtime/runtime_strings.h"
#include "runtime/script_error.h"
#include "runtime/vistrel_start.h"
#include "script/owner_text.h"

namespace {

namespace fs = std::filesystem;

TEST(CommandLine, TakenWholeWithOnePairOfQuotesRemoved) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"C:\\My", "Shows\\demo.tvs"}, "C:\\My Shows\\demo.tvs"},
        {{"\"/cd/TVData.bin\""}, "/cd/TVData.bin"},
        {{"\"/my", "shows/a.tvs\""}, "/my shows/a.tvs"},
        {{"\"\"x\"\""}, "\"x\""},
        {{"\""}, "\""},
        {{}, ""},
    };
    for (const auto& [arguments, path] : cases) EXPECT_EQ(CommandLineTakenWhole(arguments), path) << path;

    VistrelArguments check = ParseVistrelArguments({"--check", "/my", "shows/a.tvs"});
    EXPECT_TRUE(check.check);
    EXPECT_EQ(check.path, "/my shows/a.tvs");
    EXPECT_FALSE(ParseVistrelArguments({"a.tvs", "--check"}).check);
}

class Document : public DocFixture {
protected:
    void SetUp() override {
        DocFixture::SetUp();
        dir_ = fs::temp_directory_path() /
               ("vistrel_doc_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        doc = std::make_unique<CVistrelDoc>();
    }
    void TearDown() override {
        fs::remove_all(dir_);
        DocFixture::TearDown();
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        fs::path path = dir_ / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    std::string Dir() const { return dir_.string() + "/"; }
    fs::path dir_;
};

TEST_F(Document, TwoPhaseOpenRemembersFirstAndReadsSecond) {
    const std::string path = Write("show/demo.tvs", "<APP MEDIA = \"Pics\"><LEARN></LEARN><DO>SCENE(a)</DO>");
    EXPECT_TRUE(doc->OnOpenDocument(path));
    EXPECT_EQ(Globals().startPath, path);
    EXPECT_TRUE(doc->Reader().Tokens().Empty());
    EXPECT_TRUE(doc->OnOpenDocument(path));
    EXPECT_FALSE(doc->compiledData_);
    EXPECT_EQ(doc->mediaFolder_, "Pics");
    EXPECT_GE(doc->FindScene("a"), 0);
}

TEST_F(Document, CompiledDataIsRecognisedByItsMagicNumber) {
    CScriptReader script;
    script.OpenScriptText("<APP MEDIA = \"Pics\"><LEARN></LEARN><DO>SCENE(a)</DO>");
    OwnerText() = kSuiteOwnerText;
    const std::string path = Dir() + "anyname.dat";
    ASSERT_TRUE(script.WriteTokens(path, true));
    ASSERT_TRUE(doc->OnOpenDocument(path));
    ASSERT_TRUE(doc->OnOpenDocument(path));
    EXPECT_TRUE(doc->compiledData_);
    EXPECT_EQ(doc->mediaFolder_, "Media");
    EXPECT_EQ(doc->MediaFolderPath(), Dir() + "Media/");
    EXPECT_GE(doc->FindScene("a"), 0);
}

TEST_F(Document, MissingFileFailsTheSecondPhaseSilently) {
    ASSERT_TRUE(doc->OnOpenDocument(Dir() + "missing.tvs"));
    EXPECT_FALSE(doc->OnOpenDocument(Dir() + "missing.tvs"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Document, RuntimeReportShowsSyntaxErrorClearsTheListAndAbandons) {
    const std::string path = Write("bad.tvs", "<APP>\n<LEARN>\n<FRAME NAME Bogus>");
    RuntimeErrorReport runtimeReport;
    doc->Reader().SetErrorReport(&runtimeReport);
    ASSERT_TRUE(doc->OnOpenDocument(path));
    try {
        doc->OnOpenDocument(path);
        FAIL() << "the load was not abandoned";
    } catch (const ScriptAbandoned& abandoned) {
        EXPECT_EQ(abandoned.diagnostic.Text(), "3.13 (9) Got 'ID' (Bogus) symbol, expected '='");
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, "Syntax error");
    EXPECT_EQ(messages[0].second, "3.13 (9) Got 'ID' (Bogus) symbol, expected '='");
    EXPECT_TRUE(doc->Reader().Tokens().Empty());
    EXPECT_TRUE(doc->Reader().HasError());
}

TEST_F(Document, ScriptErrorsNameTheObjectAtTheCurrentToken) {
    ASSERT_TRUE(Load("<APP>\n<LEARN>\n<FRAME NAME = \"f\">\n<SCENE NAME = \"Lost\">\n</FRAME>\n</LEARN>\n"
                     "<DO>\nSCENE(Intro) BUTTON(Ghost) END\n</DO>"));
    doc->Reader().Seek(doc->FindScene("Intro") + 4);  // Ghost
    ScriptError(doc->Reader(), kStringObjectNotFound, "Ghost");
    EXPECT_EQ(FirstError(), "8.21 Object not found: Ghost");
    // A scene object without its marker is an error once it is run.
    EXPECT_GE(doc->SceneMarkerOrError("Intro"), 0);
    EXPECT_EQ(doc->SceneMarkerOrError("Lost"), -1);
    ASSERT_EQ(report.errors.size(), 2u);
    EXPECT_EQ(report.errors[1].message, "Scene has no SCENE marker in the DO section: Lost");
}

TEST_F(Document, LookupsAreExact) {
    ASSERT_TRUE(Load(InFrame("<BUTTON NAME = \"Go\">")));
    EXPECT_EQ(doc->FindIndex("Go"), 1);
    EXPECT_EQ(doc->ObjectAt(1), doc->FindObject("Go"));
    EXPECT_EQ(doc->FindObject("go"), nullptr);
    EXPECT_EQ(doc->FindIndex("go"), -1);
    EXPECT_EQ(doc->ObjectAt(7), nullptr);
    EXPECT_EQ(doc->FindTextStyle("none"), nullptr);
}

TEST_F(Document, MediaFolderAndPlaceholders) {
    Globals().startPath = "/show/demo.tvs";
    Globals().programFolder = "/opt/tavrin/";
    EXPECT_EQ(doc->MediaFolderPath(), "/show/Media/");
    const std::pair<const char*, const char*> cases[] = {
        {"$MEDIA/intro.htm", "/show/Media/intro.htm"},
        {"$MEDIA\\a $MEDIA\\b", "/show/Media\\a /show/Media\\b"},
        {"$PATH/setup.htm", "/opt/tavrin/Setup/Tavrin/setup.htm"},
        {"$MEDIA and $PATH", "/show/Media and $PATH"},
        {"$media/x", "$media/x"},
        {"plain", "plain"},
    };
    for (auto [text, expanded] : cases) EXPECT_EQ(doc->ExpandPath(text), expanded) << text;
    Globals().startPath = "C:\\Show\\demo.tvs";
    EXPECT_EQ(doc->MediaFolderPath(), "C:/Show/Media/");
}

TEST_F(Document, ResolveMediaFile) {
    Globals().startPath = Dir() + "demo.tvs";
    Globals().programFolder = Dir() + "bin/";
    const std::string logo = Write("Media/Pics/Logo.bmp", "x");
    Write("Media/RNN.B4", "x");
    const std::string setupOnly = Write("bin/Setup/Tavrin/only.wav", "x");

    EXPECT_EQ(doc->ResolveMediaFile("RNN.B4"), "RNN.B4");
    EXPECT_EQ(doc->ResolveMediaFile("Pics/Logo.bmp"), logo);
    EXPECT_EQ(doc->ResolveMediaFile("Pics\\Logo.bmp"), logo);
    EXPECT_EQ(doc->ResolveMediaFile("PICS\\logo.BMP"), logo);
    EXPECT_EQ(doc->ResolveMediaFile("only.wav"), setupOnly);
    EXPECT_TRUE(messages.empty());

    EXPECT_EQ(doc->ResolveMediaFile("gone.bmp"), "");
    EXPECT_EQ(doc->ResolveMediaFile("Pics"), "");  // a folder is no media file
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].first, "Could not find the following resource:");
    EXPECT_EQ(messages[0].second, "gone.bmp");
}

TEST_F(Document, CheckScriptFileSharesTheLoader) {
    EXPECT_EQ(CheckScriptFile(Write("ok.tvs", "<APP><LEARN></LEARN><DO></DO>")).status,
              ScriptCheck::Status::Loaded);
    ScriptCheck bad = CheckScriptFile(Write("bad.tvs", "<APP>\n<LEARN>\n<FRAME NAME Bogus>"));
    EXPECT_EQ(bad.status, ScriptCheck::Status::ScriptError);
    EXPECT_EQ(bad.message, "3.13 (9) Got 'ID' (Bogus) symbol, expected '='");
    EXPECT_EQ(CheckScriptFile(Dir() + "missing.tvs").status, ScriptCheck::Status::Unreadable);
    // A lexical error comes first and the grammar does not run after it.
    ScriptCheck lexical = CheckScriptFile(Write("lex.tvs", "<APP>\n  \"open"));
    EXPECT_EQ(lexical.message, "2.7 Error: unclosed string");
}

}  // namespace
