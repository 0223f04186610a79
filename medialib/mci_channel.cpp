#include "medialib/mci_channel.h"

#include <QWidget>
#include <charconv>

#include "platform/mci/mci_command.h"
#include "platform/mci/mci_errors.h"
#include "platform/mci/snd_play_sound.h"
#include "platform/message/message_display.h"

namespace {

int& AliasCounter() {
    static int counter = 0;
    return counter;
}

struct StoredError {
    int number = 0;
    std::string text;
};

StoredError& LastError() {
    static StoredError error;
    return error;
}

std::string (*&ErrorStrings())(int) {
    static std::string (*lookup)(int) = nullptr;
    return lookup;
}

}  // namespace

MciChannel::MciChannel(MciInterpreter* interpreter) : interpreter_(interpreter) {}

MciChannel::~MciChannel() {
    Close();
}

MciInterpreter& MciChannel::Interpreter() {
    return interpreter_ != nullptr ? *interpreter_ : CurrentMciInterpreter();
}

bool MciChannel::Send(const std::string& command, std::string& answer, WindowHandle notify,
                      bool quiet) {
    const int error = Interpreter().SendString(command, answer, notify);
    if (answer.size() >= kMciReturnTextSize) answer.resize(kMciReturnTextSize - 1);
    if (error != mci_error::kNone && !quiet) LastError() = {error, answer};
    return error == mci_error::kNone;
}

bool MciChannel::Send(const std::string& command) {
    std::string answer;
    return Send(command, answer);
}

bool MciChannel::NothingOpen() {
    LastError() = {mci_error::kInvalidDeviceName, std::string()};
    return false;
}

bool MciChannel::Open(const std::string& file, WindowHandle parentWindow) {
    Close();
    alias_ = "Media" + std::to_string(AliasCounter()++);
    // Quoted so that blanks and quotes in the name reach the interpreter unchanged.
    std::string command = "open " + QuoteMciArgument(file) + " alias " + alias_;
    if (parentWindow != 0) command += " parent " + std::to_string(parentWindow) + " style child";
    if (!Send(command)) {
        alias_.clear();
        return false;
    }
    return true;
}

bool MciChannel::SetPalette(int palette) {
    if (alias_.empty()) return NothingOpen();
    return Send("setvideo " + alias_ + " palette handle to " + std::to_string(palette));
}

bool MciChannel::Realize(bool background) {
    if (alias_.empty()) return NothingOpen();
    return Send("realize " + alias_ + (background ? " background" : " normal"));
}

bool MciChannel::ShowVideo(bool show) {
    if (alias_.empty()) return NothingOpen();
    return Send("window " + alias_ + " state " + (show ? "show" : "hide"));
}

WindowHandle MciChannel::GetVideoWindow() {
    if (alias_.empty()) {
        NothingOpen();
        return 0;
    }
    std::string answer;
    if (!Send("status " + alias_ + " window handle", answer)) return 0;
    WindowHandle window = 0;
    const auto [end, ec] = std::from_chars(answer.data(), answer.data() + answer.size(), window);
    if (ec != std::errc() || end != answer.data() + answer.size()) return 0;
    return window;
}

bool MciChannel::PlaceVideo(int x, int y, int width, int height) {
    const WindowHandle handle = GetVideoWindow();
    if (handle == 0) return false;
    QWidget* window = WidgetFromHandle(handle);
    if (window == nullptr) {
        LastError() = {mci_error::kNoWindow, std::string()};
        return false;
    }
    // Moving and resizing a Qt widget leaves its stacking order as it is.
    window->move(x, y);
    if (width != -1) window->resize(width, height);
    return true;
}

bool MciChannel::UpdateInto(int dc, int left, int top, int right, int bottom) {
    if (alias_.empty()) return NothingOpen();
    return Send("update " + alias_ + " hdc " + std::to_string(dc) + " at " + std::to_string(left) +
                " " + std::to_string(top) + " " + std::to_string(right) + " " +
                std::to_string(bottom));
}

bool MciChannel::Play(WindowHandle notifyWindow, bool fromStart, bool wait) {
    if (alias_.empty()) return NothingOpen();
    std::string command = "play " + alias_;
    if (fromStart) command += " from 0";
    if (wait) command += " wait";
    if (repeat_ != 0) command += " repeat";
    if (notifyWindow != 0) command += " notify";
    std::string answer;
    return Send(command, answer, notifyWindow);
}

bool MciChannel::IsPlaying() {
    if (alias_.empty()) return false;
    std::string answer;
    return Send("status " + alias_ + " mode", answer, 0, true) && answer == "playing";
}

bool MciChannel::Stop() {
    if (alias_.empty()) return NothingOpen();
    return Send("stop " + alias_);
}

bool MciChannel::Rewind() {
    if (alias_.empty()) return NothingOpen();
    return Send("seek " + alias_ + " to start");
}

void MciChannel::Close() {
    if (alias_.empty()) return;
    if (IsPlaying()) {
        std::string answer;
        Send("stop " + alias_, answer, 0, true);
    }
    std::string answer;
    Send("close " + alias_, answer, 0, true);
    alias_.clear();
}

bool MciChannel::OpenAndPlay(const std::string& file, WindowHandle parentWindow, int palette, int x,
                             int y, int width, int height, bool notify) {
    if (!Open(file, parentWindow)) return false;
    if (palette != 0 && !SetPalette(palette)) return false;
    if (x != -1 && !PlaceVideo(x, y, width, height)) return false;
    return Play(notify ? parentWindow : 0, true, false);
}

bool MciChannel::OpenAndPlay(const std::string& file, WindowHandle parentWindow, int palette, int x,
                             int y, bool notify) {
    return OpenAndPlay(file, parentWindow, palette, x, y, -1, -1, notify);
}

void LastMediaError(int& number, std::string& text) {
    number = LastError().number;
    text = LastError().text;
}

void SetMediaErrorStrings(std::string (*lookup)(int number)) {
    ErrorStrings() = lookup;
}

void ShowMediaError(int number) {
    std::string text;
    if (number == -1) {
        number = LastError().number;
        char buffer[256];
        text = MciGetErrorString(number, buffer, sizeof buffer) ? buffer : MciErrorText(number);
    } else {
        text = ErrorStrings() != nullptr ? ErrorStrings()(number) : MciErrorText(number);
    }
    ShowMessage("Error", "(" + std::to_string(number) + "): " + text);
}

bool PlayWaveAsync(const std::string& file) {
    return SndPlaySound(file.c_str(), kSndAsync | kSndNoDefault);
}

bool PlayWave(const std::string& file, unsigned flags) {
    return SndPlaySound(file.c_str(), flags);
}
