#include "platform/shell/file_association.h"

#include <gtest/gtest.h>

#include "shell_test_folder.h"

namespace {

using std::filesystem::perms;

constexpr perms kExecutable = perms::owner_all | perms::group_read | perms::others_read;
constexpr perms kReadable = perms::owner_read | perms::owner_write;

TEST(DesktopExec, FieldCodesAndEscapesAreHandled) {
    struct Case {
        const char* exec;
        std::optional<std::vector<std::string>> words;
    };
    const std::vector<Case> cases = {
        {"firefox %u", std::vector<std::string>{"firefox"}},
        {"gimp-2.10 %U", std::vector<std::string>{"gimp-2.10"}},
        {"flatpak run org.example.App --file-forwarding @@ %F @@",
         std::vector<std::string>{"flatpak", "run", "org.example.App", "--file-forwarding", "@@",
                                  "@@"}},
        {"\"/opt/My App/app\" --open=%f --new 100%%",
         std::vector<std::string>{"/opt/My App/app", "--new", "100%"}},
        {"\"/opt/a \\\\\"q\\\\\" b\" %f", std::vector<std::string>{"/opt/a \"q\" b"}},
        {"\"/opt/x\\sy/app\" %i %c %k", std::vector<std::string>{"/opt/x y/app"}},
        {"", std::nullopt},
        {"%f", std::nullopt},
        {"\"unterminated %f", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseDesktopExec(c.exec), c.words) << c.exec;
}

// A desktop with its own settings and applications inside a test folder.
class FileAssociation : public ::testing::Test {
protected:
    FileAssociation() {
        dirs.configHome = folder / "config";
        dirs.dataHome = folder / "data";
        dirs.dataDirs = {folder / "system"};
        folder.WriteFile("programs/viewer", "#!/bin/sh\n", kExecutable);
        folder.WriteFile("programs/browser", "#!/bin/sh\n", kExecutable);
        folder.WriteFile("page.html", "<html><body>x</body></html>\n", kReadable);
        folder.WriteFile("notes.txt", "plain words\n", kReadable);
        WriteDesktop("data/applications/viewer.desktop", folder / "programs/viewer", "--view %f");
        WriteDesktop("system/applications/vendor/browser.desktop", folder / "programs/browser",
                     "%u");
        WriteDesktop("data/applications/gone.desktop", folder / "programs/not-installed", "%f");
    }

    void WriteDesktop(const std::string& name, const std::string& program,
                      const std::string& arguments) {
        folder.WriteFile(name,
                         "[Desktop Entry]\nType=Application\nName=Test\nExec=\"" + program + "\" " +
                             arguments + "\n",
                         kReadable);
    }

    ShellTestFolder folder;
    XdgDirectories dirs;
};

TEST_F(FileAssociation, DefaultApplicationOfTheFilesTypeSkippingMissingEntries) {
    folder.WriteFile(
        "config/mimeapps.list",
        "[Added Associations]\ntext/html=browser.desktop;\n"
        "[Default Applications]\ntext/html=nothing-here.desktop;gone.desktop;viewer.desktop;\n",
        kReadable);
    const std::optional<std::string> command = FindAssociatedProgram(folder / "page.html", dirs);
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(*command, "\"" + (folder / "programs/viewer") + "\" --view");
}

TEST_F(FileAssociation, WebAddressUsesTheSchemeHandlerAndNestedDesktopIds) {
    folder.WriteFile("system/applications/mimeapps.list",
                     "[Default Applications]\nx-scheme-handler/http=vendor-browser.desktop\n",
                     kReadable);
    EXPECT_EQ(FindAssociatedProgram("http://www.example.com/", dirs),
              "\"" + (folder / "programs/browser") + "\"");
    EXPECT_EQ(FindDefaultBrowser(dirs), "\"" + (folder / "programs/browser") + "\"");
    EXPECT_EQ(FindAssociatedProgram("ftp://example.com/", dirs), std::nullopt);
}

TEST_F(FileAssociation, InstalledApplicationsDeclaringTheTypeAreTheFallback) {
    folder.WriteFile("data/applications/mimeinfo.cache",
                     "[MIME Cache]\ntext/plain=viewer.desktop;\n", kReadable);
    // No default for text/html itself: its ancestor text/plain is looked up too.
    EXPECT_EQ(FindAssociatedProgram(folder / "notes.txt", dirs),
              "\"" + (folder / "programs/viewer") + "\" --view");
    EXPECT_EQ(FindAssociatedProgram(folder / "page.html", dirs),
              "\"" + (folder / "programs/viewer") + "\" --view");
}

TEST_F(FileAssociation, NothingForMissingFilesOrUnassociatedTypes) {
    EXPECT_EQ(FindAssociatedProgram(folder / "page.html", dirs), std::nullopt);
    folder.WriteFile("config/mimeapps.list", "[Default Applications]\ntext/html=viewer.desktop\n",
                     kReadable);
    EXPECT_EQ(FindAssociatedProgram(folder / "missing.html", dirs), std::nullopt);
    EXPECT_EQ(FindAssociatedProgram("", dirs), std::nullopt);
}

}  // namespace
