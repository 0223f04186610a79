#include "platform/mci/gst_mci_interpreter.h"

#include <QCoreApplication>
#include <filesystem>
#include <set>

#include "platform/gdi/device_context.h"
#include "platform/gdi/raster_ops.h"
#include "platform/mci/gst_media_device.h"
#include "platform/mci/mci_errors.h"
#include "platform/mci/mci_notify.h"
#include "platform/mci/mci_video_widget.h"

namespace {

const std::set<std::string>& KnownVerbs() {
    static const std::set<std::string> verbs = {"open",     "close",   "play",   "stop",
                                                "pause",    "resume",  "seek",   "status",
                                                "setvideo", "realize", "window", "update"};
    return verbs;
}

// Consumes "wait" or "notify" when keyword is one of them.
bool TakeCommonFlag(const std::string& keyword, auto& flags) {
    if (keyword == "wait") {
        flags.wait = true;
        return true;
    }
    if (keyword == "notify") {
        flags.notify = true;
        return true;
    }
    return false;
}

// Reads the rest of a command that takes nothing but the common flags.
int ReadOnlyCommonFlags(MciArgumentReader& reader, auto& flags) {
    while (!reader.AtEnd()) {
        if (!TakeCommonFlag(reader.TakeKeyword(), flags)) return mci_error::kUnrecognizedKeyword;
    }
    return mci_error::kNone;
}

// A file named as written, or with Windows separators turned into ours when only that exists.
std::optional<std::filesystem::path> FindMediaFile(const std::string& name, int& error) {
    std::error_code ec;
    std::filesystem::path path(name);
    if (!std::filesystem::exists(path, ec) && name.find('\\') != std::string::npos) {
        std::string slashed = name;
        for (char& c : slashed) {
            if (c == '\\') c = '/';
        }
        path = slashed;
    }
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = mci_error::kFileNotFound;
        return std::nullopt;
    }
    if (std::filesystem::file_size(path, ec) == 0 || ec) {
        error = mci_error::kInvalidFile;
        return std::nullopt;
    }
    return std::filesystem::absolute(path, ec);
}

MciInterpreter*& Override() {
    static MciInterpreter* interpreter = nullptr;
    return interpreter;
}

GstMciInterpreter*& DefaultInstance() {
    static GstMciInterpreter* interpreter = nullptr;
    return interpreter;
}

// Video windows must go while the application still exists.
void CloseAllBeforeApplicationEnds() {
    if (GstMciInterpreter* interpreter = DefaultInstance()) interpreter->CloseAll();
}

}  // namespace

MciInterpreter& CurrentMciInterpreter() {
    if (MciInterpreter* replaced = Override()) return *replaced;
    static GstMciInterpreter interpreter;
    if (DefaultInstance() == nullptr) {
        DefaultInstance() = &interpreter;
        if (QCoreApplication::instance() != nullptr)
            qAddPostRoutine(&CloseAllBeforeApplicationEnds);
    }
    return interpreter;
}

MciInterpreter* SetMciInterpreter(MciInterpreter* interpreter) {
    return std::exchange(Override(), interpreter);
}

GstMciInterpreter::GstMciInterpreter() = default;

GstMciInterpreter::~GstMciInterpreter() {
    CloseAll();
    if (DefaultInstance() == this) DefaultInstance() = nullptr;
}

void GstMciInterpreter::CloseAll() {
    for (auto& [key, device] : devices_) device->EndPendingNotify(kMciNotifyAborted);
    devices_.clear();
}

int GstMciInterpreter::SendString(std::string_view text, std::string& returnText,
                                  WindowHandle notifyWindow) {
    returnText.clear();
    int error = mci_error::kNone;
    const std::optional<MciCommand> command = ParseMciCommand(text, error);
    if (!command) return error;
    std::string answer;
    error = Dispatch(*command, answer, notifyWindow);
    if (error == mci_error::kNone) {
        if (answer.size() >= kMciReturnTextSize) return mci_error::kParamOverflow;
        returnText = std::move(answer);
    }
    return error;
}

int GstMciInterpreter::Dispatch(const MciCommand& command, std::string& answer,
                                WindowHandle notifyWindow) {
    if (!KnownVerbs().contains(command.verb)) return mci_error::kUnrecognizedCommand;
    Flags flags;
    const std::string key = MciLower(command.device);
    MciArgumentReader reader(command.arguments);
    if (command.verb == "open") {
        const int error = Open(command, flags);
        if (error == mci_error::kNone && flags.notify) {
            PostMciNotify(notifyWindow, kMciNotifySuccessful,
                          QString::fromStdString(command.device));
        }
        return error;
    }
    if (key == "all" && (command.verb == "close" || command.verb == "stop")) {
        if (const int error = ReadOnlyCommonFlags(reader, flags); error != mci_error::kNone)
            return error;
        for (auto& [alias, device] : devices_) {
            device->EndPendingNotify(kMciNotifyAborted);
            if (command.verb == "stop") device->Stop();
        }
        if (command.verb == "close") devices_.clear();
        if (flags.notify) PostMciNotify(notifyWindow, kMciNotifySuccessful, "all");
        return mci_error::kNone;
    }
    auto found = devices_.find(key);
    if (found == devices_.end()) return mci_error::kInvalidDeviceName;
    GstMediaDevice& device = *found->second;
    const QString alias = QString::fromStdString(command.device);

    int error = mci_error::kNone;
    if (command.verb == "play") return Play(device, reader, flags, notifyWindow);
    if (command.verb == "close") {
        error = Close(key, device, reader, flags);
    } else if (command.verb == "stop" || command.verb == "pause" || command.verb == "resume") {
        error = ReadOnlyCommonFlags(reader, flags);
        if (error != mci_error::kNone) return error;
        if (flags.notify) device.EndPendingNotify(kMciNotifySuperseded);
        if (command.verb == "stop") {
            device.EndPendingNotify(kMciNotifyAborted);
            error = device.Stop();
        } else {
            error = command.verb == "pause" ? device.Pause() : device.Resume();
        }
    } else if (command.verb == "seek") {
        error = Seek(device, reader, flags);
    } else if (command.verb == "status") {
        error = Status(device, reader, flags, answer);
    } else if (command.verb == "setvideo") {
        error = SetVideo(device, reader, flags);
    } else if (command.verb == "realize") {
        error = Realize(device, reader, flags);
    } else if (command.verb == "window") {
        error = Window(device, reader, flags);
    } else if (command.verb == "update") {
        error = Update(device, reader, flags);
    }
    if (error == mci_error::kNone && flags.notify)
        PostMciNotify(notifyWindow, kMciNotifySuccessful, alias);
    return error;
}

int GstMciInterpreter::Open(const MciCommand& command, Flags& flags) {
    MciArgumentReader reader(command.arguments);
    std::string alias = command.device;
    WindowHandle parent = 0;
    bool child = false;
    while (!reader.AtEnd()) {
        const std::string keyword = reader.TakeKeyword();
        if (TakeCommonFlag(keyword, flags) || keyword == "shareable") continue;
        if (keyword == "alias") {
            std::optional<std::string> name = reader.TakeWord();
            if (!name || name->empty()) return mci_error::kMissingStringArgument;
            alias = *name;
        } else if (keyword == "type") {
            // The device type is chosen from the file's contents; the named one is only checked.
            if (!reader.TakeWord()) return mci_error::kMissingStringArgument;
        } else if (keyword == "parent") {
            int error = mci_error::kNone;
            const std::optional<std::int64_t> number = reader.TakeInteger(error);
            if (!number) return error;
            if (*number <= 0 || *number > INT32_MAX) return mci_error::kOutOfRange;
            parent = static_cast<WindowHandle>(*number);
        } else if (keyword == "style") {
            const std::string style = reader.TakeKeyword();
            if (style.empty()) return mci_error::kMissingParameter;
            if (style == "child") {
                child = true;
            } else if (style != "popup" && style != "overlapped") {
                return mci_error::kBadConstant;
            }
        } else {
            return mci_error::kUnrecognizedKeyword;
        }
    }
    const std::string key = MciLower(alias);
    if (key == "all") return mci_error::kBadConstant;
    if (devices_.contains(key)) return mci_error::kDuplicateAlias;
    QWidget* parentWidget = nullptr;
    if (parent != 0) {
        parentWidget = WidgetFromHandle(parent);
        if (parentWidget == nullptr) return mci_error::kNoWindow;
    }
    if (child && parentWidget == nullptr) return mci_error::kNoWindow;

    int error = mci_error::kNone;
    const std::optional<std::filesystem::path> path = FindMediaFile(command.device, error);
    if (!path) return error;
    std::unique_ptr<GstMediaDevice> device = GstMediaDevice::Open(
        path->string(), QString::fromStdString(alias), parentWidget, child, error);
    if (!device) return error;
    devices_.emplace(key, std::move(device));
    return mci_error::kNone;
}

int GstMciInterpreter::Close(const std::string& key, GstMediaDevice& device,
                             MciArgumentReader& reader, Flags& flags) {
    if (const int error = ReadOnlyCommonFlags(reader, flags); error != mci_error::kNone)
        return error;
    device.EndPendingNotify(flags.notify ? kMciNotifySuperseded : kMciNotifyAborted);
    devices_.erase(key);
    return mci_error::kNone;
}

int GstMciInterpreter::Play(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags,
                            WindowHandle notifyWindow) {
    std::optional<std::int64_t> from;
    bool repeat = false;
    while (!reader.AtEnd()) {
        const std::string keyword = reader.TakeKeyword();
        if (TakeCommonFlag(keyword, flags)) continue;
        if (keyword == "repeat") {
            repeat = true;
        } else if (keyword == "from") {
            int error = mci_error::kNone;
            from = reader.TakeInteger(error);
            if (!from) return error;
            if (*from < 0) return mci_error::kOutOfRange;
        } else {
            return mci_error::kUnrecognizedKeyword;
        }
    }
    device.EndPendingNotify(flags.notify ? kMciNotifySuperseded : kMciNotifyAborted);
    return device.Play(from, repeat, flags.wait, flags.notify ? notifyWindow : 0);
}

int GstMciInterpreter::Seek(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags) {
    enum class Target { None, Start, End, Time } target = Target::None;
    std::int64_t ms = 0;
    while (!reader.AtEnd()) {
        const std::string keyword = reader.TakeKeyword();
        if (TakeCommonFlag(keyword, flags)) continue;
        if (keyword != "to") return mci_error::kUnrecognizedKeyword;
        const std::optional<std::string> where = reader.TakeWord();
        if (!where) return mci_error::kMissingParameter;
        if (MciWordEquals(*where, "start")) {
            target = Target::Start;
        } else if (MciWordEquals(*where, "end")) {
            target = Target::End;
        } else {
            std::vector<std::string> one{*where};
            MciArgumentReader number(one);
            int error = mci_error::kNone;
            const std::optional<std::int64_t> value = number.TakeInteger(error);
            if (!value) return error;
            if (*value < 0) return mci_error::kOutOfRange;
            target = Target::Time;
            ms = *value;
        }
    }
    if (target == Target::None) return mci_error::kMissingParameter;
    if (flags.notify) device.EndPendingNotify(kMciNotifySuperseded);
    device.EndPendingNotify(kMciNotifyAborted);
    switch (target) {
        case Target::Start:
            return device.SeekToStart();
        case Target::End:
            return device.SeekToEnd();
        default:
            return device.SeekTo(ms);
    }
}

int GstMciInterpreter::Status(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags,
                              std::string& answer) {
    std::string item;
    while (!reader.AtEnd()) {
        const std::string keyword = reader.TakeKeyword();
        if (TakeCommonFlag(keyword, flags)) continue;
        if (!item.empty()) return mci_error::kFlagsNotCompatible;
        if (keyword == "window") {
            if (reader.TakeKeyword() != "handle") return mci_error::kMissingParameter;
            item = "window handle";
        } else if (keyword == "mode" || keyword == "ready" || keyword == "length" ||
                   keyword == "position") {
            item = keyword;
        } else {
            return mci_error::kUnrecognizedKeyword;
        }
    }
    if (item.empty()) return mci_error::kMissingParameter;
    if (item == "mode") {
        answer = MciModeText(device.Mode());
    } else if (item == "ready") {
        answer = device.Mode() == MciMode::NotReady ? "false" : "true";
    } else if (item == "window handle") {
        if (!device.HasVideo()) return mci_error::kUnsupportedFunction;
        const WindowHandle window = device.VideoWindow();
        if (window == 0) return mci_error::kNoWindow;
        answer = std::to_string(window);
    } else {
        const std::optional<std::int64_t> value =
            item == "length" ? device.LengthMs() : device.PositionMs();
        if (!value) return mci_error::kDeviceNotReady;
        answer = std::to_string(*value);
    }
    return mci_error::kNone;
}

int GstMciInterpreter::SetVideo(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags) {
    bool palette = false;
    while (!reader.AtEnd()) {
        const std::string keyword = reader.TakeKeyword();
        if (TakeCommonFlag(keyword, flags)) continue;
        if (keyword != "palette" || reader.TakeKeyword() != "handle" ||
            reader.TakeKeyword() != "to") {
            return mci_error::kUnrecognizedKeyword;
        }
        int error = mci_error::kNone;
        if (!reader.TakeInteger(error)) return error;
        palette = true;
    }
    if (!palette) return mci_error::kMissingParameter;
    // The display is true colour, so the palette changes nothing that is drawn.
    return device.HasVideo() ? mci_error::kNone : mci_error::kUnsupportedFunction;
}

int GstMciInterpreter::Realize(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags) {
    while (!reader.AtEnd()) {
        const std::string keyword = reader.TakeKeyword();
        if (TakeCommonFlag(keyword, flags)) continue;
        if (keyword != "background" && keyword != "normal") return mci_error::kUnrecognizedKeyword;
    }
    // Realising a palette is a no-op on a true-colour display.
    return device.HasVideo() ? mci_error::kNone : mci_error::kUnsupportedFunction;
}

int GstMciInterpreter::Window(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags) {
    std::optional<bool> show;
    while (!reader.AtEnd()) {
        const std::string keyword = reader.TakeKeyword();
        if (TakeCommonFlag(keyword, flags)) continue;
        if (keyword != "state") return mci_error::kUnrecognizedKeyword;
        const std::string state = reader.TakeKeyword();
        if (state == "show") {
            show = true;
        } else if (state == "hide") {
            show = false;
        } else {
            return state.empty() ? mci_error::kMissingParameter : mci_error::kBadConstant;
        }
    }
    if (!show) return mci_error::kMissingParameter;
    if (!device.HasVideo()) return mci_error::kUnsupportedFunction;
    if (device.VideoWidget() == nullptr) return mci_error::kNoWindow;
    device.ShowWindow(*show);
    return mci_error::kNone;
}

int GstMciInterpreter::Update(GstMediaDevice& device, MciArgumentReader& reader, Flags& flags) {
    std::optional<std::int64_t> hdc;
    std::optional<QRect> dest;
    while (!reader.AtEnd()) {
        const std::string keyword = reader.TakeKeyword();
        if (TakeCommonFlag(keyword, flags)) continue;
        int error = mci_error::kNone;
        if (keyword == "hdc") {
            hdc = reader.TakeInteger(error);
            if (!hdc) return error;
        } else if (keyword == "at") {
            std::int64_t edges[4] = {};
            for (std::int64_t& edge : edges) {
                const std::optional<std::int64_t> value = reader.TakeInteger(error);
                if (!value) return error;
                if (*value < INT16_MIN * 2 || *value > INT16_MAX * 2) return mci_error::kOutOfRange;
                edge = *value;
            }
            // Left, top, right and bottom, right and bottom exclusive.
            if (edges[2] <= edges[0] || edges[3] <= edges[1]) return mci_error::kOutOfRange;
            dest = QRect(QPoint(static_cast<int>(edges[0]), static_cast<int>(edges[1])),
                         QPoint(static_cast<int>(edges[2]) - 1, static_cast<int>(edges[3]) - 1));
        } else {
            return mci_error::kUnrecognizedKeyword;
        }
    }
    if (!hdc) return mci_error::kMissingParameter;
    if (*hdc <= 0 || *hdc > INT32_MAX) return mci_error::kOutOfRange;
    if (!device.HasVideo()) return mci_error::kUnsupportedFunction;
    const QImage frame = device.CurrentFrame();
    if (frame.isNull()) return mci_error::kDeviceNotReady;
    const QRect target = dest.value_or(QRect(QPoint(0, 0), frame.size()));
    gdi::DC* dc = gdi::FindDC(static_cast<int>(*hdc));
    if (dc == nullptr) return mci_error::kOutOfRange;
    // The frame goes through a memory DC so that a window DC reports the change to its surface.
    gdi::DCPtr source = gdi::CreateCompatibleDC(dc);
    gdi::HBITMAP bitmap = gdi::CreateBitmapFromImage(frame);
    if (source == nullptr || bitmap == nullptr || source->SelectBitmap(bitmap) == nullptr) {
        return mci_error::kOutOfMemory;
    }
    if (!gdi::StretchBlt(*dc, target.x(), target.y(), target.width(), target.height(), source.get(),
                         0, 0, frame.width(), frame.height(), gdi::SRCCOPY)) {
        return mci_error::kOutOfRange;
    }
    return mci_error::kNone;
}
