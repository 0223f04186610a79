#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

struct ProgramRun {
    int code;
    std::string err;
};

ProgramRun Start(const std::string& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QString::fromStdString(std::string(TAVRIN_BIN_DIR) + "/" + program), arguments);
    EXPECT_TRUE(process.waitForFinished(20000)) << program;
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << program;
    return {process.exitCode(), process.readAllStandardError().toStdString()};
}

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vistrel_program_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    QString Write(const std::string& name, const std::string& text) {
        std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return QString::fromStdString(path);
    }
    fs::path dir_;
};

const char kGood[] = "<APP NAME = \"x\">\n<LEARN>\n<FRAME NAME = \"base\">\n</FRAME>\n</LEARN>\n<DO>\n</DO>\n";
const char kBad[] = "<APP>\n<LEARN>\n<FRAME NAME = \"base\">\n<BUTTON NAME Bogus>";
const char kBadText[] = "4.14 (15) Got 'ID' (Bogus) symbol, expected '='";

TEST_F(Program, CheckPrintsTheFirstErrorAndExits101) {
    ProgramRun good = Start("Vistrel.dll", {"--check", Write("good.tvs", kGood)});
    EXPECT_EQ(good.code, 0);
    EXPECT_EQ(good.err, "");
    ProgramRun bad = Start("vistrel", {"--check", Write("bad.tvs", kBad)});
    EXPECT_EQ(bad.code, 101);
    EXPECT_EQ(bad.err, std::string(kBadText) + "\n");
    ProgramRun missing = Start("Vistrel.dll", {"--check", QString::fromStdString((dir_ / "none.tvs").string())});
    EXPECT_EQ(missing.code, 101);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos) << missing.err;
}

TEST_F(Program, TvscriptCheckUsesTheSameGrammar) {
    ProgramRun bad = Start("tvscript", {"check", Write("bad.tvs", kBad)});
    EXPECT_EQ(bad.code, 101);
    EXPECT_EQ(bad.err, std::string(kBadText) + "\n");
    EXPECT_EQ(Start("tvscript", {"check", Write("good.tvs", kGood)}).code, 0);
}

TEST_F(Program, LoadFailuresEndThePresentationWith101) {
    // The path is the whole command line: blanks need no quotes, and quotes are taken off.
    Write("my show.tvs", kBad);
    const QString folder = QString::fromStdString(dir_.string());
    for (const QStringList& arguments :
         {QStringList{folder + "/my", "show.tvs"}, QStringList{"\"" + folder + "/my show.tvs\""}}) {
        ProgramRun run = Start("Vistrel.dll", arguments);
        EXPECT_EQ(run.code, 101);
        EXPECT_NE(run.err.find(std::string("Syntax error: ") + kBadText), std::string::npos) << run.err;
    }
    ProgramRun missing = Start("Vistrel.dll", {folder + "/none.tvs"});
    EXPECT_EQ(missing.code, 101);
    EXPECT_NE(missing.err.find("cannot be read"), std::string::npos) << missing.err;
    ProgramRun empty = Start("Vistrel.dll", {});
    EXPECT_EQ(empty.code, 101);
    EXPECT_NE(empty.err.find("No presentation"), std::string::npos) << empty.err;
}

}  // namespace
