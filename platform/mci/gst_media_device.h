#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/mci/video_frame_store.h"
#include "platform/mci/window_registry.h"

typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;
typedef struct _GstBus GstBus;
class MciVideoWidget;

// What "status ALIAS mode" answers.
enum class MciMode { NotReady, Stopped, Playing, Paused };
const char* MciModeText(MciMode mode);

// One open media file: a GStreamer playbin with its audio sink and, for videos, an appsink whose
// frames a MciVideoWidget shows. Commands come from the user-interface thread; the pipeline's
// messages are handled on its own threads as they are posted, so the mode is right even while the
// user-interface thread is busy and processes no events.
class GstMediaDevice {
public:
    // Opens and prerolls path (an existing, non-empty file). A video gets its window as a child
    // of parent when child is set, else as a top-level window (kept above parent when given).
    // Returns null and sets error (an mci_error number) when the file cannot be played.
    static std::unique_ptr<GstMediaDevice> Open(const std::string& path, const QString& alias,
                                                QWidget* parent, bool child, int& error);
    ~GstMediaDevice();
    GstMediaDevice(const GstMediaDevice&) = delete;
    GstMediaDevice& operator=(const GstMediaDevice&) = delete;

    bool HasVideo() const { return hasVideo_; }
    // The video window's number, 0 for a file without video or once the window is gone.
    WindowHandle VideoWindow() const;
    MciVideoWidget* VideoWidget() const;
    QImage CurrentFrame() const { return frames_->Latest(); }

    MciMode Mode() const;
    std::optional<std::int64_t> LengthMs() const;
    std::optional<std::int64_t> PositionMs() const;

    // Plays from fromMs (or from the current place) to the end, looping when repeat is set.
    // Answers at once unless wait is set; the mode is "playing" from the return on. notify, when
    // non-zero, receives the completion. Returns 0 or an mci_error number.
    int Play(std::optional<std::int64_t> fromMs, bool repeat, bool wait, WindowHandle notify);
    int Stop();
    int Pause();
    int Resume();
    int SeekToStart();
    int SeekToEnd();
    int SeekTo(std::int64_t ms);

    // Ends the pending notification of an earlier "play ... notify" with code.
    void EndPendingNotify(int code);
    // The video window follows "window ALIAS state show|hide"; a play shows it unless hidden so.
    void ShowWindow(bool show);

private:
    GstMediaDevice() = default;
    static int OnBusMessage(GstBus* bus, GstMessage* message, void* self);
    static void OnElementSetup(GstElement* playbin, GstElement* element, void* self);
    void HandleMessage(GstMessage* message);
    int WaitUntilPrerolled();
    int WaitForEnd();
    void PostNotifyLocked(WindowHandle window, int code);
    void CreateVideoWindow(QWidget* parent, bool child, const std::string& path);
    void RequestRepaint();
    void RestartLoop();

    GstElement* playbin_ = nullptr;
    std::string uri_;
    QString alias_;
    bool hasVideo_ = false;
    std::shared_ptr<VideoFrameStore> frames_ = std::make_shared<VideoFrameStore>();
    QPointer<MciVideoWidget> widget_;
    // Lives on the user-interface thread; the pipeline's threads post work to it. It goes after the
    // pipeline has stopped, dropping whatever is still queued.
    std::unique_ptr<QObject> relay_;
    bool hiddenByCommand_ = false;

    // Shared with the pipeline's threads.
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    MciMode mode_ = MciMode::NotReady;
    bool prerolled_ = false;
    bool failed_ = false;
    int failure_ = 0;
    bool atEnd_ = false;
    bool repeat_ = false;
    bool repaintPending_ = false;
    bool restartPending_ = false;
    WindowHandle pendingNotify_ = 0;
};
