#include "platform/mci/gst_mci_interpreter.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/mci/mci_command.h"
#include "platform/mci/mci_errors.h"
#include "platform/mci/mci_notify.h"
#include "platform/mci/tests/media_fixtures.h"
#include "platform/mci/tests/media_test_support.h"

namespace {

using media_fixtures::TempFolder;
using media_test::NotifyRecorder;
using media_test::WaitUntil;

class GstMciInterpreterTest : public ::testing::Test {
protected:
    void SetUp() override { media_test::Application(); }

    int Send(const std::string& command, WindowHandle notify = 0) {
        return mci.SendString(command, answer, notify);
    }
    std::string Mode(const std::string& alias) {
        std::string mode;
        EXPECT_EQ(mci.SendString("status " + alias + " mode", mode, 0), 0);
        return mode;
    }
    std::string OpenCommand(const std::filesystem::path& file, const std::string& alias) {
        return "open " + QuoteMciArgument(file.string()) + " alias " + alias;
    }
    bool WaitForMode(const std::string& alias, const std::string& mode) {
        return WaitUntil([&] { return Mode(alias) == mode; });
    }

    TempFolder folder;
    GstMciInterpreter mci;
    std::string answer;
};

TEST_F(GstMciInterpreterTest, ErrorsForBadCommandsFilesAndAliases) {
    const auto empty = folder.File("empty.wav", {});
    const auto corrupt = folder.File("corrupt.wav", media_fixtures::Bytes(4096, 0x5A));
    const auto wave = folder.File("tone.wav", media_fixtures::Wave(200));
    ASSERT_EQ(Send(OpenCommand(wave, "Tone")), 0);
    struct Case {
        std::string command;
        int error;
    };
    const Case cases[] = {
        {"frobnicate Tone", mci_error::kUnrecognizedCommand},
        {"play Nobody", mci_error::kInvalidDeviceName},
        {"status Nobody mode", mci_error::kInvalidDeviceName},
        {OpenCommand(folder.Path() / "missing.wav", "M"), mci_error::kFileNotFound},
        {OpenCommand(folder.Path(), "M"), mci_error::kFileNotFound},
        {OpenCommand(empty, "M"), mci_error::kInvalidFile},
        {OpenCommand(corrupt, "M"), mci_error::kInvalidFile},
        {OpenCommand(wave, "tone"), mci_error::kDuplicateAlias},
        {OpenCommand(wave, "M") + " parent 999999 style child", mci_error::kNoWindow},
        {OpenCommand(wave, "M") + " bogus", mci_error::kUnrecognizedKeyword},
        {OpenCommand(wave, "M") + " parent x", mci_error::kBadInteger},
        {"play Tone from", mci_error::kNoInteger},
        {"play Tone from -5", mci_error::kOutOfRange},
        {"play Tone repeat wait", mci_error::kFlagsNotCompatible},
        {"seek Tone", mci_error::kMissingParameter},
        {"seek Tone to middle", mci_error::kBadInteger},
        {"status Tone", mci_error::kMissingParameter},
        {"status Tone colour", mci_error::kUnrecognizedKeyword},
        {"status Tone window handle", mci_error::kUnsupportedFunction},
        {"window Tone state show", mci_error::kUnsupportedFunction},
        {"update Tone hdc 1", mci_error::kUnsupportedFunction},
        {"realize Tone sideways", mci_error::kUnrecognizedKeyword},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Send(c.command), c.error) << c.command;
        EXPECT_EQ(answer, "") << c.command;
    }
    EXPECT_EQ(mci.OpenCount(), 1u);
}

TEST_F(GstMciInterpreterTest, WavePlaysToTheEndAndStops) {
    const auto wave = folder.File("tone.wav", media_fixtures::Wave(300));
    ASSERT_EQ(Send(OpenCommand(wave, "Media0")), 0);
    EXPECT_EQ(Mode("media0"), "stopped");
    ASSERT_EQ(Send("status Media0 length"), 0);
    EXPECT_NEAR(std::stoi(answer), 300, 20);
    ASSERT_EQ(Send("play Media0 from 0"), 0);
    // A poll right after play already sees it playing.
    EXPECT_EQ(Mode("Media0"), "playing");
    EXPECT_TRUE(WaitForMode("Media0", "stopped"));
    // Played to its end: a further play has nothing left and completes at once.
    NotifyRecorder window;
    ASSERT_EQ(Send("play Media0 notify", window.Handle()), 0);
    EXPECT_TRUE(WaitUntil([&] { return window.codes.size() == 1; }));
    EXPECT_EQ(window.codes, std::vector<int>{kMciNotifySuccessful});
    EXPECT_EQ(Mode("Media0"), "stopped");
    // Rewound, it plays again.
    ASSERT_EQ(Send("seek Media0 to start"), 0);
    ASSERT_EQ(Send("play Media0"), 0);
    EXPECT_EQ(Mode("Media0"), "playing");
    ASSERT_EQ(Send("close Media0"), 0);
    EXPECT_EQ(mci.OpenCount(), 0u);
    EXPECT_EQ(Send("status Media0 mode"), mci_error::kInvalidDeviceName);
}

TEST_F(GstMciInterpreterTest, WaitBlocksUntilTheEnd) {
    const auto wave = folder.File("tone.wav", media_fixtures::Wave(200));
    ASSERT_EQ(Send(OpenCommand(wave, "A")), 0);
    ASSERT_EQ(Send("play A from 0 wait"), 0);
    EXPECT_EQ(Mode("A"), "stopped");
}

TEST_F(GstMciInterpreterTest, RepeatLoopsUntilStopped) {
    const auto wave = folder.File("tone.wav", media_fixtures::Wave(150));
    ASSERT_EQ(Send(OpenCommand(wave, "Loop")), 0);
    ASSERT_EQ(Send("play Loop from 0 repeat"), 0);
    // Well past three lengths it is still playing.
    WaitUntil([] { return false; }, std::chrono::milliseconds(500));
    EXPECT_EQ(Mode("Loop"), "playing");
    ASSERT_EQ(Send("pause Loop"), 0);
    EXPECT_EQ(Mode("Loop"), "paused");
    ASSERT_EQ(Send("resume Loop"), 0);
    EXPECT_EQ(Mode("Loop"), "playing");
    ASSERT_EQ(Send("stop Loop"), 0);
    EXPECT_EQ(Mode("Loop"), "stopped");
}

TEST_F(GstMciInterpreterTest, NotifyCodes) {
    const auto wave = folder.File("tone.wav", media_fixtures::Wave(200));
    ASSERT_EQ(Send(OpenCommand(wave, "N")), 0);
    NotifyRecorder first;
    NotifyRecorder second;
    ASSERT_EQ(Send("play N from 0 notify", first.Handle()), 0);
    ASSERT_EQ(Send("play N from 0 notify", second.Handle()), 0);
    EXPECT_TRUE(WaitUntil([&] { return !second.codes.empty(); }));
    EXPECT_EQ(first.codes, std::vector<int>{kMciNotifySuperseded});
    EXPECT_EQ(second.codes, std::vector<int>{kMciNotifySuccessful});
    EXPECT_EQ(second.devices, std::vector<QString>{"N"});

    NotifyRecorder stopped;
    ASSERT_EQ(Send("play N from 0 notify", stopped.Handle()), 0);
    ASSERT_EQ(Send("stop N"), 0);
    NotifyRecorder closed;
    ASSERT_EQ(Send("play N from 0 notify", closed.Handle()), 0);
    ASSERT_EQ(Send("close N"), 0);
    EXPECT_TRUE(WaitUntil([&] { return !stopped.codes.empty() && !closed.codes.empty(); }));
    EXPECT_EQ(stopped.codes, std::vector<int>{kMciNotifyAborted});
    EXPECT_EQ(closed.codes, std::vector<int>{kMciNotifyAborted});
}

TEST_F(GstMciInterpreterTest, MidiPlaysThroughTheSynthesizer) {
    const auto midi = folder.File("note.mid", media_fixtures::Midi());
    ASSERT_EQ(Send(OpenCommand(midi, "Music")), 0);
    ASSERT_EQ(Send("play Music from 0"), 0);
    EXPECT_EQ(Mode("Music"), "playing");
    EXPECT_TRUE(WaitForMode("Music", "stopped"));
}

TEST_F(GstMciInterpreterTest, FileNameWithQuotesAndBlanksOpens) {
    const auto wave = folder.File("say \"hi\" now.wav", media_fixtures::Wave(100));
    EXPECT_EQ(Send(OpenCommand(wave, "Q")), 0);
}

TEST_F(GstMciInterpreterTest, ChildVideoWindowAndUpdateIntoDeviceContext) {
    const auto avi = folder.File(
        "clip.avi", media_fixtures::Avi(16, 12, {0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00}));
    QWidget parent;
    parent.resize(200, 150);
    const WindowHandle parentHandle = RegisterWindow(&parent);
    ASSERT_EQ(Send(OpenCommand(avi, "Video") + " parent " + std::to_string(parentHandle) +
                   " style child"),
              0);
    ASSERT_EQ(Send("status Video window handle"), 0);
    QWidget* video = WidgetFromHandle(std::stoi(answer));
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->parentWidget(), &parent);
    EXPECT_EQ(video->size(), QSize(16, 12));
    EXPECT_TRUE(video->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(Send("setvideo Video palette handle to 42"), 0);
    EXPECT_EQ(Send("realize Video background"), 0);
    EXPECT_EQ(Send("window Video state show"), 0);
    EXPECT_FALSE(video->isHidden());
    EXPECT_EQ(Send("window Video state hide"), 0);
    EXPECT_TRUE(video->isHidden());

    // A memory DC of the drawing layer, found by its number.
    gdi::DCPtr dc = gdi::CreateCompatibleDC(nullptr);
    gdi::HBITMAP target = gdi::CreateBitmap(40, 30, 32);
    ASSERT_NE(dc->SelectBitmap(target), nullptr);
    gdi::DCPtr gone = gdi::CreateCompatibleDC(nullptr);
    const int goneHandle = gone->Handle();
    gone.reset();
    target->Image().fill(Qt::white);
    const std::string hdc = std::to_string(dc->Handle());
    EXPECT_EQ(Send("update Video hdc " + std::to_string(goneHandle) + " at 0 0 10 10"),
              mci_error::kOutOfRange);
    EXPECT_EQ(Send("update Video hdc " + hdc + " at 10 10 10 20"), mci_error::kOutOfRange);
    ASSERT_EQ(Send("update Video hdc " + hdc + " at 10 10 30 20"), 0);
    const QImage& pixels = target->Image();
    EXPECT_EQ(pixels.pixel(9, 9), qRgb(255, 255, 255));
    EXPECT_EQ(pixels.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(pixels.pixel(29, 19), qRgb(255, 0, 0));
    EXPECT_EQ(pixels.pixel(30, 20), qRgb(255, 255, 255));

    // After playing to the end the last frame is the current one.
    ASSERT_EQ(Send("play Video from 0"), 0);
    EXPECT_TRUE(WaitForMode("Video", "stopped"));
    ASSERT_EQ(Send("update Video hdc " + hdc), 0);
    EXPECT_EQ(pixels.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(pixels.pixel(15, 11), qRgb(0, 255, 0));
    EXPECT_EQ(pixels.pixel(16, 5), qRgb(255, 255, 255));

    ASSERT_EQ(Send("close Video"), 0);
    EXPECT_TRUE(parent.findChildren<QWidget*>().isEmpty());
}

TEST_F(GstMciInterpreterTest, VideoWithoutParentGetsTopLevelWindow) {
    const auto avi = folder.File("clip.avi", media_fixtures::Avi(8, 8, {0x0000FF, 0x0000FF}));
    ASSERT_EQ(Send(OpenCommand(avi, "Video")), 0);
    ASSERT_EQ(Send("status Video window handle"), 0);
    QWidget* video = WidgetFromHandle(std::stoi(answer));
    ASSERT_NE(video, nullptr);
    EXPECT_TRUE(video->isWindow());
    ASSERT_EQ(Send("play Video"), 0);
    EXPECT_TRUE(video->isVisible());
    EXPECT_TRUE(WaitForMode("Video", "stopped"));
}

}  // namespace
