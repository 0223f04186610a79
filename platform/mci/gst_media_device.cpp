#include "platform/mci/gst_media_device.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <chrono>

#include "platform/mci/gst_environment.h"
#include "platform/mci/mci_errors.h"
#include "platform/mci/mci_notify.h"
#include "platform/mci/mci_video_widget.h"

namespace {

using namespace std::chrono_literals;

// Opening a wave file takes milliseconds, a MIDI file a second or two (the synthesizer loads its
// sound font); on a loaded machine several times that. One that has not prerolled by then never
// will.
constexpr auto kPrerollTimeout = 30s;
// A "play ... wait" whose position stops moving for this long is given up instead of hanging.
constexpr auto kStallTimeout = 5s;

// playbin's flag bits: video, audio and software volume; no subtitles.
constexpr guint kPlayFlags = 0x1 | 0x2 | 0x10;

int ErrorFromGst(const GError* error) {
    if (error == nullptr) return mci_error::kInvalidFile;
    if (error->domain == GST_RESOURCE_ERROR) {
        if (error->code == GST_RESOURCE_ERROR_NOT_FOUND ||
            error->code == GST_RESOURCE_ERROR_OPEN_READ) {
            return mci_error::kFileNotFound;
        }
        return mci_error::kHardware;
    }
    if (error->domain == GST_CORE_ERROR && error->code == GST_CORE_ERROR_MISSING_PLUGIN) {
        return mci_error::kCannotLoadDriver;
    }
    if (error->domain == GST_STREAM_ERROR && error->code == GST_STREAM_ERROR_CODEC_NOT_FOUND) {
        return mci_error::kCannotLoadDriver;
    }
    return mci_error::kInvalidFile;
}

QImage ImageFromSample(GstSample* sample) {
    GstVideoInfo info;
    GstCaps* caps = gst_sample_get_caps(sample);
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    if (caps == nullptr || buffer == nullptr || !gst_video_info_from_caps(&info, caps)) return {};
    GstMapInfo map;
    if (!gst_buffer_map(buffer, &map, GST_MAP_READ)) return {};
    QImage image;
    const int width = GST_VIDEO_INFO_WIDTH(&info);
    const int height = GST_VIDEO_INFO_HEIGHT(&info);
    const int stride = GST_VIDEO_INFO_PLANE_STRIDE(&info, 0);
    if (width > 0 && height > 0 && stride >= width * 4 &&
        map.size >= static_cast<gsize>(stride) * static_cast<gsize>(height)) {
        image = QImage(map.data, width, height, stride, QImage::Format_RGB32).copy();
    }
    gst_buffer_unmap(buffer, &map);
    return image;
}

}  // namespace

const char* MciModeText(MciMode mode) {
    switch (mode) {
        case MciMode::NotReady:
            return "not ready";
        case MciMode::Stopped:
            return "stopped";
        case MciMode::Playing:
            return "playing";
        case MciMode::Paused:
            return "paused";
    }
    return "not ready";
}

std::unique_ptr<GstMediaDevice> GstMediaDevice::Open(const std::string& path, const QString& alias,
                                                     QWidget* parent, bool child, int& error) {
    if (!EnsureGstInitialized()) {
        error = mci_error::kCannotLoadDriver;
        return nullptr;
    }
    GError* uriError = nullptr;
    gchar* uri = gst_filename_to_uri(path.c_str(), &uriError);
    if (uri == nullptr) {
        if (uriError != nullptr) g_error_free(uriError);
        error = mci_error::kFileNotFound;
        return nullptr;
    }
    std::unique_ptr<GstMediaDevice> device(new GstMediaDevice());
    device->uri_ = uri;
    g_free(uri);
    device->alias_ = alias;

    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    GstElement* videoSink = gst_element_factory_make("appsink", nullptr);
    GstElement* audioSink = MakeAudioSink();
    if (playbin == nullptr || videoSink == nullptr || audioSink == nullptr) {
        for (GstElement* element : {playbin, videoSink, audioSink}) {
            if (element != nullptr) gst_object_unref(gst_object_ref_sink(element));
        }
        error = mci_error::kCannotLoadDriver;
        return nullptr;
    }
    device->playbin_ = GST_ELEMENT(gst_object_ref_sink(playbin));

    GstCaps* caps = gst_caps_from_string("video/x-raw,format=BGRx");
    g_object_set(videoSink, "caps", caps, "sync", TRUE, "max-buffers", 2u, "drop", TRUE, nullptr);
    gst_caps_unref(caps);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_preroll = [](GstAppSink* sink, gpointer self) {
        if (GstSample* sample = gst_app_sink_pull_preroll(sink)) {
            static_cast<GstMediaDevice*>(self)->frames_->Put(ImageFromSample(sample));
            gst_sample_unref(sample);
            static_cast<GstMediaDevice*>(self)->RequestRepaint();
        }
        return GST_FLOW_OK;
    };
    callbacks.new_sample = [](GstAppSink* sink, gpointer self) {
        if (GstSample* sample = gst_app_sink_pull_sample(sink)) {
            static_cast<GstMediaDevice*>(self)->frames_->Put(ImageFromSample(sample));
            gst_sample_unref(sample);
            static_cast<GstMediaDevice*>(self)->RequestRepaint();
        }
        return GST_FLOW_OK;
    };
    gst_app_sink_set_callbacks(GST_APP_SINK(videoSink), &callbacks, device.get(), nullptr);

    g_object_set(device->playbin_, "uri", device->uri_.c_str(), "audio-sink", audioSink,
                 "video-sink", videoSink, "flags", kPlayFlags, nullptr);
    g_signal_connect(device->playbin_, "element-setup", G_CALLBACK(&GstMediaDevice::OnElementSetup),
                     device.get());
    GstBus* bus = gst_element_get_bus(device->playbin_);
    gst_bus_set_sync_handler(
        bus,
        [](GstBus* b, GstMessage* m, gpointer self) {
            return static_cast<GstBusSyncReply>(OnBusMessage(b, m, self));
        },
        device.get(), nullptr);
    gst_object_unref(bus);

    error = device->WaitUntilPrerolled();
    if (error != mci_error::kNone) return nullptr;

    gint videoStreams = 0;
    g_object_get(device->playbin_, "n-video", &videoStreams, nullptr);
    device->hasVideo_ = videoStreams > 0;
    {
        std::lock_guard lock(device->mutex_);
        device->relay_ = std::make_unique<QObject>();
    }
    if (device->hasVideo_) device->CreateVideoWindow(parent, child, path);
    error = mci_error::kNone;
    return device;
}

GstMediaDevice::~GstMediaDevice() {
    if (playbin_ != nullptr) {
        // Going to NULL joins the pipeline's threads, after which nothing calls back into this.
        gst_element_set_state(playbin_, GST_STATE_NULL);
        GstBus* bus = gst_element_get_bus(playbin_);
        gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
        gst_object_unref(bus);
        g_signal_handlers_disconnect_by_data(playbin_, this);
        gst_object_unref(playbin_);
    }
    {
        std::lock_guard lock(mutex_);
        PostNotifyLocked(pendingNotify_, kMciNotifyAborted);
        pendingNotify_ = 0;
    }
    {
        std::lock_guard lock(mutex_);
        relay_.reset();
    }
    // Without an application the widgets are already gone with it.
    if (widget_ != nullptr && QCoreApplication::instance() != nullptr) delete widget_.data();
}

int GstMediaDevice::OnBusMessage(GstBus*, GstMessage* message, void* self) {
    static_cast<GstMediaDevice*>(self)->HandleMessage(message);
    return GST_BUS_DROP;
}

void GstMediaDevice::HandleMessage(GstMessage* message) {
    switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_ERROR: {
            GError* error = nullptr;
            gst_message_parse_error(message, &error, nullptr);
            const int number = ErrorFromGst(error);
            if (error != nullptr) g_error_free(error);
            std::lock_guard lock(mutex_);
            if (!failed_) failure_ = number;
            failed_ = true;
            if (mode_ == MciMode::Playing || mode_ == MciMode::Paused) mode_ = MciMode::Stopped;
            PostNotifyLocked(pendingNotify_, kMciNotifyFailure);
            pendingNotify_ = 0;
            changed_.notify_all();
            break;
        }
        case GST_MESSAGE_EOS: {
            std::lock_guard lock(mutex_);
            if (mode_ == MciMode::Playing && repeat_) {
                // A loop restarts with a flushing seek, which must not come from a streaming
                // thread: the user-interface thread does it, and the mode stays "playing"
                // meanwhile. (Queuing the file again through about-to-finish would avoid the short
                // gap, but it races with seeks and state changes inside playbin.)
                if (!restartPending_ && relay_ != nullptr) {
                    restartPending_ = true;
                    QMetaObject::invokeMethod(
                        relay_.get(), [this] { RestartLoop(); }, Qt::QueuedConnection);
                }
            } else if (mode_ == MciMode::Playing) {
                mode_ = MciMode::Stopped;
                atEnd_ = true;
                PostNotifyLocked(pendingNotify_, kMciNotifySuccessful);
                pendingNotify_ = 0;
            }
            changed_.notify_all();
            break;
        }
        case GST_MESSAGE_ASYNC_DONE: {
            std::lock_guard lock(mutex_);
            if (!prerolled_) {
                prerolled_ = true;
                if (mode_ == MciMode::NotReady) mode_ = MciMode::Stopped;
            }
            changed_.notify_all();
            break;
        }
        default:
            break;
    }
}

void GstMediaDevice::OnElementSetup(GstElement*, GstElement* element, void*) {
    GstElementFactory* factory = gst_element_get_factory(element);
    if (factory == nullptr) return;
    if (g_strcmp0(gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory)), "fluiddec") != 0)
        return;
    const std::string& font = GeneralMidiSoundFont();
    if (!font.empty()) g_object_set(element, "soundfont", font.c_str(), nullptr);
}

int GstMediaDevice::WaitUntilPrerolled() {
    if (gst_element_set_state(playbin_, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE) {
        std::lock_guard lock(mutex_);
        return failed_ ? failure_ : mci_error::kInvalidFile;
    }
    std::unique_lock lock(mutex_);
    const bool done =
        changed_.wait_for(lock, kPrerollTimeout, [this] { return prerolled_ || failed_; });
    if (failed_) return failure_;
    return done ? mci_error::kNone : mci_error::kInvalidFile;
}

void GstMediaDevice::CreateVideoWindow(QWidget* parent, bool child, const std::string& path) {
    if (QCoreApplication::instance() == nullptr) return;
    auto* widget = new MciVideoWidget(frames_, child ? parent : nullptr);
    if (!child) {
        widget->setWindowTitle(QFileInfo(QString::fromStdString(path)).fileName());
        if (parent != nullptr) {
            widget->setParent(parent, Qt::Window);
        }
    } else {
        // Clicks on a video inside a window belong to that window, which decides what they stop.
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    const QImage frame = frames_->Latest();
    widget->setGeometry(0, 0, frame.isNull() ? 160 : frame.width(),
                        frame.isNull() ? 120 : frame.height());
    widget->hide();
    widget_ = widget;
    RegisterWindow(widget);
}

void GstMediaDevice::RestartLoop() {
    {
        std::lock_guard lock(mutex_);
        if (!restartPending_) return;
        restartPending_ = false;
        if (mode_ != MciMode::Playing || !repeat_) return;
    }
    gst_element_seek_simple(playbin_, GST_FORMAT_TIME,
                            static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                            0);
}

void GstMediaDevice::RequestRepaint() {
    {
        std::lock_guard lock(mutex_);
        if (relay_ == nullptr || repaintPending_) return;
        repaintPending_ = true;
    }
    // The relay lives on the user-interface thread and outlives the pipeline's threads.
    QMetaObject::invokeMethod(
        relay_.get(),
        [this] {
            {
                std::lock_guard lock(mutex_);
                repaintPending_ = false;
            }
            if (widget_ != nullptr) widget_->update();
        },
        Qt::QueuedConnection);
}

WindowHandle GstMediaDevice::VideoWindow() const {
    return widget_ != nullptr ? RegisterWindow(widget_.data()) : 0;
}

MciVideoWidget* GstMediaDevice::VideoWidget() const {
    return widget_.data();
}

MciMode GstMediaDevice::Mode() const {
    std::lock_guard lock(mutex_);
    return failed_ ? MciMode::NotReady : mode_;
}

std::optional<std::int64_t> GstMediaDevice::LengthMs() const {
    gint64 duration = 0;
    if (!gst_element_query_duration(playbin_, GST_FORMAT_TIME, &duration) || duration < 0)
        return std::nullopt;
    return duration / GST_MSECOND;
}

std::optional<std::int64_t> GstMediaDevice::PositionMs() const {
    bool atEnd = false;
    {
        std::lock_guard lock(mutex_);
        atEnd = atEnd_;
    }
    if (atEnd) return LengthMs();
    gint64 position = 0;
    if (!gst_element_query_position(playbin_, GST_FORMAT_TIME, &position) || position < 0)
        return std::nullopt;
    return position / GST_MSECOND;
}

void GstMediaDevice::PostNotifyLocked(WindowHandle window, int code) {
    if (window != 0) PostMciNotify(window, code, alias_);
}

void GstMediaDevice::EndPendingNotify(int code) {
    std::lock_guard lock(mutex_);
    PostNotifyLocked(pendingNotify_, code);
    pendingNotify_ = 0;
}

void GstMediaDevice::ShowWindow(bool show) {
    hiddenByCommand_ = !show;
    if (widget_ != nullptr) widget_->setVisible(show);
}

int GstMediaDevice::Play(std::optional<std::int64_t> fromMs, bool repeat, bool wait,
                         WindowHandle notify) {
    // A looping play never ends, so waiting for it would never return.
    if (repeat && wait) return mci_error::kFlagsNotCompatible;
    bool atEnd = false;
    {
        std::lock_guard lock(mutex_);
        if (failed_ || !prerolled_) return mci_error::kDeviceNotReady;
        atEnd = atEnd_;
    }
    if (fromMs) {
        if (const int error = SeekTo(*fromMs); error != mci_error::kNone) return error;
    } else if (atEnd) {
        if (!repeat) {
            // Nothing is left to play: the play is complete at once.
            if (notify != 0) PostMciNotify(notify, kMciNotifySuccessful, alias_);
            return mci_error::kNone;
        }
        if (const int error = SeekToStart(); error != mci_error::kNone) return error;
    }
    {
        std::lock_guard lock(mutex_);
        mode_ = MciMode::Playing;
        restartPending_ = false;
        repeat_ = repeat;
        pendingNotify_ = notify;
    }
    if (widget_ != nullptr && !hiddenByCommand_) widget_->show();
    if (gst_element_set_state(playbin_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        std::lock_guard lock(mutex_);
        mode_ = MciMode::Stopped;
        pendingNotify_ = 0;
        return mci_error::kHardware;
    }
    return wait ? WaitForEnd() : mci_error::kNone;
}

int GstMediaDevice::WaitForEnd() {
    std::optional<std::int64_t> lastPosition = PositionMs();
    auto lastProgress = std::chrono::steady_clock::now();
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            if (changed_.wait_for(lock, 100ms,
                                  [this] { return mode_ != MciMode::Playing || failed_; })) {
                return failed_ ? failure_ : mci_error::kNone;
            }
        }
        const std::optional<std::int64_t> position = PositionMs();
        const auto now = std::chrono::steady_clock::now();
        if (position != lastPosition) {
            lastPosition = position;
            lastProgress = now;
        } else if (now - lastProgress > kStallTimeout) {
            Stop();
            return mci_error::kHardware;
        }
    }
}

int GstMediaDevice::Stop() {
    {
        std::lock_guard lock(mutex_);
        if (failed_) return mci_error::kDeviceNotReady;
        if (mode_ == MciMode::Playing || mode_ == MciMode::Paused) mode_ = MciMode::Stopped;
        restartPending_ = false;
    }
    gst_element_set_state(playbin_, GST_STATE_PAUSED);
    return mci_error::kNone;
}

int GstMediaDevice::Pause() {
    {
        std::lock_guard lock(mutex_);
        if (failed_) return mci_error::kDeviceNotReady;
        if (mode_ != MciMode::Playing) return mci_error::kNone;
        mode_ = MciMode::Paused;
    }
    gst_element_set_state(playbin_, GST_STATE_PAUSED);
    return mci_error::kNone;
}

int GstMediaDevice::Resume() {
    {
        std::lock_guard lock(mutex_);
        if (failed_) return mci_error::kDeviceNotReady;
        if (mode_ != MciMode::Paused) return mci_error::kNone;
        mode_ = MciMode::Playing;
    }
    if (gst_element_set_state(playbin_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        std::lock_guard lock(mutex_);
        mode_ = MciMode::Stopped;
        return mci_error::kHardware;
    }
    return mci_error::kNone;
}

int GstMediaDevice::SeekToStart() {
    return SeekTo(0);
}

int GstMediaDevice::SeekToEnd() {
    if (const int error = Stop(); error != mci_error::kNone) return error;
    std::lock_guard lock(mutex_);
    atEnd_ = true;
    return mci_error::kNone;
}

int GstMediaDevice::SeekTo(std::int64_t ms) {
    if (const int error = Stop(); error != mci_error::kNone) return error;
    if (ms < 0) return mci_error::kOutOfRange;
    if (const std::optional<std::int64_t> length = LengthMs(); length && ms >= *length)
        return SeekToEnd();
    if (!gst_element_seek_simple(
            playbin_, GST_FORMAT_TIME,
            static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
            ms * GST_MSECOND)) {
        return mci_error::kHardware;
    }
    // The seek prerolls the new place; waiting for it lets "update" show the frame there.
    gst_element_get_state(playbin_, nullptr, nullptr, 2 * GST_SECOND);
    std::lock_guard lock(mutex_);
    atEnd_ = false;
    return mci_error::kNone;
}
