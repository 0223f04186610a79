#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <ostream>

#include "platform/shell/command_line.h"
#include "platform/shell/tests/shell_test_folder.h"
#include "tools/launcher/launch_command.h"

namespace {

TEST(LaunchCommand, FolderAndCommandLinesOfBothVariants) {
    EXPECT_EQ(ProgramFolderOf("/media/cd rom/Start.exe"), "/media/cd rom/");
    EXPECT_EQ(ProgramFolderOf("/Setup.exe"), "/");
    EXPECT_EQ(ProgramFolderOf("Setup.exe"), "");
    EXPECT_EQ(LauncherCommandLine(LauncherVariant::kSetup, "/media/cd rom/"),
              "/media/cd rom/Tavrin/Setup.exe");
    EXPECT_EQ(LauncherCommandLine(LauncherVariant::kPresentation, "/media/cd rom/"),
              "/media/cd rom/Tavrin/Vistrel.dll \"/media/cd rom/TVData.bin\"");
}

TEST(LaunchCommand, FolderWithAQuoteStillSplitsIntoTheRightPaths) {
    const std::string folder = "/media/say \"hi\"/";
    EXPECT_EQ(SplitCommandLine(LauncherCommandLine(LauncherVariant::kSetup, folder)),
              (std::vector<std::string>{folder + "Tavrin/Setup.exe"}));
    EXPECT_EQ(SplitCommandLine(LauncherCommandLine(LauncherVariant::kPresentation, folder)),
              (std::vector<std::string>{folder + "Tavrin/Vistrel.dll", folder + "TVData.bin"}));
}

struct LauncherRun {
    const char* launcher;  // file name in the program folder
    const char* started;   // the program it starts, inside "Tavrin"
    bool passesData;       // whether it hands over the TVData.bin path
};

void PrintTo(const LauncherRun& run, std::ostream* out) {
    *out << run.launcher;
}

class LauncherProcess : public ::testing::TestWithParam<LauncherRun> {
protected:
    // Copies the built launcher into a CD root whose path holds blanks and runs it there.
    int RunLauncher() {
        const std::filesystem::path target = folder.path() / "CD Root" / GetParam().launcher;
        std::filesystem::create_directories(target.parent_path());
        std::filesystem::copy_file(std::filesystem::path(TAVRIN_BIN_DIR) / GetParam().launcher,
                                   target);
        QProcess process;
        process.setProgram(QString::fromStdString(target.string()));
        process.start();
        if (!process.waitForFinished(30000)) return -1;
        if (process.exitStatus() != QProcess::NormalExit) return -2;
        return process.exitCode();
    }

    ShellTestFolder folder;
};

TEST_P(LauncherProcess, StartsItsProgramFromAFolderWithBlanksAndEndsWithTen) {
    const std::string root = folder / "CD Root/";
    folder.WriteRecorder(std::string("CD Root/Tavrin/") + GetParam().started);
    EXPECT_EQ(RunLauncher(), kLauncherExitCode);
    const auto lines = folder.WaitForRecord("CD Root/Tavrin/args.txt");
    ASSERT_TRUE(lines.has_value());
    std::vector<std::string> expected = {"[" + root + "Tavrin/" + GetParam().started + "]"};
    if (GetParam().passesData) expected.push_back("[" + root + "TVData.bin]");
    EXPECT_EQ(*lines, expected);
}

TEST_P(LauncherProcess, EndsWithTenWhenItsProgramIsMissing) {
    EXPECT_EQ(RunLauncher(), kLauncherExitCode);
    std::filesystem::create_directories(folder.path() / "CD Root/Tavrin");
    std::filesystem::remove(folder.path() / "CD Root" / GetParam().launcher);
    EXPECT_EQ(RunLauncher(), kLauncherExitCode);
}

INSTANTIATE_TEST_SUITE_P(Variants, LauncherProcess,
                         ::testing::Values(LauncherRun{"Setup.exe", "Setup.exe", false},
                                           LauncherRun{"Start.exe", "Vistrel.dll", true}),
                         [](const ::testing::TestParamInfo<LauncherRun>& info) {
                             return std::string(info.param.passesData ? "Presentation" : "Setup");
                         });

}  // namespace
