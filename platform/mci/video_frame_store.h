#pragma once

#include <QImage>
#include <mutex>

// The latest decoded frame of one video, written by the decoder's thread and read by the
// user-interface thread. QImage copies share their pixels, so a reader holds its frame safely
// after the next one has arrived.
class VideoFrameStore {
public:
    void Put(QImage frame) {
        std::lock_guard lock(mutex_);
        frame_ = std::move(frame);
    }
    QImage Latest() const {
        std::lock_guard lock(mutex_);
        return frame_;
    }

private:
    mutable std::mutex mutex_;
    QImage frame_;
};
