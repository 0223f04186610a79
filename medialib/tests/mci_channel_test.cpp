#include "medialib/mci_channel.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <map>
#include <vector>

#include "platform/mci/gst_mci_interpreter.h"
#include "platform/mci/mci_errors.h"
#include "platform/mci/snd_play_sound.h"
#include "platform/mci/tests/media_fixtures.h"
#include "platform/mci/tests/media_test_support.h"
#include "platform/message/message_display.h"

namespace {

// Records every command and answers from a script: a command listed in errors fails with its
// number, one listed in answers gets that text, every other command succeeds with no text.
class RecordingInterpreter : public MciInterpreter {
public:
    struct Sent {
        std::string command;
        WindowHandle notify;
    };
    std::vector<Sent> sent;
    std::map<std::string, std::string> answers;
    std::map<std::string, int> errors;

    int SendString(std::string_view command, std::string& returnText,
                   WindowHandle notifyWindow) override {
        sent.push_back({std::string(command), notifyWindow});
        returnText.clear();
        if (auto a = answers.find(std::string(command)); a != answers.end()) returnText = a->second;
        if (auto e = errors.find(std::string(command)); e != errors.end()) return e->second;
        return 0;
    }
    // The last n commands.
    std::vector<std::string> Last(std::size_t n) const {
        const std::vector<std::string> all = Commands();
        return std::vector<std::string>(
            all.end() - static_cast<std::ptrdiff_t>(std::min(n, all.size())), all.end());
    }
    std::vector<std::string> Commands() const {
        std::vector<std::string> commands;
        for (const Sent& s : sent) commands.push_back(s.command);
        return commands;
    }
};

int AliasNumber(const std::string& alias) {
    return std::stoi(alias.substr(5));
}

class MciChannelTest : public ::testing::Test {
protected:
    RecordingInterpreter recorder;
};

TEST_F(MciChannelTest, AliasesCountUpAndAreNeverReused) {
    MciChannel first(&recorder);
    ASSERT_TRUE(first.Open("a.wav", 0));
    const std::string alias = first.Alias();
    ASSERT_EQ(alias.rfind("Media", 0), 0u);
    first.Close();
    EXPECT_EQ(first.Alias(), "");
    MciChannel second(&recorder);
    ASSERT_TRUE(second.Open("b.wav", 0));
    EXPECT_EQ(AliasNumber(second.Alias()), AliasNumber(alias) + 1);
    // Reopening takes a new alias and closes the old file first.
    ASSERT_TRUE(second.Open("c.wav", 0));
    EXPECT_EQ(AliasNumber(second.Alias()), AliasNumber(alias) + 2);
    const std::string m1 = "Media" + std::to_string(AliasNumber(alias) + 1);
    const std::string m2 = "Media" + std::to_string(AliasNumber(alias) + 2);
    EXPECT_EQ(recorder.Last(4),
              (std::vector<std::string>{"open \"b.wav\" alias " + m1, "status " + m1 + " mode",
                                        "close " + m1, "open \"c.wav\" alias " + m2}));
}

TEST_F(MciChannelTest, CommandStringsOfEveryOperation) {
    MciChannel channel(&recorder);
    ASSERT_TRUE(channel.Open("C:\\My Media\\say \"hi\".avi", 12));
    const std::string a = channel.Alias();
    recorder.answers["status " + a + " mode"] = "playing";
    recorder.answers["status " + a + " window handle"] = "4711";
    EXPECT_TRUE(channel.SetPalette(99));
    EXPECT_TRUE(channel.Realize(true));
    EXPECT_TRUE(channel.Realize(false));
    EXPECT_TRUE(channel.ShowVideo(true));
    EXPECT_TRUE(channel.ShowVideo(false));
    EXPECT_EQ(channel.GetVideoWindow(), 4711);
    EXPECT_TRUE(channel.UpdateInto(5, 1, 2, 30, 40));
    EXPECT_TRUE(channel.Play(0, false, false));
    EXPECT_TRUE(channel.Play(0, true, true));
    channel.SetRepeat(true);
    EXPECT_TRUE(channel.Play(77, true, false));
    EXPECT_TRUE(channel.Play(77, false, true));
    EXPECT_TRUE(channel.IsPlaying());
    EXPECT_TRUE(channel.Stop());
    EXPECT_TRUE(channel.Rewind());
    channel.Close();
    EXPECT_EQ(recorder.Commands(),
              (std::vector<std::string>{
                  "open \"C:\\My Media\\say \"\"hi\"\".avi\" alias " + a + " parent 12 style child",
                  "setvideo " + a + " palette handle to 99",
                  "realize " + a + " background",
                  "realize " + a + " normal",
                  "window " + a + " state show",
                  "window " + a + " state hide",
                  "status " + a + " window handle",
                  "update " + a + " hdc 5 at 1 2 30 40",
                  "play " + a,
                  "play " + a + " from 0 wait",
                  "play " + a + " from 0 repeat notify",
                  "play " + a + " wait repeat notify",
                  "status " + a + " mode",
                  "stop " + a,
                  "seek " + a + " to start",
                  "status " + a + " mode",
                  "stop " + a,
                  "close " + a,
              }));
    // Only play passes a notify window.
    for (const auto& s : recorder.sent) {
        EXPECT_EQ(s.notify, s.command.ends_with(" notify") ? 77 : 0) << s.command;
    }
}

TEST_F(MciChannelTest, FailuresAreRecordedAndCloseNeverFails) {
    MciChannel channel(&recorder);
    ASSERT_TRUE(channel.Open("a.wav", 0));
    const std::string a = channel.Alias();
    recorder.errors["stop " + a] = mci_error::kHardware;
    recorder.answers["stop " + a] = "device busy";
    EXPECT_FALSE(channel.Stop());
    int number = 0;
    std::string text;
    LastMediaError(number, text);
    EXPECT_EQ(number, mci_error::kHardware);
    EXPECT_EQ(text, "device busy");

    // IsPlaying and Close ignore their errors and record nothing.
    recorder.errors["status " + a + " mode"] = mci_error::kInternal;
    recorder.answers["status " + a + " mode"] = "playing";
    recorder.errors["close " + a] = mci_error::kInternal;
    EXPECT_FALSE(channel.IsPlaying());
    channel.Close();
    EXPECT_EQ(channel.Alias(), "");
    LastMediaError(number, text);
    EXPECT_EQ(number, mci_error::kHardware);

    // A failed window-handle query gives no window.
    ASSERT_TRUE(channel.Open("b.avi", 0));
    recorder.errors["status " + channel.Alias() + " window handle"] =
        mci_error::kUnsupportedFunction;
    EXPECT_EQ(channel.GetVideoWindow(), 0);
    LastMediaError(number, text);
    EXPECT_EQ(number, mci_error::kUnsupportedFunction);
}

TEST_F(MciChannelTest, NeverOpenedSendsNothing) {
    {
        MciChannel channel(&recorder);
        channel.Close();
        EXPECT_FALSE(channel.IsPlaying());
        EXPECT_FALSE(channel.Play(0, true, false));
        EXPECT_EQ(channel.GetVideoWindow(), 0);
    }
    EXPECT_TRUE(recorder.sent.empty());
}

TEST_F(MciChannelTest, FailedOpenLeavesNothingOpen) {
    MciChannel channel(&recorder);
    recorder.errors["open \"gone.wav\" alias Media" + std::to_string(AliasNumber([&] {
                                                                         MciChannel probe(
                                                                             &recorder);
                                                                         probe.Open("x.wav", 0);
                                                                         return probe.Alias();
                                                                     }()) +
                                                                     1)] = mci_error::kFileNotFound;
    recorder.sent.clear();
    EXPECT_FALSE(channel.Open("gone.wav", 0));
    EXPECT_EQ(channel.Alias(), "");
    channel.Close();
    EXPECT_EQ(recorder.sent.size(), 1u);
    int number = 0;
    std::string text;
    LastMediaError(number, text);
    EXPECT_EQ(number, mci_error::kFileNotFound);
}

TEST_F(MciChannelTest, OpenAndPlayStepsAndStopsAtFirstFailure) {
    MciChannel channel(&recorder);
    // Without a position: open, palette, play from the start notifying the parent.
    ASSERT_TRUE(channel.OpenAndPlay("a.avi", 3, 8, -1, 0, true));
    std::string a = channel.Alias();
    EXPECT_EQ(recorder.Last(3),
              (std::vector<std::string>{"open \"a.avi\" alias " + a + " parent 3 style child",
                                        "setvideo " + a + " palette handle to 8",
                                        "play " + a + " from 0 notify"}));
    EXPECT_EQ(recorder.sent.back().notify, 3);

    // With a position the window must exist; the recorder's answer names none, so it stops there.
    recorder.sent.clear();
    EXPECT_FALSE(channel.OpenAndPlay("b.avi", 3, 0, 10, 20, 100, 50, false));
    a = channel.Alias();
    EXPECT_EQ(recorder.Commands().back(), "status " + a + " window handle");
}

TEST_F(MciChannelTest, PlaceVideoMovesAndSizesTheWindow) {
    media_test::Application();
    QWidget parent;
    QWidget video(&parent);
    video.setGeometry(0, 0, 16, 12);
    MciChannel channel(&recorder);
    ASSERT_TRUE(channel.Open("a.avi", RegisterWindow(&parent)));
    recorder.answers["status " + channel.Alias() + " window handle"] =
        std::to_string(RegisterWindow(&video));
    ASSERT_TRUE(channel.PlaceVideo(5, 6, -1, 99));
    EXPECT_EQ(video.geometry(), QRect(5, 6, 16, 12));
    ASSERT_TRUE(channel.PlaceVideo(7, 8, 40, 30));
    EXPECT_EQ(video.geometry(), QRect(7, 8, 40, 30));
}

TEST(MediaErrorDisplay, ShowsNumberAndText) {
    std::vector<std::pair<std::string, std::string>> shown;
    const MessageDisplay previous =
        SetMessageDisplay([&](const std::string& title, const std::string& text) {
            shown.emplace_back(title, text);
        });
    RecordingInterpreter recorder;
    recorder.errors["open \"x\" alias Media"] = 0;
    MciChannel channel(&recorder);
    channel.Open("x", 0);
    recorder.errors["stop " + channel.Alias()] = mci_error::kFileNotFound;
    channel.Stop();
    ShowMediaError(-1);
    SetMediaErrorStrings([](int number) { return "resource " + std::to_string(number); });
    ShowMediaError(61206);
    SetMediaErrorStrings(nullptr);
    SetMessageDisplay(previous);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], std::make_pair(std::string("Error"),
                                       std::string("(275): The media file was not found.")));
    EXPECT_EQ(shown[1],
              std::make_pair(std::string("Error"), std::string("(61206): resource 61206")));
}

// The channel over the real media layer with the fake audio sink.
class MciChannelMediaTest : public ::testing::Test {
protected:
    void SetUp() override {
        media_test::Application();
        previous = SetMciInterpreter(&layer);
    }
    void TearDown() override { SetMciInterpreter(previous); }

    media_fixtures::TempFolder folder;
    GstMciInterpreter layer;
    MciInterpreter* previous = nullptr;
};

TEST_F(MciChannelMediaTest, PlaysToTheEndAndLoopsWithRepeat) {
    const auto wave = folder.File("tone one.wav", media_fixtures::Wave(150));
    MciChannel channel;
    ASSERT_TRUE(channel.Open(wave.string(), 0));
    ASSERT_TRUE(channel.Play(0, true, false));
    EXPECT_TRUE(channel.IsPlaying());
    EXPECT_TRUE(media_test::WaitUntil([&] { return !channel.IsPlaying(); }));
    channel.SetRepeat(true);
    ASSERT_TRUE(channel.Play(0, true, false));
    media_test::WaitUntil([] { return false; }, std::chrono::milliseconds(400));
    EXPECT_TRUE(channel.IsPlaying());
    channel.Close();
    EXPECT_EQ(layer.OpenCount(), 0u);
}

TEST_F(MciChannelMediaTest, MissingFileIsAnErrorWithItsNumber) {
    MciChannel channel;
    EXPECT_FALSE(
        channel.OpenAndPlay((folder.Path() / "missing.avi").string(), 0, 0, -1, -1, false));
    int number = 0;
    std::string text;
    LastMediaError(number, text);
    EXPECT_EQ(number, mci_error::kFileNotFound);
}

TEST_F(MciChannelMediaTest, ChildVideoIsPlacedInItsParent) {
    const auto avi = folder.File("clip.avi", media_fixtures::Avi(16, 12, {0xFF0000, 0x00FF00}));
    QWidget parent;
    parent.resize(200, 150);
    MciChannel channel;
    ASSERT_TRUE(
        channel.OpenAndPlay(avi.string(), RegisterWindow(&parent), 0, 30, 40, 64, 48, false));
    QWidget* video = WidgetFromHandle(channel.GetVideoWindow());
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->parentWidget(), &parent);
    EXPECT_EQ(video->geometry(), QRect(30, 40, 64, 48));
    EXPECT_TRUE(channel.IsPlaying());
}

TEST_F(MciChannelMediaTest, WaveFunctions) {
    const auto wave = folder.File("click.wav", media_fixtures::Wave(100));
    EXPECT_TRUE(PlayWave(wave.string(), kSndSync));
    EXPECT_TRUE(PlayWaveAsync(wave.string()));
    EXPECT_FALSE(PlayWave(wave.string(), kSndAsync | kSndNoStop));
    EXPECT_TRUE(PlayWave("", 0));
    EXPECT_FALSE(PlayWaveAsync((folder.Path() / "missing.wav").string()));
    EXPECT_FALSE(PlayWave(wave.string(), kSndLoop));
    EXPECT_EQ(layer.OpenCount(), 0u);
}

}  // namespace
